#include "carver/Geometry.h"

#include "geo/SegmentClip.h"

#include <algorithm>
#include <cmath>

namespace carver {

namespace {

double PointSegmentDistance(QPointF p, QPointF a, QPointF b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x() - (a.x() + t * dx), p.y() - (a.y() + t * dy));
}

double PointBoxDistance(QPointF p, const Box& box) {
    const double dx = std::max({box.x0 - p.x(), 0.0, p.x() - box.x1});
    const double dy = std::max({box.y0 - p.y(), 0.0, p.y() - box.y1});
    return std::hypot(dx, dy);
}

bool SegmentCrossesBox(QPointF a, QPointF b, const Box& box) {
    return geo::ClipSegmentToBox(a, b, box.x0, box.y0, box.x1, box.y1).has_value();
}

} // namespace

Box Box::Clipped(const Box& other) const {
    return {std::max(x0, other.x0), std::max(y0, other.y0), std::min(x1, other.x1), std::min(y1, other.y1)};
}

Box Bounds(const QList<QPoint>& points) {
    const QPointF first = points.first();
    Box box{first.x(), first.y(), first.x(), first.y()};
    for (const QPoint& p : points) {
        box.x0 = std::min<double>(box.x0, p.x());
        box.y0 = std::min<double>(box.y0, p.y());
        box.x1 = std::max<double>(box.x1, p.x());
        box.y1 = std::max<double>(box.y1, p.y());
    }
    return box;
}

bool PointInPolygon(QPointF p, const QList<QPoint>& polygon) {
    bool inside = false;
    for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[i], b = polygon[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

double SegmentBoxDistance(QPointF a, QPointF b, const Box& box) {
    if (SegmentCrossesBox(a, b, box))
        return 0;
    const QPointF corners[4] = {{box.x0, box.y0}, {box.x1, box.y0}, {box.x0, box.y1}, {box.x1, box.y1}};
    double best = std::min(PointBoxDistance(a, box), PointBoxDistance(b, box));
    for (const QPointF& c : corners)
        best = std::min(best, PointSegmentDistance(c, a, b));
    return best;
}

} // namespace carver
