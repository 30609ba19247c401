#include "mapview/MapSurface.h"

#include "geo/NumericError.h"

namespace mapview {

void MapSurface::SetScale(double left, double top, double right, double bottom) {
    if (right == left || bottom == top)
        throw geo::NumericError("Invalid property value: the scale has no extent");
    ScaleLeft = left;
    ScaleTop = top;
    ScaleWidth = right - left;
    ScaleHeight = bottom - top;
}

QTransform MapSurface::UserTransform() const {
    const double sx = Width / ScaleWidth;
    const double sy = Height / ScaleHeight;
    return QTransform(sx, 0, 0, sy, -ScaleLeft * sx, -ScaleTop * sy);
}

} // namespace mapview
