#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>

namespace geoline {

// The parts of a polyline inside a rectangle, each a polyline of its own;
// keeps huge off-screen coordinates away from the painter.
QList<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& rect);

} // namespace geoline
