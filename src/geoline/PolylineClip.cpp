#include "geoline/PolylineClip.h"

#include "geo/SegmentClip.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace geoline {

namespace {

// The part of segment a-b inside the rectangle.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& r) {
    const auto s = geo::ClipSegmentToBox(a, b, r.left(), r.top(), r.right(), r.bottom());
    if (!s)
        return std::nullopt;
    const QPointF d = b - a;
    return std::pair{a + s->t0 * d, a + s->t1 * d};
}

} // namespace

QList<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& rect) {
    QList<QPolygonF> pieces;
    bool open = false; // the last piece ends where the next segment starts
    for (qsizetype i = 1; i < line.size(); ++i) {
        const auto part = ClipSegment(line[i - 1], line[i], rect);
        if (!part) {
            open = false;
            continue;
        }
        if (!open || pieces.last().last() != part->first)
            pieces.append(QPolygonF{part->first});
        pieces.last().append(part->second);
        open = part->second == line[i];
    }
    return pieces;
}

} // namespace geoline
