#include "mapview/SymbolPainter.h"

#include "raster/Stamp.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace mapview {

void PaintSymbol(QPainter& painter, const SymbolObject& symbol, QPointF position,
                 const raster::RasterTarget* pixels) {
    const SymbolPicture& sprite = symbol.SymbolSprite;
    // On whole device pixels the sprite is copied without resampling: sharper
    // and much faster.
    const double ratio = sprite.PixelRatio;
    const QPointF corner = position - QPointF(symbol.HotX, symbol.HotY);
    const QPointF onPixels(std::round(corner.x() * ratio) / ratio, std::round(corner.y() * ratio) / ratio);
    if (pixels && raster::Stamp(*pixels, onPixels, sprite.Strip, sprite.Cell.toRect()))
        return;
    painter.drawImage(QRectF(onPixels, sprite.Size()), sprite.Strip, sprite.Cell);
}

double PainterPixelRatio(const QPainter& painter) {
    const double device = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = painter.worldTransform();
    return device * std::sqrt(std::abs(t.determinant()));
}

} // namespace mapview
