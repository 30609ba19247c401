#pragma once

namespace app {

// The viewport's mouse modes as the map window's handlers name them.
inline constexpr int ModeCentre = 0;
inline constexpr int ModeBorder = 1;
inline constexpr int ModePolyline = 2;
inline constexpr int ModeDropWaypoint = 3;
inline constexpr int ModeDropRouteWaypoint = 4;
inline constexpr int ModeDropIcon = 5;
inline constexpr int ModeMoveWaypoint = 6;
inline constexpr int ModeMoveIcon = 7;
inline constexpr int ModeStretch = 8;

} // namespace app
