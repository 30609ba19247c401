#pragma once

namespace gpsdata {
class RouteObject;
}

namespace mapbuild {

class MapData;

// Adds the route to the custom map definition as an open border through its
// waypoints, in travel order. Legs whose waypoint no longer exists are left
// out; a route with fewer than two waypoints left adds nothing. Returns true
// when a border was added (the map window then repaints).
bool ConvertToMap(const gpsdata::RouteObject& route, MapData& map);

} // namespace mapbuild
