#pragma once

#include <QString>

#include <cstdint>

namespace geo {

// Display units of distances, the viewport's DistanceUnits.
inline constexpr std::int32_t DistanceUnitsMiles = 0;
inline constexpr std::int32_t DistanceUnitsNauticalMiles = 1;
inline constexpr std::int32_t DistanceUnitsKilometres = 2;
// Internal units: one is 1 / cos(latitude) metres of ground, so the conversion depends
// on the latitude of the view centre midY.
inline constexpr std::int32_t DistanceUnitsMercatorMetres = 3;

// Conversions between statute miles and the display unit; an unknown unit gives 0.
double DistanceToMiles(double distance, std::int32_t units, std::int32_t midY);
double MilesToDistance(double miles, std::int32_t units, std::int32_t midY);

// The unit's suffix, " miles", " nm", " km" or " mm"; empty for an unknown unit.
QString DistanceSuffix(std::int32_t units);

// Miles in the display unit with one or two decimals, followed by the suffix.
QString FormatDistance(double miles, std::int32_t units, std::int32_t midY);

} // namespace geo
