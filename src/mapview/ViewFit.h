#pragma once

#include <QRect>

namespace mapview {

class WindowObject;

// Fitting the view to a rectangle of internal units (left and bottom the
// smallest X and Y), such as the extent of the GPS data.
class ViewFit {
public:
    // The range shown around a lone point, or data smaller than it, in miles.
    static constexpr double SmallestRangeMiles = 2.0;

    // Whether the whole rectangle lies inside the view.
    static bool Shows(const WindowObject& view, const QRect& extent);
    // Zooms so that the rectangle, with a margin, fills the view.
    static void ZoomTo(WindowObject& view, const QRect& extent);
};

} // namespace mapview
