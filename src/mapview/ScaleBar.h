#pragma once

#include <QString>

class QPainter;
class QRect;

namespace mapview {

class WindowObject;

// The scale bar in the map's lower left corner: a round length in the chosen
// distance units (1, 2 or 5 times a power of ten) that fits a fifth of the
// view's width, drawn with its label over a light halo so it reads on any map.
class ScaleBar {
public:
    struct Length {
        double pixels = 0; // 0 when the view has no scale
        QString label;
    };

    // The bar for a view `widthPixels` wide that spans the view's zoom range.
    static Length Choose(const WindowObject& view, double widthPixels);
    static void Paint(QPainter& painter, const WindowObject& view, const QRect& area);
};

} // namespace mapview
