#pragma once

#include <QString>

#include <cstdint>

namespace geo {

// Position format numbers as stored in the settings and the data set.
inline constexpr std::int32_t PositionFormatNone = 1;
inline constexpr std::int32_t PositionFormatDegrees = 2;
inline constexpr std::int32_t PositionFormatDegMin = 3;
inline constexpr std::int32_t PositionFormatDegMinSec = 4;
inline constexpr std::int32_t PositionFormatMercatorMeter = 5;

// The caption of the format's option button; empty for an unknown number.
QString PositionFormatCaption(std::int32_t format);

// "None" only switches off the cursor readout: lists and editors show such
// positions in degrees, minutes and seconds.
std::int32_t TextPositionFormat(std::int32_t format);

} // namespace geo
