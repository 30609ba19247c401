#include "geo/Coordinates.h"

#include "geo/NumericError.h"

#include <cmath>
#include <limits>

namespace geo {

std::int32_t RoundToInt32(double value) {
    if (!std::isfinite(value))
        throw NumericError("Overflow: the position has no finite internal value");
    // nearbyint honours the default rounding mode: nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        throw NumericError("Overflow: the position is outside the internal range");
    return static_cast<std::int32_t>(rounded);
}

std::int32_t LongitudeToX(double longitude) {
    // Two multiplications in this order, as the stored data was made.
    return RoundToInt32(longitude * EarthRadius * DegToRad);
}

double XToLongitude(std::int32_t x) {
    return x / MetresPerDegree;
}

std::int32_t LatitudeToY(double latitude) {
    const double t = std::tan((latitude * DegToRad + Pi / 2) / 2);
    if (!(t > 0))
        throw NumericError("Invalid procedure call: latitude beyond a pole");
    return RoundToInt32(std::log(t) * EarthRadius);
}

double YToLatitude(std::int32_t y) {
    return (2 * std::atan(std::exp(y / EarthRadius)) - Pi / 2) / DegToRad;
}

} // namespace geo
