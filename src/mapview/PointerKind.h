#pragma once

namespace mapview {

// The pointer the map window shows over its map; the window turns each kind into
// a cursor. The arrow kinds are the custom pointers of the border, waypoint,
// route and icon modes.
enum class PointerKind { Default, CrossHair, ArrowPoly, ArrowWpt, ArrowRte, ArrowIcn };

} // namespace mapview
