#pragma once

// The largest GPS data set the default unit holds, shared by the drawing and
// the undo benchmarks: 999 named waypoints, 99 routes of 20 waypoints, 999
// icons and 2 trails of 3000 points, spread over a state-sized area. Routes
// run through consecutive waypoints, which lie a few miles apart.

#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"

#include <QRandomGenerator>

#include <algorithm>

namespace bench {

// Colorado, roughly: every object lies in the state-wide view.
inline constexpr double West = -109, East = -102, South = 37, North = 41;

inline void FillMaxDataSet(gpsdata::GPSData& data) {
    QRandomGenerator random(20260101);
    const auto x = [&] { return geo::LongitudeToX(West + random.bounded(East - West)); };
    const auto y = [&] { return geo::LatitudeToY(South + random.bounded(North - South)); };
    // The waypoints follow one another as a wandering path across the area,
    // so that routes through consecutive waypoints are real journeys.
    double lon = (West + East) / 2, lat = (South + North) / 2;
    for (qint16 i = 0; i < data.MaxNumGPSWaypoints(); ++i) {
        lon = std::clamp(lon + random.bounded(0.4) - 0.2, West, East);
        lat = std::clamp(lat + random.bounded(0.3) - 0.15, South, North);
        data.AddWaypoint(i, geo::LongitudeToX(lon), geo::LatitudeToY(lat), 0,
                         QStringLiteral("WAYPOINT %1").arg(i + 1), i % 28, 40000, 0);
    }
    for (qint16 r = 0; r < data.MaxNumGPSRoutes(); ++r) {
        QList<qint16> legs;
        for (int k = 0; k < 20; ++k)
            legs << static_cast<qint16>((r * 10 + k) % data.MaxNumGPSWaypoints());
        data.AddRoute(r, QStringLiteral("ROUTE %1").arg(r + 1), legs);
    }
    for (qint16 i = 0; i < data.MaxNumGPSIcons(); ++i)
        data.AddLurchIcon(i, x(), y(), i % 28);
    for (qint16 t = 0; t < data.MaxNumGPSTrails(); ++t) {
        QList<qint32> xs, ys;
        QList<bool> continuous;
        qint32 px = x(), py = y();
        for (int k = 0; k < data.MaxNumGPSTrailDeltas(); ++k) {
            px += static_cast<qint32>(random.bounded(400)) - 200;
            py += static_cast<qint32>(random.bounded(400)) - 200;
            xs << px;
            ys << py;
            continuous << (k % 500 != 0);
        }
        data.AddTrail(t, QStringLiteral("TRACK %1").arg(t + 1), 0, 0, xs, ys, continuous);
    }
}

} // namespace bench
