#include "mapbuild/ConvertToMap.h"

#include "carver/Carver.h"
#include "gpsdata/RouteObject.h"
#include "gpsdata/WaypointObject.h"
#include "mapbuild/MapData.h"

#include <QList>
#include <QPoint>

namespace mapbuild {

bool ConvertToMap(const gpsdata::RouteObject& route, MapData& map) {
    if (route.NumWaypoints() < 2)
        return false;
    QList<QPoint> points;
    for (int leg = 0; leg < route.NumWaypoints(); ++leg)
        if (const gpsdata::WaypointObject* waypoint = route.Waypoint(leg))
            points << QPoint(waypoint->X(), waypoint->Y());
    // A border of one point would be no line at all.
    if (points.size() < 2)
        return false;
    Carver& carver = map.Borders();
    carver.KAddPolyline(0);
    for (const QPoint& p : points)
        carver.KAddPolyPoint(p.x(), p.y());
    map.DefinitionChanged();
    return true;
}

} // namespace mapbuild
