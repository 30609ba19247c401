#include "app/MapHitTest.h"

#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"

#include <algorithm>
#include <cmath>

namespace app {

MapHitTest::Hit MapHitTest::Find(const gpsdata::GPSData& data, const mapview::WindowObject& view, QPointF at,
                                 bool waypoints, bool icons) {
    Hit hit;
    if (view.PixelsPerUnitX == 0)
        return hit;
    const double radius = RadiusPixels / std::fabs(view.PixelsPerUnitX);
    auto minDistance = static_cast<float>(radius * radius);
    const auto x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
    if (waypoints)
        for (const auto& entry : data.Waypoints()) {
            // Temporary waypoints are not on the map by themselves.
            if (entry.object->WaypointType() != 0)
                continue;
            qint16 found = -1;
            if (entry.object->GetToolTipText(x, y, minDistance, hit.text, found)) {
                hit.kind = Kind::Waypoint;
                hit.index = found;
            }
        }
    if (icons)
        for (const auto& entry : data.Icons()) {
            const gpsdata::IconObject& icon = *entry.object;
            const float dx = std::fabs(x - static_cast<float>(icon.X()));
            const float dy = std::fabs(y - static_cast<float>(icon.Y()));
            const float d = dx * dx + dy * dy;
            if (dx + dy < minDistance && d <= minDistance) {
                minDistance = d;
                hit.kind = Kind::Icon;
                hit.index = icon.IcnIndex();
                hit.text = view.SymbolNames().value(icon.IcnSymbol());
            }
        }
    return hit;
}

namespace {

// The distance in pixels from p to the segment a-b, all in pixels.
double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// Internal positions as pixels of the view, for distances on the screen.
struct PixelScale {
    explicit PixelScale(const mapview::WindowObject& view)
        : x(std::fabs(view.PixelsPerUnitX)), y(std::fabs(view.PixelsPerUnitY)) {}
    QPointF operator()(QPointF p) const { return QPointF(p.x() * x, p.y() * y); }
    double x, y;
};

} // namespace

MapHitTest::TrailHit MapHitTest::FindTrail(const gpsdata::GPSData& data, const mapview::WindowObject& view,
                                           QPointF at) {
    TrailHit hit;
    const PixelScale pixels(view);
    double nearest = RadiusPixels;
    const QPointF point = pixels(at);
    for (const auto& entry : data.Trails()) {
        const gpsdata::TrailObject& trail = *entry.object;
        for (int i = 0; i < trail.NumPoints(); ++i) {
            const QPointF here = pixels(QPointF(trail.PointX(i), trail.PointY(i)));
            const QPointF from = i > 0 && trail.Continuous(i)
                                     ? pixels(QPointF(trail.PointX(i - 1), trail.PointY(i - 1)))
                                     : here;
            if (const double d = SegmentDistance(point, from, here); d < nearest) {
                nearest = d;
                hit = {trail.TrlIndex(), trail.TrlName()};
            }
        }
    }
    return hit;
}

MapHitTest::Leg MapHitTest::FindLeg(const gpsdata::GPSData& data, const mapview::WindowObject& view,
                                    QPointF at) {
    Leg hit;
    const PixelScale pixels(view);
    double nearest = RadiusPixels;
    const QPointF point = pixels(at);
    for (const auto& entry : data.Routes()) {
        const gpsdata::RouteObject& route = *entry.object;
        for (int leg = 1; leg < route.NumWaypoints(); ++leg) {
            const gpsdata::WaypointObject* from = route.Waypoint(leg - 1);
            const gpsdata::WaypointObject* to = route.Waypoint(leg);
            if (!from || !to)
                continue;
            const double d = SegmentDistance(point, pixels(QPointF(from->X(), from->Y())),
                                             pixels(QPointF(to->X(), to->Y())));
            if (d < nearest) {
                nearest = d;
                hit = {route.RteIndex(), leg, route.RteName()};
            }
        }
    }
    return hit;
}

} // namespace app
