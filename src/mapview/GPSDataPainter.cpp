#include "mapview/GPSDataPainter.h"

#include "geoline/GeoLine.h"
#include "mapview/PinnedFonts.h"
#include "mapview/StandardPalette.h"
#include "mapview/SymbolPainter.h"
#include "mapview/WindowObject.h"
#include "raster/Stamp.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace mapview {

namespace {

// Objects whose position lies within this many pixels of the picture are
// drawn, so that symbols and names reaching into the view are not cut off.
constexpr double NearPixels = 64;
constexpr double LineWidth = 1;

} // namespace

GPSDataPainter::GPSDataPainter(WindowObject& window, QPainter& painter)
    : window_(window), painter_(painter),
      frame_(window.MapPicture.ScaleLeft, window.MapPicture.ScaleTop, window.PixelsPerUnitX,
             window.PixelsPerUnitY, static_cast<int>(std::ceil(window.MapPicture.Width)),
             static_cast<int>(std::ceil(window.MapPicture.Height))),
      pixelRatio_(PainterPixelRatio(painter)), labelRatio_(WaypointSymbols::StripRatio(pixelRatio_)),
      font_(MapFont(window)), pixels_(raster::RasterTarget::Of(painter)) {}

QFont GPSDataPainter::MapFont(const WindowObject& window) {
    QFont font = PinnedFonts::Font(window.MapFontName);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(window.MapFontSize * 96.0 / 72.0))));
    font.setBold(window.MapFontBold);
    font.setItalic(window.MapFontItalic);
    return font;
}

bool GPSDataPainter::RouteIsOpen(const WindowObject& window, const gpsdata::GPSData& data,
                                 const gpsdata::RouteObject& route) {
    return route.RteIndex() == data.EditingRoute() ||
           window.OpenRouteEditors.contains(QStringLiteral("Rte:%1").arg(route.RteIndex()));
}

void GPSDataPainter::Draw(const gpsdata::GPSData& data) {
    if (window_.DrawTrails) {
        for (const auto& entry : data.Trails())
            DrawTrail(*entry.object);
    }
    if (window_.DrawIcons) {
        for (const auto& entry : data.Icons())
            DrawIcon(*entry.object);
    }
    if (window_.DrawRoutes || window_.DrawOnlyOpenRoutes) {
        for (const auto& entry : data.Routes()) {
            if (!window_.DrawOnlyOpenRoutes || RouteIsOpen(window_, data, *entry.object))
                DrawRoute(data, *entry.object);
        }
    }
    if (window_.DrawWaypoints) {
        for (const auto& entry : data.Waypoints())
            DrawWaypoint(*entry.object, false);
    }
}

bool GPSDataPainter::NearView(qint32 x, qint32 y) const {
    if (x >= window_.ClipLeft && x <= window_.ClipRight && y >= window_.ClipBottom && y <= window_.ClipTop)
        return true;
    const double px = window_.ToPixelX(x);
    const double py = window_.ToPixelY(y);
    return px >= -NearPixels && px <= window_.MapPicture.Width + NearPixels && py >= -NearPixels &&
           py <= window_.MapPicture.Height + NearPixels;
}

void GPSDataPainter::DrawSymbol(int symbol, qint32 x, qint32 y) {
    PaintSymbol(painter_, window_.GetWaypointPicture(symbol, pixelRatio_),
                QPointF(window_.ToPixelX(x), window_.ToPixelY(y)), pixels_ ? &*pixels_ : nullptr);
}

void GPSDataPainter::DrawName(const QString& name, qint32 x, qint32 y, int textY) {
    // Centred under the position, its middle textY pixels below it, on an
    // opaque white background; placed on whole device pixels so that the
    // label is copied, not resampled.
    const QImage& label =
        window_.NameLabels.Label(name, font_, StandardPalette(window_.WaypointNamesColor), labelRatio_);
    const QSizeF size = label.deviceIndependentSize();
    const QPointF topLeft(window_.ToPixelX(x) - size.width() / 2,
                          window_.ToPixelY(y) + textY - size.height() / 2);
    const QPointF onPixels(std::round(topLeft.x() * labelRatio_) / labelRatio_,
                           std::round(topLeft.y() * labelRatio_) / labelRatio_);
    if (!pixels_ || !raster::Stamp(*pixels_, onPixels, label, label.rect()))
        painter_.drawImage(onPixels, label);
}

void GPSDataPainter::DrawWaypoint(const gpsdata::WaypointObject& waypoint, bool routeDraw) {
    if (waypoint.WaypointType() != 0 && !routeDraw)
        return;
    if (!NearView(waypoint.X(), waypoint.Y()))
        return;
    DrawSymbol(waypoint.WptSymbol(), waypoint.X(), waypoint.Y());
    if (!window_.ShowWaypointNames)
        return;
    const int textY = window_.GetWaypointPicture(waypoint.WptSymbol(), pixelRatio_).TextY;
    DrawName(waypoint.WptName(), waypoint.X(), waypoint.Y(), textY);
}

void GPSDataPainter::DrawIcon(const gpsdata::IconObject& icon) {
    if (NearView(icon.X(), icon.Y()))
        DrawSymbol(icon.IcnSymbol(), icon.X(), icon.Y());
}

void GPSDataPainter::DrawRoute(const gpsdata::GPSData& data, const gpsdata::RouteObject& route) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(StandardPalette(window_.RouteLinesColor), LineWidth));
    const bool edited = route.RteIndex() == data.EditingRoute();
    // Leg i (counted from 1) runs from entry i to entry i + 1; the legs between
    // a leg left out (the one being edited) or a missing waypoint are drawn
    // as one line.
    std::vector<QPoint> joined;
    const auto draw = [&] {
        geoline::DrawGreatCircleLines(painter_, frame_, joined.data(), static_cast<int>(joined.size()));
        joined.clear();
    };
    for (int entry = 0; entry < route.NumWaypoints(); ++entry) {
        const gpsdata::WaypointObject* waypoint = route.Waypoint(entry);
        if (!waypoint || (edited && entry == data.EditingRouteLeg()))
            draw();
        if (waypoint)
            joined.emplace_back(waypoint->X(), waypoint->Y());
    }
    draw();
    painter_.restore();
    for (int entry = 0; entry < route.NumWaypoints(); ++entry) {
        const gpsdata::WaypointObject* waypoint = route.Waypoint(entry);
        // Ordinary waypoints are painted over everything by the waypoint pass
        // when waypoints are shown; painting them here as well would change nothing.
        if (!waypoint ||
            (waypoint->WaypointType() == 0 && (data.EditingRouteLeg() != 0 || window_.DrawWaypoints)))
            continue;
        DrawWaypoint(*waypoint, true);
    }
}

void GPSDataPainter::DrawTrail(const gpsdata::TrailObject& trail) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(StandardPalette(window_.TrailLinesColor), LineWidth));
    std::vector<QPoint> run;
    const auto flush = [&] {
        if (run.size() > 1)
            geoline::DrawAbsLine(painter_, frame_, run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (int i = 0; i < trail.NumPoints(); ++i) {
        if (!trail.Continuous(i))
            flush();
        run.emplace_back(trail.PointX(i), trail.PointY(i));
    }
    flush();
    painter_.restore();
}

} // namespace mapview
