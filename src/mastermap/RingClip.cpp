#include "mastermap/RingClip.h"

namespace mastermap {

namespace {

// One pass against one edge: `inside` tells which side is kept, `cross` the
// point where a segment meets the edge.
template <typename Inside, typename Cross>
QPolygonF ClipEdge(const QPolygonF& in, Inside inside, Cross cross) {
    QPolygonF out;
    out.reserve(in.size() + 4);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QPointF& a = in[i];
        const QPointF& b = in[(i + 1) % in.size()];
        const bool aIn = inside(a), bIn = inside(b);
        if (aIn)
            out << a;
        if (aIn != bIn)
            out << cross(a, b);
    }
    return out;
}

QPointF AtX(QPointF a, QPointF b, double x) {
    return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())};
}

QPointF AtY(QPointF a, QPointF b, double y) {
    return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y};
}

} // namespace

QPolygonF ClipRing(const QPolygonF& ring, const QRectF& rect) {
    QPolygonF r = ring;
    if (r.size() > 1 && r.front() == r.back())
        r.removeLast();
    const double left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
    r = ClipEdge(
        r, [=](QPointF p) { return p.x() >= left; }, [=](QPointF a, QPointF b) { return AtX(a, b, left); });
    r = ClipEdge(
        r, [=](QPointF p) { return p.x() <= right; }, [=](QPointF a, QPointF b) { return AtX(a, b, right); });
    r = ClipEdge(
        r, [=](QPointF p) { return p.y() >= top; }, [=](QPointF a, QPointF b) { return AtY(a, b, top); });
    r = ClipEdge(
        r, [=](QPointF p) { return p.y() <= bottom; },
        [=](QPointF a, QPointF b) { return AtY(a, b, bottom); });
    if (!r.isEmpty())
        r << r.front();
    return r;
}

} // namespace mastermap
