#pragma once

#include "mapview/SymbolObject.h"

#include <QPointF>

class QPainter;

namespace raster {
class RasterTarget;
}

namespace mapview {

// Paints a symbol with its hot spot on a pixel position. The sprite is the
// image seen through the mask: the symbol's area is covered, the map shows
// around it. Given the painter's pixels, it is written into them directly
// where it can be.
void PaintSymbol(QPainter& painter, const SymbolObject& symbol, QPointF position,
                 const raster::RasterTarget* pixels = nullptr);

// The pixel ratio at which symbols for this painter are best rendered: the
// device's ratio times the painter's own scaling (a printer painted in inches).
double PainterPixelRatio(const QPainter& painter);

} // namespace mapview
