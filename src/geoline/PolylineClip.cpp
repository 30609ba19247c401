#include "geoline/PolylineClip.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace geoline {

namespace {

// Liang-Barsky: the part of segment a-b inside the rectangle.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy), QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
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
