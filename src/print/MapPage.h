#pragma once

#include "print/MapLayers.h"

#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace print {

class PageWriter;

// The map window's view on paper, drawn at the page's own resolution through
// the map's drawing code, so that lines and text stay vectors in a PDF. At its
// own size the map is as large as on a screen of 96 pixels per inch (smaller
// when the page is too small for it); expanded it fills the page.
class MapPage {
public:
    MapPage(mapview::WindowObject& view, MapLayers layers) : view_(view), layers_(std::move(layers)) {}

    // The print dialog's map: a "Map " + name section first when borders are
    // drawn and the map has a name, then the map under it.
    void Lay(PageWriter& writer, const QString& mapName, bool drawBorders, bool expand) const;
    // The main window's map print: the map with its scale line above it and
    // our notice under it, on the device's one page.
    void PrintWithScale(QPagedPaintDevice& device) const;

    // Miles of ground per inch of paper for a map printed this wide (points).
    double MilesPerInch(double printedWidthPoints) const;
    // The scale line for miles per inch, rounded to one decimal.
    static QString ScaleText(double milesPerInch);
    static QString NoticeText();

private:
    // Where the map goes within `area`, in device units.
    QRectF Place(const QRectF& area, double dotsPerInch, bool expand) const;
    void Draw(QPainter& painter, const QRectF& target, bool drawBorders) const;

    mapview::WindowObject& view_;
    MapLayers layers_;
};

} // namespace print
