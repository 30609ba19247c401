#pragma once

#include <QString>

#include <cstdint>

namespace geo {

// What the waypoint and icon editing windows show for a position: the two entry texts,
// unsigned and zero-padded to the width of their masks, and the letters of the
// north/south and east/west buttons that carry the signs.
struct PositionEntry {
    QString latitudeText;
    QString longitudeText;
    QString northSouth;
    QString eastWest;
};

// format is the data set's position format (1 reads as 4). Throws NumericError for the
// one internal value without a magnitude, the most negative 32-bit number.
PositionEntry MakePositionEntry(std::int32_t x, std::int32_t y, std::int32_t format);

} // namespace geo
