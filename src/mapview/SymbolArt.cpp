#include "mapview/SymbolArt.h"

#include <QPainter>

namespace mapview {

namespace {

constexpr double HaloWidth = 2;

} // namespace

SymbolArt& SymbolArt::Add(QPainterPath path, QColor fill, QColor line, double lineWidth) {
    layers_.push_back({std::move(path), fill, line, lineWidth});
    return *this;
}

SymbolArt& SymbolArt::Stroke(QPainterPath path, QColor line, double lineWidth) {
    return Add(std::move(path), QColor(), line, lineWidth);
}

void SymbolArt::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Layer& layer : layers_) {
        painter.setPen(
            QPen(Qt::white, layer.LineWidth + 2 * HaloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(layer.Fill.isValid() ? QBrush(Qt::white) : QBrush());
        painter.drawPath(layer.Path);
    }
    for (const Layer& layer : layers_) {
        painter.setPen(layer.Line.isValid()
                           ? QPen(layer.Line, layer.LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                           : QPen(Qt::NoPen));
        painter.setBrush(layer.Fill.isValid() ? QBrush(layer.Fill) : QBrush());
        painter.drawPath(layer.Path);
    }
    painter.restore();
}

} // namespace mapview
