#pragma once

#include "raster/RasterTarget.h"

class QImage;

namespace raster {

// Puts a cell of a picture onto the target pixel for pixel, its top-left
// corner at `at` (the painter's coordinates, on the nearest device pixel),
// cut to the target's clip: an opaque picture is copied, a premultiplied one
// blended source-over, exactly as the painter would. False, touching
// nothing, when the picture's pixels are not the device's (another pixel
// ratio than the target's scale, another format): draw it through the
// painter then.
bool Stamp(const RasterTarget& target, QPointF at, const QImage& picture, const QRect& cell);

} // namespace raster
