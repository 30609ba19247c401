#include "print/MapLayers.h"

#include "carver/Carver.h"
#include "mapview/GPSDataPainter.h"

namespace print {

void MapLayers::Draw(QPainter& painter, mapview::WindowObject& view, bool drawBorders) const {
    if (master)
        master(painter, view);
    if (borders && drawBorders)
        borders->KDraw(painter, 1);
    if (data)
        mapview::GPSDataPainter(view, painter).Draw(*data);
}

} // namespace print
