#include "carver/DisplayRange.h"

#include "geo/Coordinates.h"
#include "geo/NumericError.h"

#include <algorithm>

namespace carver {

void DisplayRange::Set(int left, int y1, int right, int y2, int width, int height) {
    left_ = left;
    right_ = right;
    bottom_ = std::min(y1, y2);
    top_ = std::max(y1, y2);
    width_ = width;
    height_ = height;
}

bool DisplayRange::Valid() const {
    return right_ > left_ && top_ > bottom_ && width_ > 0 && height_ > 0;
}

QPointF DisplayRange::ToPixel(QPointF unit) const {
    if (!Valid())
        return {};
    return {(unit.x() - left_) * width_ / (right_ - left_), (top_ - unit.y()) * height_ / (top_ - bottom_)};
}

std::optional<QPoint> DisplayRange::ToUnit(QPointF pixel) const {
    if (!Valid())
        return std::nullopt;
    try {
        return QPoint(geo::RoundToInt32(left_ + pixel.x() * (right_ - left_) / width_),
                      geo::RoundToInt32(top_ - pixel.y() * (top_ - bottom_) / height_));
    } catch (const geo::NumericError&) {
        return std::nullopt;
    }
}

double DisplayRange::PixelsPerUnit() const {
    return Valid() ? width_ / (right_ - left_) : 0.0;
}

Box DisplayRange::Units() const {
    return {left_, bottom_, right_, top_};
}

} // namespace carver
