#pragma once

#include "mastermap/Feature.h"

#include <QString>

#include <memory>
#include <vector>

typedef struct GEOSContextHandle_HS* GEOSContextHandle_t;
typedef struct GEOSGeom_t GEOSGeometry;

namespace mastermap {

// One GEOS context with conversions between master map features and GEOS
// geometries. Geometries are owned through Geom, which frees them with the
// context that made them.
class GeosContext {
public:
    struct Deleter {
        GEOSContextHandle_t handle;
        void operator()(GEOSGeometry* g) const;
    };
    using Geom = std::unique_ptr<GEOSGeometry, Deleter>;

    GeosContext();
    ~GeosContext();
    GeosContext(const GeosContext&) = delete;
    GeosContext& operator=(const GeosContext&) = delete;

    GEOSContextHandle_t Handle() const { return handle_; }
    Geom Own(GEOSGeometry* g) const { return Geom(g, Deleter{handle_}); }
    const QString& LastError() const { return error_; }

    Geom FromFeature(const Feature& f) const;
    Geom Polygon(const std::vector<Point>& ring) const;
    Geom LineString(const std::vector<Point>& line) const;
    Geom Rectangle(const Rect& r) const;
    // The parts of a geometry as features of the given category, vertices
    // rounded to whole units; parts that collapse are left out.
    void ToFeatures(const GEOSGeometry* g, std::uint8_t category, std::vector<Feature>& out) const;
    Rect Bounds(const GEOSGeometry* g) const;

private:
    static void OnError(const char* message, void* self);

    GEOSContextHandle_t handle_;
    QString error_;
};

} // namespace mastermap
