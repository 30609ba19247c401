#pragma once

#include "linkpod/Command.h"

#include <QByteArray>

#include <cstdint>

namespace linkpod {

// One request of the host to a device on the unit link, and the packet kind
// that answers it (a Result packet always may).
struct LinkRequest {
    Command kind = Command::GetMemory;
    std::uint16_t device = 0;
    QByteArray payload;
    Command reply = Command::Result;
};

} // namespace linkpod
