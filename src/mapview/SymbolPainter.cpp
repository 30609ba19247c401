#include "mapview/SymbolPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace mapview {

void PaintSymbol(QPainter& painter, const SymbolObject& symbol, QPointF position) {
    const SymbolPicture& sprite = symbol.SymbolSprite;
    const QRectF target(position - QPointF(symbol.HotX, symbol.HotY), sprite.Size());
    painter.drawImage(target, sprite.Strip, sprite.Cell);
}

double PainterPixelRatio(const QPainter& painter) {
    const double device = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = painter.worldTransform();
    return device * std::sqrt(std::abs(t.determinant()));
}

} // namespace mapview
