#pragma once

#include "mapview/PointerKind.h"

#include <QString>
#include <QTransform>

namespace mapview {

// The surface the map is drawn on, in device-independent pixels. The viewport
// reads its size and sets its user scale (internal units), pointer and tool tip;
// the map window applies the pointer and the tool tip to its widget.
class MapSurface {
public:
    double Width = 0;
    double Height = 0;
    PointerKind Pointer = PointerKind::Default;
    QString ToolTipText;

    // The user scale: the internal position at the upper-left corner and the
    // extent in internal units (the height is negative since Y grows upwards).
    double ScaleLeft = 0;
    double ScaleTop = 0;
    double ScaleWidth = 0;
    double ScaleHeight = 0;

    // Maps internal units onto the picture's pixels; throws geo::NumericError
    // when the scale has no width or height.
    void SetScale(double left, double top, double right, double bottom);
    // Pixels per internal unit along each axis.
    double UnitsToPixelsX(double units) const { return units * Width / ScaleWidth; }
    double UnitsToPixelsY(double units) const { return units * Height / ScaleHeight; }
    QTransform UserTransform() const;
};

} // namespace mapview
