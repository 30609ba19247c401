#pragma once

#include "files/GpxDocument.h"

#include <optional>

namespace gpsdata {
class GPSData;
}

namespace files {

// Puts a GPX document into the data set. Objects keep the slot our extension
// gives them when it is free and within the unit's limits, and take the lowest
// free slot otherwise; what does not fit is left out with a message.
class GpxLoader {
public:
    explicit GpxLoader(gpsdata::GPSData& data) : m_data(data) {}

    void Load(const GpxDocument& document);

private:
    void AddWaypoints(const QList<GpxPoint>& points);
    void AddIcons(const QList<GpxPoint>& points);
    void AddRoutes(const QList<GpxRoute>& routes);
    void AddTracks(const QList<GpxTrack>& tracks);
    // The waypoint a route point stands for: one at the same place (and with
    // the same index or name), else a new one.
    std::optional<qint16> RouteWaypoint(const GpxPoint& point);
    std::optional<qint16> AddWaypoint(const GpxPoint& point);
    qint32 Symbol(const GpxPoint& p) const;
    // cmt and desc, both kept when they differ.
    static QString Comment(const GpxPoint& p);

    gpsdata::GPSData& m_data;
    bool m_waypointsFull = false;
};

} // namespace files
