#pragma once

#include "mastermap/Feature.h"

#include <memory>
#include <vector>

class OGRCoordinateTransformation;
class OGRGeometry;
class OGRSpatialReference;

// Moves OGR geometries into internal units: from the layer's reference system
// to longitude and latitude (WGS 84; a layer without one is taken as that
// already), then through the program's own Mercator conversion, so master data
// and positions agree to the unit. Latitudes are held inside +-85 degrees.
class InternalGeometry {
public:
    explicit InternalGeometry(const OGRSpatialReference* source);
    ~InternalGeometry();

    // A projected copy; nothing when the geometry cannot be transformed.
    OGRGeometry* ToInternal(const OGRGeometry& g) const;
    // Splits a projected geometry into master map features: points, lines and
    // areas (or area outlines as lines). Repeated vertices are dropped, and
    // parts left too short are skipped.
    static std::vector<mastermap::Feature> ToFeatures(const OGRGeometry& g, std::uint8_t category,
                                                      bool asLine);

private:
    std::unique_ptr<OGRCoordinateTransformation> toLonLat_;
};
