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
    // Whether the arc is traced as the straight line between its ends: it is
    // shorter than `stepDegrees` (or its ends are identical or opposite) and
    // stays on one side of the antimeridian.
    bool Straight(double stepDegrees) const;
    // The arc as runs of points no more than `stepDegrees` of arc apart; a
    // new run starts where the arc crosses the antimeridian.
    QList<QPolygonF> Runs(double stepDegrees) const;

private:
    using Vector = std::array<double, 3>;

    QPointF ToUnits(const Vector& v) const;
    // The number of steps of at most `stepDegrees` the arc is traced in; 0
    // when it has no one great circle.
    int Steps(double stepDegrees) const;
    bool OnArc(const Vector& v) const;

    Vector a_{}, b_{}, normal_{};
    double angle_ = 0;
    QPoint from_, to_;
};

} // namespace geoline
