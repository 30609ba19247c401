#pragma once

#include "carver/LineAttributes.h"

class Carver;
class QPainter;
class QPen;
class QPolygonF;

namespace carver {

struct Border;

// Draws one view of the border engine's borders into a painter whose
// coordinates are display pixels, in the layers the view's flags name.
class BorderPainter {
public:
    BorderPainter(const Carver& carver, const ViewAttributes& view);
    void Paint(QPainter& painter) const;

private:
    void PaintBlocks(QPainter& painter) const;
    void PaintCorridor(QPainter& painter, const QPolygonF& line) const;
    void PaintBorder(QPainter& painter, const Border& border, const QPolygonF& line) const;
    void PaintSquares(QPainter& painter, const QPolygonF& line, const LineAttributes& look) const;
    void PaintRubberBand(QPainter& painter) const;
    bool Visible(const Border& border) const;
    QPolygonF ToPixels(const Border& border) const;

    const Carver& carver_;
    const ViewAttributes& view_;
};

QPen PenFor(const LineAttributes& look);

} // namespace carver
