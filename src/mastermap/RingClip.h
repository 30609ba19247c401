#pragma once

#include <QPolygonF>
#include <QRectF>

namespace mastermap {

// The part of a closed ring inside a rectangle (Sutherland-Hodgman), closed
// again; pieces outside are replaced by runs along the rectangle's edges, so
// an odd-even fill of the result equals the ring's fill inside the rectangle.
// Keeps the huge coordinates of a zoomed-in coastline away from the painter,
// whose filling of those costs far more than the clipping.
QPolygonF ClipRing(const QPolygonF& ring, const QRectF& rect);

} // namespace mastermap
