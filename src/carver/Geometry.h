#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>

namespace carver {

// An axis-aligned box in internal units; unlike QRectF a box of no width is
// still a box (a vertical polyline has one).
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool Meets(const Box& other) const {
        return x0 <= other.x1 && other.x0 <= x1 && y0 <= other.y1 && other.y0 <= y1;
    }
    Box Grown(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
    Box Clipped(const Box& other) const;
    QPointF Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};

Box Bounds(const QList<QPoint>& points);
// Even-odd rule.
bool PointInPolygon(QPointF p, const QList<QPoint>& polygon);
// 0 when the segment touches or crosses the box.
double SegmentBoxDistance(QPointF a, QPointF b, const Box& box);

} // namespace carver
