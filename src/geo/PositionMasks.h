#pragma once

#include <QString>

#include <cstdint>

namespace geo {

// Input masks of the latitude and longitude entry fields of the editing windows, for
// formats 2 to 5: '#' is a digit place, every other character a literal. The fixed
// character positions of the position checks rely on these widths. Empty for a
// format without a mask.
QString LatitudeMask(std::int32_t format);
QString LongitudeMask(std::int32_t format);

} // namespace geo
