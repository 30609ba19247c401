#pragma once

#include "files/SectionType.h"

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;
class ByteWriter;

// Type 4: one record per route slot, each a fixed 12-byte name and its legs
// {aviation flag, waypoint index}. Reading keeps the unit's limits on routes,
// legs per route and route waypoints in all routes.
class RouteSection {
public:
    RouteSection(gpsdata::GPSData& data, bool CurrentlyConnected);

    SectionResult Read(ByteReader& in);
    // One record for every slot below MaxNumGPSRoutes, empty slots included.
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);

private:
    enum class Leg { Kept, Dropped, Illegal };

    // False when the route waypoints read have reached the limit and it may
    // not grow: with a unit connected or a product set, the limit is the unit's.
    bool RoomForAnotherLeg();
    Leg Check(int route, qint16 aviation, qint16 index) const;
    void Raise(const QString& text) const;
    void RaiseLimitReached() const;

    gpsdata::GPSData& m_data;
    bool m_connected;
    int m_routeWaypoints = 0;
};

} // namespace files
