#include "geo/GreatCircle.h"

#include "geo/Coordinates.h"
#include "geo/NumericError.h"

#include <cmath>

namespace geo {

double ArcCos(double x) {
    const double d = 1 - x * x;
    if (!(d > 0))
        throw NumericError("Division by zero: no arc cosine of " + std::to_string(x));
    return std::atan(-x / std::sqrt(d)) + 2 * std::atan(1.0);
}

double PlaneDistance(double a1, double b1, double a2, double b2) {
    return std::sqrt((a2 - a1) * (a2 - a1) + (b2 - b1) * (b2 - b1));
}

double GreatCircleMiles(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const double halfPi = Pi / 2;
    const double lambda1 = x1 / EarthRadius;
    const double phi1 = 2 * std::atan(std::exp(y1 / EarthRadius)) - halfPi;
    const double lambda2 = x2 / EarthRadius;
    const double phi2 = 2 * std::atan(std::exp(y2 / EarthRadius)) - halfPi;

    const double cosd =
        std::cos(phi2) * std::cos(phi1) * std::cos(lambda2 - lambda1) + std::sin(phi2) * std::sin(phi1);
    double nm = ArcCos(cosd) * NauticalMilesPerRadian;
    if (nm < 0.1)
        nm = PlaneDistance(phi1, lambda1, phi2, lambda2) * NauticalMilesPerRadian;
    return nm * MilesPerNauticalMile;
}

} // namespace geo
