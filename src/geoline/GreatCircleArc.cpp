#include "geoline/GreatCircleArc.h"

#include "geo/Coordinates.h"

#include <algorithm>
#include <cmath>

namespace geoline {

namespace {

using Vector = std::array<double, 3>;

// Drawn latitudes stop short of the poles, where Mercator has no Y.
constexpr double MaxLatitude = 89.0 * geo::DegToRad;
constexpr double HalfWorld = geo::Pi * geo::EarthRadius;

Vector ToVector(QPoint p) {
    const double lon = p.x() / geo::EarthRadius;
    const double lat = 2 * std::atan(std::exp(p.y() / geo::EarthRadius)) - geo::Pi / 2;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double Dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector Cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Length(const Vector& v) {
    return std::sqrt(Dot(v, v));
}

} // namespace

GreatCircleArc::GreatCircleArc(QPoint from, QPoint to) : from_(from), to_(to) {
    a_ = ToVector(from);
    b_ = ToVector(to);
    normal_ = Cross(a_, b_);
    angle_ = std::atan2(Length(normal_), Dot(a_, b_));
}

QPointF GreatCircleArc::ToUnits(const Vector& v) const {
    const double lat = std::clamp(std::atan2(v[2], std::hypot(v[0], v[1])), -MaxLatitude, MaxLatitude);
    const double lon = std::atan2(v[1], v[0]);
    return {lon * geo::EarthRadius, std::log(std::tan((lat + geo::Pi / 2) / 2)) * geo::EarthRadius};
}

bool GreatCircleArc::OnArc(const Vector& v) const {
    return Dot(Cross(a_, v), normal_) >= 0 && Dot(Cross(v, b_), normal_) >= 0;
}

bool GreatCircleArc::CrossesAntimeridian() const {
    return std::abs(double(to_.x()) - from_.x()) > HalfWorld;
}

QRectF GreatCircleArc::Bounds() const {
    if (CrossesAntimeridian())
        return {};
    double low = std::min(from_.y(), to_.y()), high = std::max(from_.y(), to_.y());
    const double n = Length(normal_);
    if (n > 1e-12) {
        // The arc's highest and lowest points lie where the circle's plane
        // meets the meridian plane through the pole.
        const Vector unit{normal_[0] / n, normal_[1] / n, normal_[2] / n};
        const Vector top{-unit[2] * unit[0], -unit[2] * unit[1], 1 - unit[2] * unit[2]};
        const double t = Length(top);
        if (t > 1e-12) {
            const Vector peak{top[0] / t, top[1] / t, top[2] / t};
            if (OnArc(peak))
                high = std::max(high, ToUnits(peak).y());
            const Vector trough{-peak[0], -peak[1], -peak[2]};
            if (OnArc(trough))
                low = std::min(low, ToUnits(trough).y());
        }
    }
    return QRectF(QPointF(std::min(from_.x(), to_.x()), low), QPointF(std::max(from_.x(), to_.x()), high));
}

int GreatCircleArc::Steps(double stepDegrees) const {
    // Identical or opposite positions have no one great circle.
    if (std::sin(angle_) < 1e-9)
        return 0;
    return std::clamp(int(std::ceil(angle_ / (stepDegrees * geo::DegToRad))), 1, 4096);
}

bool GreatCircleArc::Straight(double stepDegrees) const {
    return Steps(stepDegrees) <= 1 && !CrossesAntimeridian();
}

QList<QPolygonF> GreatCircleArc::Runs(double stepDegrees) const {
    const int steps = Steps(stepDegrees);
    // Without one great circle: a straight line.
    if (steps == 0)
        return {QPolygonF{QPointF(from_), QPointF(to_)}};
    const double sinAngle = std::sin(angle_);
    QList<QPolygonF> runs{QPolygonF{QPointF(from_)}};
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double wa = std::sin((1 - t) * angle_) / sinAngle, wb = std::sin(t * angle_) / sinAngle;
        const QPointF p =
            i == steps ? QPointF(to_)
                       : ToUnits({wa * a_[0] + wb * b_[0], wa * a_[1] + wb * b_[1], wa * a_[2] + wb * b_[2]});
        const QPointF last = runs.last().last();
        if (std::abs(p.x() - last.x()) > HalfWorld) {
            // Crossing the antimeridian: end this run at the world's edge and
            // start the next one at the other edge, at the same Y.
            const double edge = last.x() > 0 ? HalfWorld : -HalfWorld;
            const double before = std::abs(edge - last.x()), after = std::abs(-edge - p.x());
            const double y = last.y() + (p.y() - last.y()) * before / std::max(before + after, 1e-9);
            runs.last().append(QPointF(edge, y));
            runs.append(QPolygonF{QPointF(-edge, y)});
        }
        runs.last().append(p);
    }
    return runs;
}

} // namespace geoline
