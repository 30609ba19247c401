#pragma once

#include <cstdint>

namespace geo {

// Internal positions are signed 32-bit X (east) and Y (north) on a spherical
// Mercator projection. The constants are deliberately the truncated values that
// stored files and the unit link were made with: use these, never std::numbers.
inline constexpr double EarthRadius = 6356752.3142;
inline constexpr double DegToRad = 0.017453292;
inline constexpr double Pi = 3.141592654;
inline constexpr double MetresPerDegree = EarthRadius * DegToRad;

// Round to nearest, ties to even; throws NumericError when the value is not
// finite or does not fit 32 bits.
std::int32_t RoundToInt32(double value);

std::int32_t LongitudeToX(double longitude);
double XToLongitude(std::int32_t x);
std::int32_t LatitudeToY(double latitude);
double YToLatitude(std::int32_t y);

} // namespace geo
