#include "mastermap/GeosContext.h"

#include <geos_c.h>

#include <cmath>

namespace mastermap {

namespace {

struct Collected {
    Feature points, lines, areas;
};

std::vector<Point> Vertices(GEOSContextHandle_t h, const GEOSGeometry* g) {
    std::vector<Point> out;
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(h, g);
    unsigned int n = 0;
    if (!seq || !GEOSCoordSeq_getSize_r(h, seq, &n))
        return out;
    out.reserve(n);
    for (unsigned int i = 0; i < n; ++i) {
        double x = 0, y = 0;
        GEOSCoordSeq_getXY_r(h, seq, i, &x, &y);
        const Point p{static_cast<std::int32_t>(std::lround(x)), static_cast<std::int32_t>(std::lround(y))};
        if (out.empty() || !(out.back() == p))
            out.push_back(p);
    }
    return out;
}

void AddPart(Feature& f, const std::vector<Point>& v, std::uint32_t flag = 0) {
    f.parts.push_back(static_cast<std::uint32_t>(v.size()) | flag);
    f.points.insert(f.points.end(), v.begin(), v.end());
}

void Collect(GEOSContextHandle_t h, const GEOSGeometry* g, Collected& c) {
    switch (GEOSGeomTypeId_r(h, g)) {
    case GEOS_POINT:
        if (!GEOSisEmpty_r(h, g))
            AddPart(c.points, Vertices(h, g));
        break;
    case GEOS_LINESTRING:
    case GEOS_LINEARRING: {
        const auto v = Vertices(h, g);
        if (v.size() >= 2)
            AddPart(c.lines, v);
        break;
    }
    case GEOS_POLYGON: {
        const auto outer = Vertices(h, GEOSGetExteriorRing_r(h, g));
        if (outer.size() < 4)
            break;
        AddPart(c.areas, outer, Feature::OuterRing);
        for (int i = 0; i < GEOSGetNumInteriorRings_r(h, g); ++i) {
            const auto hole = Vertices(h, GEOSGetInteriorRingN_r(h, g, i));
            if (hole.size() >= 4)
                AddPart(c.areas, hole);
        }
        break;
    }
    default:
        for (int i = 0; i < GEOSGetNumGeometries_r(h, g); ++i)
            Collect(h, GEOSGetGeometryN_r(h, g, i), c);
        break;
    }
}

} // namespace

void GeosContext::Deleter::operator()(GEOSGeometry* g) const {
    GEOSGeom_destroy_r(handle, g);
}

GeosContext::GeosContext() : handle_(GEOS_init_r()) {
    GEOSContext_setErrorMessageHandler_r(handle_, &GeosContext::OnError, this);
}

GeosContext::~GeosContext() {
    GEOS_finish_r(handle_);
}

void GeosContext::OnError(const char* message, void* self) {
    static_cast<GeosContext*>(self)->error_ = QString::fromUtf8(message);
}

namespace {

GEOSCoordSequence* Sequence(GEOSContextHandle_t h, const Point* p, std::size_t n) {
    std::vector<double> xy(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        xy[2 * i] = p[i].x;
        xy[2 * i + 1] = p[i].y;
    }
    return GEOSCoordSeq_copyFromBuffer_r(h, xy.data(), static_cast<unsigned int>(n), 0, 0);
}

} // namespace

GeosContext::Geom GeosContext::Polygon(const std::vector<Point>& ring) const {
    GEOSGeometry* shell = GEOSGeom_createLinearRing_r(handle_, Sequence(handle_, ring.data(), ring.size()));
    return Own(shell ? GEOSGeom_createPolygon_r(handle_, shell, nullptr, 0) : nullptr);
}

GeosContext::Geom GeosContext::LineString(const std::vector<Point>& line) const {
    return Own(GEOSGeom_createLineString_r(handle_, Sequence(handle_, line.data(), line.size())));
}

GeosContext::Geom GeosContext::Rectangle(const Rect& r) const {
    return Own(GEOSGeom_createRectangle_r(handle_, r.left, r.bottom, r.right, r.top));
}

GeosContext::Geom GeosContext::FromFeature(const Feature& f) const {
    std::vector<GEOSGeometry*> parts;
    std::size_t start = 0;
    const auto free = [&] {
        for (GEOSGeometry* g : parts)
            GEOSGeom_destroy_r(handle_, g);
        return Own(nullptr);
    };
    for (std::size_t i = 0; i < f.parts.size(); ++i) {
        const std::size_t size = Feature::PartSize(f.parts[i]);
        const Point* p = f.points.data() + start;
        start += size;
        GEOSGeometry* g = nullptr;
        if (f.kind == FeatureKind::Point) {
            g = GEOSGeom_createPointFromXY_r(handle_, p->x, p->y);
        } else if (f.kind == FeatureKind::Line) {
            g = GEOSGeom_createLineString_r(handle_, Sequence(handle_, p, size));
        } else if (f.parts[i] & Feature::OuterRing) {
            GEOSGeometry* shell = GEOSGeom_createLinearRing_r(handle_, Sequence(handle_, p, size));
            std::vector<GEOSGeometry*> holes;
            std::size_t holeStart = start;
            for (; i + 1 < f.parts.size() && !(f.parts[i + 1] & Feature::OuterRing); ++i) {
                const std::size_t holeSize = Feature::PartSize(f.parts[i + 1]);
                if (GEOSGeometry* hole = GEOSGeom_createLinearRing_r(
                        handle_, Sequence(handle_, f.points.data() + holeStart, holeSize)))
                    holes.push_back(hole);
                holeStart += holeSize;
            }
            start = holeStart;
            g = shell ? GEOSGeom_createPolygon_r(handle_, shell, holes.data(),
                                                 static_cast<unsigned>(holes.size()))
                      : nullptr;
        }
        if (!g)
            return free();
        parts.push_back(g);
    }
    const int type = f.kind == FeatureKind::Point  ? GEOS_MULTIPOINT
                     : f.kind == FeatureKind::Line ? GEOS_MULTILINESTRING
                                                   : GEOS_MULTIPOLYGON;
    if (parts.size() == 1)
        return Own(parts[0]);
    return Own(GEOSGeom_createCollection_r(handle_, type, parts.data(), static_cast<unsigned>(parts.size())));
}

void GeosContext::ToFeatures(const GEOSGeometry* g, std::uint8_t category, std::vector<Feature>& out) const {
    Collected c;
    Collect(handle_, g, c);
    c.points.kind = FeatureKind::Point;
    c.lines.kind = FeatureKind::Line;
    c.areas.kind = FeatureKind::Area;
    for (Feature* f : {&c.areas, &c.lines, &c.points}) {
        f->category = category;
        // A record holds at most 65535 parts: larger results are split.
        while (f->parts.size() > 0xFFFF) {
            Feature head = *f;
            std::size_t cut = 0xFFFF;
            while (f->kind == FeatureKind::Area && !(f->parts[cut] & Feature::OuterRing))
                --cut;
            head.parts.resize(cut);
            std::size_t n = 0;
            for (auto part : head.parts)
                n += Feature::PartSize(part);
            head.points.resize(n);
            f->parts.erase(f->parts.begin(), f->parts.begin() + static_cast<std::ptrdiff_t>(cut));
            f->points.erase(f->points.begin(), f->points.begin() + static_cast<std::ptrdiff_t>(n));
            out.push_back(std::move(head));
        }
        if (!f->parts.empty())
            out.push_back(std::move(*f));
    }
}

Rect GeosContext::Bounds(const GEOSGeometry* g) const {
    double x0, y0, x1, y1;
    if (!g || GEOSisEmpty_r(handle_, g) || !GEOSGeom_getXMin_r(handle_, g, &x0) ||
        !GEOSGeom_getYMin_r(handle_, g, &y0) || !GEOSGeom_getXMax_r(handle_, g, &x1) ||
        !GEOSGeom_getYMax_r(handle_, g, &y1))
        return {};
    return {static_cast<std::int32_t>(std::floor(x0)), static_cast<std::int32_t>(std::floor(y0)),
            static_cast<std::int32_t>(std::ceil(x1)), static_cast<std::int32_t>(std::ceil(y1))};
}

} // namespace mastermap
