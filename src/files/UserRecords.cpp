#include "files/UserRecords.h"

#include "gpsdata/GPSData.h"
#include "gpsdata/SerialDate.h"

#include <algorithm>
#include <cmath>

namespace files {
namespace {

// Whole metres, as the data set keeps them. The link carries a float: one
// that is not a number, or beyond what 32 bits count, is no altitude.
qint32 Metres(float altitude) {
    if (!std::isfinite(altitude) || std::fabs(altitude) >= 2147483648.0f)
        return 0;
    return static_cast<qint32>(altitude);
}

} // namespace

std::uint16_t UserRecords::UnitSymbol(int symbol) {
    return static_cast<std::uint16_t>(std::clamp(symbol + SymbolBase, 0, 0xFFFF));
}

int UserRecords::ProgramSymbol(std::uint16_t unitSymbol) {
    return unitSymbol >= SymbolBase ? unitSymbol - SymbolBase : 0;
}

linkpod::UserWaypoint UserRecords::SetUserWaypoint(const gpsdata::WaypointObject& w) {
    return {static_cast<std::uint16_t>(w.WptIndex()),
            UnitSymbol(w.WptSymbol()),
            static_cast<std::uint8_t>(w.WaypointType()),
            w.X(),
            w.Y(),
            float(w.Altitude),
            static_cast<std::uint32_t>(w.LurchDate()),
            w.WptName(),
            w.Comment};
}

linkpod::UserRoute UserRecords::SetUserRoute(const gpsdata::RouteObject& route) {
    linkpod::UserRoute record{static_cast<std::uint16_t>(route.RteIndex()), route.RteName(), {}};
    for (const qint16 w : route.Waypoints())
        record.waypoints.append(static_cast<std::uint16_t>(w));
    return record;
}

linkpod::UserIcon UserRecords::SetUserIcon(const gpsdata::IconObject& icon) {
    return {static_cast<std::uint16_t>(icon.IcnIndex()), UnitSymbol(icon.IcnSymbol()), icon.X(), icon.Y()};
}

linkpod::UserTrail UserRecords::SetUserTrail(const gpsdata::TrailObject& trail) {
    linkpod::UserTrail record{static_cast<std::uint16_t>(trail.TrlIndex()), trail.TrlName(), {}};
    record.points.reserve(trail.NumPoints());
    for (int i = 0; i < trail.NumPoints(); ++i)
        record.points.append({trail.PointX(i), trail.PointY(i), trail.Continuous(i)});
    return record;
}

void UserRecords::GetUserWaypoint(gpsdata::GPSData& data, const linkpod::UserWaypoint& r) {
    const double date = gpsdata::SerialDate::FromSeconds(gpsdata::SerialDate::LurchEpoch, qint32(r.time));
    if (gpsdata::WaypointObject* added = data.AddWaypoint(qint16(r.index), r.x, r.y, Metres(r.altitude),
                                                          r.name, ProgramSymbol(r.symbol), date, r.type))
        added->Comment = r.comment;
}

void UserRecords::GetUserRoute(gpsdata::GPSData& data, const linkpod::UserRoute& r) {
    QList<qint16> legs;
    legs.reserve(r.waypoints.size());
    for (const std::uint16_t w : r.waypoints)
        legs.append(qint16(w));
    data.AddRouteWithCollection(qint16(r.index), r.name, legs);
}

void UserRecords::GetUserIcon(gpsdata::GPSData& data, const linkpod::UserIcon& r) {
    data.AddLurchIcon(qint16(r.index), r.x, r.y, ProgramSymbol(r.symbol));
}

void UserRecords::GetUserTrail(gpsdata::GPSData& data, const linkpod::UserTrail& r) {
    QList<qint32> x, y;
    QList<bool> joined;
    x.reserve(r.points.size());
    y.reserve(r.points.size());
    joined.reserve(r.points.size());
    for (const auto& p : r.points) {
        x.append(p.x);
        y.append(p.y);
        joined.append(p.continuous);
    }
    data.AddTrail(qint16(r.index), r.name, 0, 0, x, y, joined);
}

} // namespace files
