#pragma once

#include <memory>

class OGRGeometry;

// Cuts geometries in longitude and latitude at the antimeridian. Sources
// that follow the sphere (TopoJSON among them) draw a ring across 180 degrees
// as a jump from +180 to -180, and a ring around a pole (Antarctica) with a
// single such jump. Projected as they stand, those jumps become edges around
// the whole world and false land across it. Rings and lines are made
// continuous first (a ring around a pole is closed along the pole), then cut
// into the world's longitude range, the pieces beyond it moved back in.
class AntimeridianCut {
public:
    // Whether any edge of the geometry jumps more than half way round.
    static bool Crosses(const OGRGeometry& lonLat);
    // The cut copy of a crossing geometry; nothing when it does not cross.
    static std::unique_ptr<OGRGeometry> Cut(const OGRGeometry& lonLat);
};
