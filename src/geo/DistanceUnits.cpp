#include "geo/DistanceUnits.h"

#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"
#include "geo/NumberFormat.h"

#include <cmath>

namespace geo {

namespace {

// Internal units per ground metre at the latitude of the view centre.
double CentreCosine(std::int32_t midY) {
    return std::cos(YToLatitude(midY) * DegToRad);
}

} // namespace

double DistanceToMiles(double distance, std::int32_t units, std::int32_t midY) {
    switch (units) {
    case DistanceUnitsMiles:
        return distance;
    case DistanceUnitsNauticalMiles:
        return distance * MilesPerNauticalMile;
    case DistanceUnitsKilometres:
        return distance / MetresPerMile * 1000;
    case DistanceUnitsMercatorMetres:
        return distance / MetresPerMile * CentreCosine(midY);
    default:
        return 0;
    }
}

double MilesToDistance(double miles, std::int32_t units, std::int32_t midY) {
    switch (units) {
    case DistanceUnitsMiles:
        return miles;
    case DistanceUnitsNauticalMiles:
        return miles / MilesPerNauticalMile;
    case DistanceUnitsKilometres:
        return miles * MetresPerMile / 1000;
    case DistanceUnitsMercatorMetres:
        return miles * MetresPerMile / CentreCosine(midY);
    default:
        return 0;
    }
}

QString DistanceSuffix(std::int32_t units) {
    switch (units) {
    case DistanceUnitsMiles:
        return QStringLiteral(" miles");
    case DistanceUnitsNauticalMiles:
        return QStringLiteral(" nm");
    case DistanceUnitsKilometres:
        return QStringLiteral(" km");
    case DistanceUnitsMercatorMetres:
        return QStringLiteral(" mm");
    default:
        return QString();
    }
}

QString FormatDistance(double miles, std::int32_t units, std::int32_t midY) {
    return NumberFormat::Apply(MilesToDistance(miles, units, midY), u"#####0.0#") + DistanceSuffix(units);
}

} // namespace geo
