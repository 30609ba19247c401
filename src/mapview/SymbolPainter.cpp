#include "mapview/SymbolPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace mapview {

void PaintSymbol(QPainter& painter, const SymbolObject& symbol, QPointF position) {
    const SymbolPicture& sprite = symbol.SymbolSprite;
    // On whole device pixels the sprite is copied without resampling: sharper
    // and much faster.
    const double ratio = sprite.PixelRatio;
    const QPointF corner = position - QPointF(symbol.HotX, symbol.HotY);
    const QRectF target(
        QPointF(std::round(corner.x() * ratio) / ratio, std::round(corner.y() * ratio) / ratio),
        sprite.Size());
    painter.drawImage(target, sprite.Strip, sprite.Cell);
}

double PainterPixelRatio(const QPainter& painter) {
    const double device = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = painter.worldTransform();
    return device * std::sqrt(std::abs(t.determinant()));
}

} // namespace mapview
