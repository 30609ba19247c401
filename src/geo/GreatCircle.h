#pragma once

#include <cstdint>

namespace geo {

inline constexpr double MetresPerMile = 1609.344;
inline constexpr double MilesPerNauticalMile = 1.15078;
// 10800 / Pi with the program's truncated Pi.
inline constexpr double NauticalMilesPerRadian = 3437.7467703360626;

// Great-circle distance in statute miles between two internal positions; below
// 0.1 nautical miles the straight distance in radians is used instead. Throws
// NumericError for identical or nearly identical positions, where the arc
// cosine has no value: callers decide what that means (a leg of 0 miles).
double GreatCircleMiles(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// atan(-x / sqrt(1 - x^2)) + 2 atan(1); throws NumericError at |x| >= 1.
double ArcCos(double x);

double PlaneDistance(double a1, double b1, double a2, double b2);

} // namespace geo
