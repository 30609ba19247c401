#pragma once

#include <QList>
#include <QPoint>
#include <QPolygonF>
#include <QRectF>

#include <array>

namespace geoline {

// The shorter great-circle arc between two internal positions, traced in
// internal (Mercator) units.
class GreatCircleArc {
public:
    GreatCircleArc(QPoint from, QPoint to);

    // A box in internal units that holds the whole arc, including the point
    // nearest a pole when the arc passes it. Empty when the arc crosses the
    // antimeridian (it then spans both ends of the world).
    QRectF Bounds() const;
    bool CrossesAntimeridian() const;
    // The arc as runs of points no more than `stepDegrees` of arc apart; a
    // new run starts where the arc crosses the antimeridian.
    QList<QPolygonF> Runs(double stepDegrees) const;

private:
    using Vector = std::array<double, 3>;

    QPointF ToUnits(const Vector& v) const;
    bool OnArc(const Vector& v) const;

    Vector a_{}, b_{}, normal_{};
    double angle_ = 0;
    QPoint from_, to_;
};

} // namespace geoline
