#include "mapview/SymbolStrip.h"

#include <QPainter>

#include <cmath>

namespace mapview {

SymbolStrip::SymbolStrip(const std::vector<SymbolArt>& symbols, int columns, double pixelRatio)
    : count_(static_cast<int>(symbols.size())), columns_(columns), pixelRatio_(pixelRatio) {
    for (const SymbolArt& symbol : symbols) {
        const QSizeF size(std::ceil(symbol.Size().width() * pixelRatio),
                          std::ceil(symbol.Size().height() * pixelRatio));
        sizes_.push_back(size);
        cellPixels_ = cellPixels_.expandedTo(size);
    }
    const QSize stripPixels(static_cast<int>(cellPixels_.width()) * columns_,
                            static_cast<int>(cellPixels_.height()) * std::max(1, Rows()));
    sprites_ = QImage(stripPixels, QImage::Format_ARGB32_Premultiplied);
    sprites_.fill(Qt::transparent);
    {
        QPainter painter(&sprites_);
        painter.scale(pixelRatio, pixelRatio);
        for (int i = 0; i < count_; ++i) {
            painter.save();
            const QRectF target = Cell(i);
            painter.translate(target.left() / pixelRatio, target.top() / pixelRatio);
            symbols[static_cast<std::size_t>(i)].Paint(painter);
            painter.restore();
        }
    }
    images_ = QImage(stripPixels, QImage::Format_RGB32);
    images_.fill(Qt::white);
    {
        QPainter painter(&images_);
        painter.drawImage(0, 0, sprites_);
    }
    masks_ = QImage(stripPixels, QImage::Format_RGB32);
    for (int y = 0; y < stripPixels.height(); ++y) {
        const auto* sprite = reinterpret_cast<const QRgb*>(sprites_.constScanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(masks_.scanLine(y));
        for (int x = 0; x < stripPixels.width(); ++x)
            mask[x] = qAlpha(sprite[x]) > 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
}

QRectF SymbolStrip::Cell(int symbol) const {
    return QRectF(
        QPointF((symbol % columns_) * cellPixels_.width(), (symbol / columns_) * cellPixels_.height()),
        sizes_[static_cast<std::size_t>(symbol)]);
}

} // namespace mapview
