#pragma once

#include "linkpod/Records.h"

namespace gpsdata {
class GPSData;
class IconObject;
class RouteObject;
class TrailObject;
class WaypointObject;
} // namespace gpsdata

namespace files {

// Moves objects between the data set and the communication control's
// records. Unit symbols are the program's symbol numbers + 10000; record
// times count seconds from 1992-01-01, the unit's clock.
class UserRecords {
public:
    static constexpr int SymbolBase = 10000;

    static linkpod::UserWaypoint SetUserWaypoint(const gpsdata::WaypointObject& waypoint);
    static linkpod::UserRoute SetUserRoute(const gpsdata::RouteObject& route);
    static linkpod::UserIcon SetUserIcon(const gpsdata::IconObject& icon);
    static linkpod::UserTrail SetUserTrail(const gpsdata::TrailObject& trail);

    // Each adds the record to the data set; a record whose index is already
    // present replaces that object.
    static void GetUserWaypoint(gpsdata::GPSData& data, const linkpod::UserWaypoint& record);
    static void GetUserRoute(gpsdata::GPSData& data, const linkpod::UserRoute& record);
    static void GetUserIcon(gpsdata::GPSData& data, const linkpod::UserIcon& record);
    static void GetUserTrail(gpsdata::GPSData& data, const linkpod::UserTrail& record);

    static std::uint16_t UnitSymbol(int symbol);
    static int ProgramSymbol(std::uint16_t unitSymbol);
};

} // namespace files
