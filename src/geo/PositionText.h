#pragma once

#include <QString>

#include <cstdint>

namespace geo {

inline constexpr char16_t DegreeSign = u'\u00B0';

// The texts a position is shown with, in the given position format. Formats 3, 4 and
// unknown numbers split the angle into degrees and minutes (and seconds), carrying
// seconds that round to 60.0 into the minutes and minutes that round to 60.000 into
// the degrees; format 5 shows the raw internal value. Longitudes beyond the date line
// are shown as 180 degrees. Callers pass the current format (1 reads as 4).
QString FormatLatitude(std::int32_t y, std::int32_t format);
QString FormatLongitude(std::int32_t x, std::int32_t format);

// The status bar's cursor readout: empty in format 1, X first in format 5 and
// latitude first otherwise.
QString CursorReadout(std::int32_t x, std::int32_t y, std::int32_t format);

} // namespace geo
