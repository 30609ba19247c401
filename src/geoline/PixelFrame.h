#pragma once

#include <QPointF>
#include <QRectF>

namespace geoline {

// The map display's pixel frame: which internal position sits at the top-left
// pixel and how many pixels one internal unit spans. Y grows north in units
// and down in pixels, so the vertical scale is negative.
class PixelFrame {
public:
    PixelFrame() = default;
    PixelFrame(double left, double top, double pixelsPerUnitX, double pixelsPerUnitY, int width, int height);
    // The frame that shows the view rectangle on a display of the given size.
    static PixelFrame FromView(double left, double bottom, double right, double top, int width, int height);

    QPointF ToPixel(QPointF unit) const;
    // The display in pixels.
    QRectF Display() const { return QRectF(0, 0, width_, height_); }
    bool Valid() const;

private:
    double left_ = 0, top_ = 0, ppuX_ = 0, ppuY_ = 0;
    int width_ = 0, height_ = 0;
};

} // namespace geoline
