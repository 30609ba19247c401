#include "AntimeridianCut.h"

#include <ogr_geometry.h>

#include <cmath>
#include <vector>

namespace {

constexpr double HalfWay = 180.0;

bool CurveCrosses(const OGRSimpleCurve& c) {
    for (int i = 1; i < c.getNumPoints(); ++i)
        if (std::abs(c.getX(i) - c.getX(i - 1)) > HalfWay)
            return true;
    return false;
}

// The curve's longitudes made continuous: each jump of more than half way
// round is taken as the short way across the antimeridian.
std::vector<OGRRawPoint> Unwrapped(const OGRSimpleCurve& c) {
    std::vector<OGRRawPoint> out;
    double shift = 0;
    for (int i = 0; i < c.getNumPoints(); ++i) {
        if (i > 0) {
            const double step = c.getX(i) - c.getX(i - 1);
            if (step > HalfWay)
                shift -= 360;
            else if (step < -HalfWay)
                shift += 360;
        }
        out.push_back({c.getX(i) + shift, c.getY(i)});
    }
    return out;
}

// Whether an unwrapped ring ends a whole turn from where it started: it goes
// once round a pole.
bool Winds(const std::vector<OGRRawPoint>& unwrapped) {
    return unwrapped.size() >= 2 && std::abs(unwrapped.back().x - unwrapped.front().x) >= HalfWay;
}

OGRLinearRing* Ring(const std::vector<OGRRawPoint>& points) {
    auto* ring = new OGRLinearRing;
    ring->setPoints(static_cast<int>(points.size()), points.data());
    ring->closeRings();
    return ring;
}

// A ring that winds once around a pole does not close when unwrapped: its
// end lies a whole turn from its start. It is closed along the pole it
// circles (the one on the side of its points).
std::vector<OGRRawPoint> ClosedRing(const OGRSimpleCurve& c) {
    std::vector<OGRRawPoint> points = Unwrapped(c);
    if (!Winds(points))
        return points;
    double latitudes = 0;
    for (const OGRRawPoint& p : points)
        latitudes += p.y;
    const double pole = latitudes < 0 ? -90.0 : 90.0;
    const OGRRawPoint first = points.front(), last = points.back();
    points.push_back({last.x, pole});
    points.push_back({first.x, pole});
    points.push_back(first);
    return points;
}

double MeanX(const std::vector<OGRRawPoint>& points) {
    double sum = 0;
    for (const OGRRawPoint& p : points)
        sum += p.x;
    return points.empty() ? 0 : sum / static_cast<double>(points.size());
}

// A hole is moved by whole turns to lie beside its outer ring.
void MoveNear(std::vector<OGRRawPoint>& hole, double x) {
    const double turns = std::round((x - MeanX(hole)) / 360.0);
    for (OGRRawPoint& p : hole)
        p.x += turns * 360.0;
}

// Sources that follow the sphere may give a polar area as rings whose
// meaning is the area between them: Antarctica comes as a small ring round
// the pole and its coast as a second ring. Each ring closed along the pole
// is an area, and the polygon is where an odd number of them lie, as an
// even-odd fill would show them.
std::unique_ptr<OGRGeometry> PolarPolygon(const OGRPolygon& polygon) {
    std::unique_ptr<OGRGeometry> out;
    for (const OGRLinearRing* ring : polygon) {
        OGRPolygon area;
        area.addRingDirectly(Ring(ClosedRing(*ring)));
        if (!out)
            out.reset(area.clone());
        else
            out.reset(out->SymDifference(&area));
        if (!out)
            return nullptr;
    }
    return out;
}

std::unique_ptr<OGRGeometry> ContinuousPolygon(const OGRPolygon& polygon) {
    for (const OGRLinearRing* ring : polygon)
        if (Winds(Unwrapped(*ring)))
            return PolarPolygon(polygon);
    auto out = std::make_unique<OGRPolygon>();
    double outerX = 0;
    bool first = true;
    for (const OGRLinearRing* ring : polygon) {
        std::vector<OGRRawPoint> points = Unwrapped(*ring);
        if (first)
            outerX = MeanX(points);
        else
            MoveNear(points, outerX);
        first = false;
        out->addRingDirectly(Ring(points));
    }
    return out;
}

std::unique_ptr<OGRGeometry> ContinuousLine(const OGRSimpleCurve& curve) {
    const std::vector<OGRRawPoint> points = Unwrapped(curve);
    auto out = std::make_unique<OGRLineString>();
    out->setPoints(static_cast<int>(points.size()), points.data());
    return out;
}

// Moves every vertex by whole turns of longitude (OGR has no translation).
class Shift : public OGRDefaultGeometryVisitor {
public:
    explicit Shift(double dx) : dx_(dx) {}
    using OGRDefaultGeometryVisitor::visit;
    void visit(OGRPoint* p) override { p->setX(p->getX() + dx_); }
    void visit(OGRLineString* l) override { Move(*l); }
    void visit(OGRLinearRing* l) override { Move(*l); }

private:
    void Move(OGRSimpleCurve& c) const {
        for (int i = 0; i < c.getNumPoints(); ++i)
            c.setPoint(i, c.getX(i) + dx_, c.getY(i));
    }
    double dx_;
};

// Where a cut runs along the box's edge, the intersection also holds points
// and lines: only parts of the geometry's own dimension are kept.
void AddOfDimension(const OGRGeometry& g, int dimension, OGRGeometryCollection& into) {
    if (wkbFlatten(g.getGeometryType()) == wkbGeometryCollection) {
        for (const OGRGeometry* part : *g.toGeometryCollection())
            AddOfDimension(*part, dimension, into);
    } else if (g.getDimension() == dimension) {
        into.addGeometry(&g);
    }
}

// The parts of a continuous geometry in each turn of longitude, moved back
// into -180 .. 180.
void AddCutParts(const OGRGeometry& continuous, OGRGeometryCollection& into) {
    OGREnvelope extent;
    continuous.getEnvelope(&extent);
    const int firstTurn = static_cast<int>(std::floor((extent.MinX + HalfWay) / 360.0));
    // A geometry that only touches +180 takes nothing from the turn beyond.
    const int lastTurn = static_cast<int>(std::ceil((extent.MaxX + HalfWay) / 360.0)) - 1;
    for (int turn = firstTurn; turn <= lastTurn; ++turn) {
        OGRPolygon box;
        OGRLinearRing* edge = new OGRLinearRing;
        const double west = -HalfWay + 360.0 * turn, east = west + 360.0;
        edge->addPoint(west, -90);
        edge->addPoint(east, -90);
        edge->addPoint(east, 90);
        edge->addPoint(west, 90);
        edge->closeRings();
        box.addRingDirectly(edge);
        std::unique_ptr<OGRGeometry> part(continuous.Intersection(&box));
        if (!part || part->IsEmpty())
            continue;
        Shift back(-360.0 * turn);
        part->accept(&back);
        AddOfDimension(*part, continuous.getDimension(), into);
    }
}

std::unique_ptr<OGRGeometry> Continuous(const OGRGeometry& g) {
    switch (wkbFlatten(g.getGeometryType())) {
    case wkbPolygon:
        return ContinuousPolygon(*g.toPolygon());
    case wkbLineString:
        return ContinuousLine(*g.toSimpleCurve());
    default:
        return nullptr;
    }
}

void CutInto(const OGRGeometry& g, OGRGeometryCollection& into) {
    switch (wkbFlatten(g.getGeometryType())) {
    case wkbPolygon:
    case wkbLineString:
        if (!AntimeridianCut::Crosses(g)) {
            into.addGeometry(&g);
        } else if (auto continuous = Continuous(g)) {
            AddCutParts(*continuous, into);
        }
        return;
    case wkbMultiPolygon:
    case wkbMultiLineString:
    case wkbGeometryCollection:
        for (const OGRGeometry* part : *g.toGeometryCollection())
            CutInto(*part, into);
        return;
    default:
        into.addGeometry(&g);
        return;
    }
}

} // namespace

bool AntimeridianCut::Crosses(const OGRGeometry& g) {
    switch (wkbFlatten(g.getGeometryType())) {
    case wkbLineString:
    case wkbLinearRing:
        return CurveCrosses(*g.toSimpleCurve());
    case wkbPolygon:
        for (const OGRLinearRing* ring : *g.toPolygon())
            if (CurveCrosses(*ring))
                return true;
        return false;
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection:
        for (const OGRGeometry* part : *g.toGeometryCollection())
            if (Crosses(*part))
                return true;
        return false;
    default:
        return false;
    }
}

std::unique_ptr<OGRGeometry> AntimeridianCut::Cut(const OGRGeometry& g) {
    if (!Crosses(g))
        return nullptr;
    auto out = std::make_unique<OGRGeometryCollection>();
    CutInto(g, *out);
    return out;
}
