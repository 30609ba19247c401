#include "InternalGeometry.h"

#include "AntimeridianCut.h"

#include "geo/Coordinates.h"

#include <ogr_geometry.h>
#include <ogr_spatialref.h>

#include <algorithm>

namespace {

using mastermap::Feature;
using mastermap::FeatureKind;
using mastermap::Point;

constexpr double MaxLatitude = 85.0;
constexpr double MaxEdgeDegrees = 1.0;
constexpr std::size_t MaxParts = 0xFFFF;

void ProjectCurve(OGRSimpleCurve& c) {
    for (int i = 0; i < c.getNumPoints(); ++i) {
        const double lon = std::clamp(c.getX(i), -180.0, 180.0);
        const double lat = std::clamp(c.getY(i), -MaxLatitude, MaxLatitude);
        c.setPoint(i, geo::LongitudeToX(lon), geo::LatitudeToY(lat));
    }
}

void Project(OGRGeometry& g) {
    switch (wkbFlatten(g.getGeometryType())) {
    case wkbPoint: {
        auto& p = *g.toPoint();
        p.setX(geo::LongitudeToX(std::clamp(p.getX(), -180.0, 180.0)));
        p.setY(geo::LatitudeToY(std::clamp(p.getY(), -MaxLatitude, MaxLatitude)));
        break;
    }
    case wkbLineString:
    case wkbLinearRing:
        ProjectCurve(*g.toSimpleCurve());
        break;
    case wkbPolygon:
        for (auto* ring : *g.toPolygon())
            ProjectCurve(*ring);
        break;
    case wkbMultiPoint:
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection:
        for (auto* part : *g.toGeometryCollection())
            Project(*part);
        break;
    default:
        break;
    }
}

// Collects parts of one kind; a feature is cut before its part count passes
// what the record can hold.
class Collector {
public:
    Collector(FeatureKind kind, std::uint8_t category) { f_.kind = kind, f_.category = category; }

    std::vector<Point> Vertices(const OGRSimpleCurve& c) const {
        std::vector<Point> out;
        for (int i = 0; i < c.getNumPoints(); ++i) {
            const Point p{static_cast<std::int32_t>(c.getX(i)), static_cast<std::int32_t>(c.getY(i))};
            if (out.empty() || !(out.back() == p))
                out.push_back(p);
        }
        return out;
    }
    void AddPart(std::vector<Point> v, std::uint32_t flag = 0) {
        f_.parts.push_back(static_cast<std::uint32_t>(v.size()) | flag);
        f_.points.insert(f_.points.end(), v.begin(), v.end());
    }
    void AddLine(const OGRSimpleCurve& c) {
        auto v = Vertices(c);
        if (v.size() >= 2) {
            MakeRoom(1);
            AddPart(std::move(v));
        }
    }
    void AddPolygon(const OGRPolygon& polygon) {
        std::vector<std::vector<Point>> rings;
        for (const auto* ring : polygon) {
            auto v = Vertices(*ring);
            if (!v.empty() && !(v.front() == v.back()))
                v.push_back(v.front());
            if (v.size() >= 4)
                rings.push_back(std::move(v));
            else if (rings.empty())
                return; // the outer ring collapsed: so does the polygon
        }
        if (rings.empty())
            return;
        rings.resize(std::min<std::size_t>(rings.size(), MaxParts));
        MakeRoom(rings.size());
        for (std::size_t i = 0; i < rings.size(); ++i)
            AddPart(std::move(rings[i]), i == 0 ? Feature::OuterRing : 0);
    }
    void AddPoint(const OGRPoint& p) {
        Done();
        AddPart({Point{static_cast<std::int32_t>(p.getX()), static_cast<std::int32_t>(p.getY())}});
    }
    void MakeRoom(std::size_t parts) {
        if (f_.parts.size() + parts > MaxParts)
            Done();
    }
    void Done() {
        if (!f_.parts.empty())
            out.push_back(std::move(f_));
        f_.parts.clear();
        f_.points.clear();
    }

    std::vector<Feature> out;

private:
    Feature f_;
};

struct Split {
    Collector points, lines, areas;
    bool asLine;
};

void Collect(const OGRGeometry& g, Split& s) {
    switch (wkbFlatten(g.getGeometryType())) {
    case wkbPoint:
        s.points.AddPoint(*g.toPoint());
        break;
    case wkbLineString:
    case wkbLinearRing:
        s.lines.AddLine(*g.toSimpleCurve());
        break;
    case wkbPolygon:
        if (s.asLine) {
            for (const auto* ring : *g.toPolygon())
                s.lines.AddLine(*ring);
        } else {
            s.areas.AddPolygon(*g.toPolygon());
        }
        break;
    case wkbMultiPoint:
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection:
        for (const auto* part : *g.toGeometryCollection())
            Collect(*part, s);
        break;
    default:
        break;
    }
}

} // namespace

InternalGeometry::InternalGeometry(const OGRSpatialReference* source) {
    if (!source)
        return;
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReference from(*source);
    from.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    toLonLat_.reset(OGRCreateCoordinateTransformation(&from, &wgs84));
}

InternalGeometry::~InternalGeometry() = default;

OGRGeometry* InternalGeometry::ToInternal(const OGRGeometry& g) const {
    OGRGeometry* copy = g.clone();
    if (copy->hasCurveGeometry()) {
        OGRGeometry* linear = copy->getLinearGeometry();
        delete copy;
        copy = linear;
    }
    if (!copy || (toLonLat_ && copy->transform(toLonLat_.get()) != OGRERR_NONE)) {
        delete copy;
        return nullptr;
    }
    if (auto cut = AntimeridianCut::Cut(*copy)) {
        delete copy;
        copy = cut.release();
    }
    // Long straight edges in degrees (borders along a parallel, sparse
    // sources) are curves on the map: points every degree keep them close.
    copy->segmentize(MaxEdgeDegrees);
    Project(*copy);
    return copy;
}

std::vector<mastermap::Feature> InternalGeometry::ToFeatures(const OGRGeometry& g, std::uint8_t category,
                                                             bool asLine) {
    Split s{
        {FeatureKind::Point, category}, {FeatureKind::Line, category}, {FeatureKind::Area, category}, asLine};
    Collect(g, s);
    std::vector<Feature> out;
    for (Collector* c : {&s.points, &s.lines, &s.areas}) {
        c->Done();
        std::move(c->out.begin(), c->out.end(), std::back_inserter(out));
    }
    return out;
}
