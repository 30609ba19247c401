#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>

#include <vector>

class QPainter;

namespace mapview {

// A symbol drawn from vector shapes, so that it is sharp at any pixel ratio.
// Each layer is a path filled and outlined; a white halo around the whole
// keeps the symbol readable over the map.
class SymbolArt {
public:
    struct Layer {
        QPainterPath Path;
        QColor Fill; // invalid: not filled
        QColor Line; // invalid: not outlined
        double LineWidth;
    };

    explicit SymbolArt(QSizeF size = {16, 16}) : size_(size) {}

    QSizeF Size() const { return size_; }
    SymbolArt& Add(QPainterPath path, QColor fill, QColor line = Qt::black, double lineWidth = 1);
    SymbolArt& Stroke(QPainterPath path, QColor line, double lineWidth = 1.5);

    // Paints halo and layers with the symbol's top-left corner at the origin.
    void Paint(QPainter& painter) const;

private:
    QSizeF size_;
    std::vector<Layer> layers_;
};

} // namespace mapview
