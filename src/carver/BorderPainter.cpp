#include "carver/BorderPainter.h"

#include "carver/Carver.h"
#include "carver/CarverModes.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace carver {

QPen PenFor(const LineAttributes& look) {
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    QPen pen(QColor::fromRgb(look.colour));
    pen.setWidth(look.width);
    pen.setStyle(look.style >= 0 && look.style < 3 ? styles[look.style] : Qt::SolidLine);
    return pen;
}

BorderPainter::BorderPainter(const Carver& carver, const ViewAttributes& view)
    : carver_(carver), view_(view) {}

void BorderPainter::Paint(QPainter& painter) const {
    if (!carver_.Range().Valid())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool sketch = view_.layers & KEL_LAYER_SKETCH;
    if (view_.layers & KEL_LAYER_BLOCKS)
        PaintBlocks(painter);
    for (const Border& border : carver_.Borders()) {
        if (!Visible(border))
            continue;
        const QPolygonF line = ToPixels(border);
        if (sketch || (view_.layers & KEL_LAYER_OUTLINE)) {
            if (!border.closed)
                PaintCorridor(painter, line);
            PaintBorder(painter, border, line);
        }
        if (sketch)
            PaintSquares(painter, line, view_.node);
        if (view_.layers & KEL_LAYER_HOTSPOTS)
            PaintSquares(painter, line, view_.select);
    }
    if (sketch)
        PaintRubberBand(painter);
    painter.restore();
}

bool BorderPainter::Visible(const Border& border) const {
    if (border.vertices.isEmpty())
        return false;
    // Reach far enough for the corridor and for squares drawn round the points.
    const double pixels =
        std::max(view_.select.size, view_.node.size) / std::max(carver_.Range().PixelsPerUnit(), 1e-12);
    return Bounds(border.vertices)
        .Grown(carver_.CorridorWidth() / 2.0 + pixels)
        .Meets(carver_.Range().Units());
}

QPolygonF BorderPainter::ToPixels(const Border& border) const {
    QPolygonF line;
    line.reserve(border.vertices.size());
    for (const QPoint& v : border.vertices)
        line << carver_.Range().ToPixel(v);
    return line;
}

void BorderPainter::PaintBlocks(QPainter& painter) const {
    const BlockCover cover = carver_.Blocks();
    const auto blocks = cover.Covered(carver_.Borders(), carver_.Range().Units());
    painter.setPen(PenFor(carver_.BlockAttributes()));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint& block : blocks) {
        const Box b = cover.BlockBox(block);
        painter.drawRect(
            QRectF(carver_.Range().ToPixel({b.x0, b.y1}), carver_.Range().ToPixel({b.x1, b.y0})));
    }
}

void BorderPainter::PaintCorridor(QPainter& painter, const QPolygonF& line) const {
    const double width = carver_.CorridorWidth() * carver_.Range().PixelsPerUnit();
    if (width < 1)
        return;
    QColor colour = QColor::fromRgb(view_.corridor.colour);
    colour.setAlpha(64);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}

void BorderPainter::PaintBorder(QPainter& painter, const Border& border, const QPolygonF& line) const {
    painter.setPen(PenFor(view_.node));
    painter.setBrush(Qt::NoBrush);
    if (border.closed)
        painter.drawPolygon(line);
    else
        painter.drawPolyline(line);
}

void BorderPainter::PaintSquares(QPainter& painter, const QPolygonF& line, const LineAttributes& look) const {
    if (look.size <= 0)
        return;
    painter.setPen(PenFor(look));
    painter.setBrush(Qt::NoBrush);
    const double half = look.size / 2.0;
    for (const QPointF& p : line)
        painter.drawRect(QRectF(p.x() - half, p.y() - half, look.size, look.size));
}

// The segment that the next click would add, from the last point to the
// pointer, and for a border that may close, back to the first point.
void BorderPainter::PaintRubberBand(QPainter& painter) const {
    const int drawing = carver_.KGetDrawingPolygon();
    const auto cursor = carver_.Sketch().Cursor();
    if (drawing < 0 || !cursor)
        return;
    const Border& border = carver_.Borders()[drawing];
    QPen pen = PenFor(view_.connection);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(carver_.Range().ToPixel(border.vertices.last()), *cursor);
    if (border.vertices.size() >= 2)
        painter.drawLine(*cursor, carver_.Range().ToPixel(border.vertices.first()));
}

} // namespace carver
