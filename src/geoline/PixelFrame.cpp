#include "geoline/PixelFrame.h"

#include <cmath>

namespace geoline {

PixelFrame::PixelFrame(double left, double top, double pixelsPerUnitX, double pixelsPerUnitY, int width,
                       int height)
    : left_(left), top_(top), ppuX_(pixelsPerUnitX), ppuY_(pixelsPerUnitY), width_(width), height_(height) {}

PixelFrame PixelFrame::FromView(double left, double bottom, double right, double top, int width, int height) {
    if (right <= left || top <= bottom)
        return {};
    return {left, top, width / (right - left), -height / (top - bottom), width, height};
}

QPointF PixelFrame::ToPixel(QPointF unit) const {
    return {(unit.x() - left_) * ppuX_, (unit.y() - top_) * ppuY_};
}

bool PixelFrame::Valid() const {
    return width_ > 0 && height_ > 0 && std::isfinite(ppuX_) && std::isfinite(ppuY_) && ppuX_ > 0 &&
           ppuY_ < 0;
}

} // namespace geoline
