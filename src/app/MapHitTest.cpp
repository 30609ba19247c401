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

} // namespace

MapHitTest::Leg MapHitTest::FindLeg(const gpsdata::GPSData& data, const mapview::WindowObject& view,
                                    QPointF at) {
    Leg hit;
    const QPointF scale(std::fabs(view.PixelsPerUnitX), std::fabs(view.PixelsPerUnitY));
    const auto pixels = [scale](QPointF p) { return QPointF(p.x() * scale.x(), p.y() * scale.y()); };
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
