#pragma once

#include <QtGlobal>

#include <functional>

class QMenu;

namespace gpsdata {
class RouteObject;
class TrailObject;
} // namespace gpsdata

namespace editors {

// What a route's and a trail's popup offers beyond editing and deleting, the
// same over the map and on a list window's row. The map window sets the
// commands; an entry whose command is not set is left out.
struct PopupCommands {
    // The map's clicks add waypoints into a route, from entry `leg` (0-based) on.
    std::function<void(qint16 route, int leg)> insertRouteWaypoints = {};
    // The route becomes an open map border through its waypoints.
    std::function<void(qint16 route)> makeRouteBorder = {};
    // The communication control lays a new route along the trail.
    std::function<void(qint16 trail)> createRouteFromTrail = {};

    // "Insert Waypoints Into " and "Make Map Border From " followed by the
    // route's name; the border needs two waypoints at least.
    void AddRouteEntries(QMenu& menu, const gpsdata::RouteObject& route, int leg) const;
    // "Create Route From " followed by the trail's name.
    void AddTrailEntries(QMenu& menu, const gpsdata::TrailObject& trail) const;
};

} // namespace editors
