#pragma once

#include <QPointF>
#include <QRectF>

namespace print {

// The character grid every printed page is laid out on: 80 columns by 45
// rows over the printable area, whatever the paper and the device's units.
// A text is placed with its top-left corner on a cell's top-left corner.
class PageGrid {
public:
    static constexpr int Columns = 80;
    static constexpr int Rows = 45;

    explicit PageGrid(const QRectF& area = {}) : area_(area) {}

    const QRectF& Area() const { return area_; }
    double CellWidth() const { return area_.width() / Columns; }
    double CellHeight() const { return area_.height() / Rows; }
    QPointF At(double column, double row) const {
        return area_.topLeft() + QPointF(column * CellWidth(), row * CellHeight());
    }

private:
    QRectF area_;
};

} // namespace print
