#pragma once

#include "files/GpxDocument.h"

#include <QByteArray>

namespace files {

// Writes a GPX 1.1 document. Positions are written with the fewest digits
// that read back to the same double, so internal coordinates survive a round
// trip exactly.
class GpxWriter {
public:
    static QByteArray Write(const GpxDocument& document);
};

} // namespace files
