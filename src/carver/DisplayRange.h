#pragma once

#include "carver/Geometry.h"

#include <QPoint>
#include <QPointF>

#include <optional>

namespace carver {

// The part of the world shown on the map display and its size in pixels.
// Y grows north in internal units and down in pixels.
class DisplayRange {
public:
    // The two Y values may come in either order: the larger one is the top
    // edge of the display.
    void Set(int left, int y1, int right, int y2, int width, int height);

    bool Valid() const;
    QPointF ToPixel(QPointF unit) const;
    // Empty when the range is not valid or the point lies beyond 32-bit units.
    std::optional<QPoint> ToUnit(QPointF pixel) const;
    double PixelsPerUnit() const;
    // The shown rectangle in internal units.
    Box Units() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    double left_ = 0, right_ = 0, bottom_ = 0, top_ = 0;
    int width_ = 0, height_ = 0;
};

} // namespace carver
