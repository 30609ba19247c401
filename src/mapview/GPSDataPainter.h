#pragma once

#include "geoline/PixelFrame.h"
#include "gpsdata/GPSData.h"
#include "raster/RasterTarget.h"

#include <QFont>

#include <optional>

class QPainter;

namespace mapview {

class WindowObject;

// Draws the GPS data set over the map with the viewport's switches, colours
// and scale: trails, icons, routes, then waypoints, each later kind on top.
// The painter draws in the map picture's device-independent pixels, and
// keeps its transform, clip and opacity while this draws: symbols and names
// are written into its pixels as they stood when this was made.
class GPSDataPainter {
public:
    GPSDataPainter(WindowObject& window, QPainter& painter);

    void Draw(const gpsdata::GPSData& data);
    // Temporary waypoints (type other than 0) are drawn only with their route.
    void DrawWaypoint(const gpsdata::WaypointObject& waypoint, bool routeDraw);
    void DrawIcon(const gpsdata::IconObject& icon);
    // Legs as great circles, the leg under edit left to the map window; then
    // the route's waypoints.
    void DrawRoute(const gpsdata::GPSData& data, const gpsdata::RouteObject& route);
    // Connected lines, broken at every point not continuous with the one before.
    void DrawTrail(const gpsdata::TrailObject& trail);

    // Whether the route is shown while only open routes are drawn.
    static bool RouteIsOpen(const WindowObject& window, const gpsdata::GPSData& data,
                            const gpsdata::RouteObject& route);
    // The map font: the face, size in points at the desktop's 96 pixels per
    // inch, and style the viewport holds.
    static QFont MapFont(const WindowObject& window);

private:
    bool NearView(qint32 x, qint32 y) const;
    void DrawSymbol(int symbol, qint32 x, qint32 y);
    void DrawName(const QString& name, qint32 x, qint32 y, int textY);

    WindowObject& window_;
    QPainter& painter_;
    geoline::PixelFrame frame_;
    double pixelRatio_;
    double labelRatio_;
    QFont font_;
    // The painter's pixels, where symbols and names are written directly.
    std::optional<raster::RasterTarget> pixels_;
};

} // namespace mapview
