#pragma once

#include "geoline/PixelFrame.h"

#include <QPoint>

class QPainter;

namespace geoline {

// Draws a route leg with the painter's pen: the great-circle arc from one
// internal position to the next as a smooth curve in the Mercator frame,
// split where it crosses the antimeridian. A leg that stays off the display
// is rejected before any point of it is traced.
void DrawGreatCircleLine(QPainter& painter, const PixelFrame& frame, QPoint from, QPoint to);

// Draws the legs between consecutive positions of `points` as above, joined
// into one line wherever they meet on the display.
void DrawGreatCircleLines(QPainter& painter, const PixelFrame& frame, const QPoint* points, int count);

// Draws a run of trail points (internal units) as connected straight lines
// with the painter's pen; a step across the antimeridian breaks the line
// instead of crossing the whole world.
void DrawAbsLine(QPainter& painter, const PixelFrame& frame, const QPoint* points, int count);

} // namespace geoline
