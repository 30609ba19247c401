#include "app/MapHitTest.h"

#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"

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

} // namespace app
