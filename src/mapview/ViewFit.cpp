#include "mapview/ViewFit.h"

#include "geo/Coordinates.h"
#include "mapview/WindowObject.h"

#include <algorithm>
#include <cmath>

namespace mapview {

namespace {

// A tenth of the data's size on every side keeps the outermost symbols and
// names clear of the window's edge.
constexpr double MarginShare = 0.1;

} // namespace

bool ViewFit::Shows(const WindowObject& view, const QRect& extent) {
    return extent.left() >= view.ViewLeft && extent.right() <= view.ViewRight &&
           extent.top() >= view.ViewBottom && extent.bottom() <= view.ViewTop;
}

void ViewFit::ZoomTo(WindowObject& view, const QRect& extent) {
    // QRect's right and bottom are one less than left + width and top + height.
    const double left = extent.left(), right = extent.right();
    const double south = extent.top(), north = extent.bottom();
    const double midX = (left + right) / 2, midY = (south + north) / 2;
    view.Center(geo::RoundToInt32(midX), geo::RoundToInt32(midY));
    const double cosine = std::cos(geo::YToLatitude(geo::RoundToInt32(midY)) * 0.017453292);
    const double smallest = SmallestRangeMiles * 1609.344 / std::max(cosine, 1e-6);
    const double width = std::max(right - left, 1.0), height = std::max(north - south, 1.0);
    if (width < smallest && height < smallest) {
        view.SetZoomRange(SmallestRangeMiles);
        return;
    }
    const double marginX = width * MarginShare, marginY = height * MarginShare;
    view.StretchX1 = left - marginX;
    view.StretchY1 = south - marginY;
    view.StretchX2 = right + marginX;
    view.StretchY2 = north + marginY;
    view.StretchZoom();
    // The stretch keeps the box's first corner where it was and grows the
    // box to the window's shape from there; the data goes in the middle.
    view.Center(geo::RoundToInt32(midX), geo::RoundToInt32(midY));
}

} // namespace mapview
