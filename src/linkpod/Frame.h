#pragma once

#include <QByteArray>

#include <cstdint>

namespace linkpod {

// One packet of the unit link, as the framing layer sees it. The meaning of
// `kind` and of the payload belongs to the protocol layer above.
struct Frame {
    std::uint8_t kind = 0;
    std::uint8_t seq = 0;
    std::uint16_t device = 0;
    QByteArray payload;

    friend bool operator==(const Frame&, const Frame&) = default;
};

// Wire constants of the framing layer (see docs/linkpod-protocol.md).
namespace framing {
constexpr char Flag = 0x7E;
constexpr char Escape = 0x7D;
constexpr char EscapeXor = 0x20;
constexpr int HeaderSize = 6;
constexpr int CrcSize = 2;
constexpr int MaxPayload = 8192;
constexpr int MaxBody = HeaderSize + MaxPayload + CrcSize;
} // namespace framing

} // namespace linkpod
