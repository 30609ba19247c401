#pragma once

#include "linkpod/Records.h"

namespace linkpod {

// Picks the trail points that keep its shape best, for a route made from a
// trail: the ends, then again and again the point farthest from the line
// through its kept neighbours, until `maxPoints` are kept or the rest lie on
// the lines. Returns the kept positions in trail order.
QList<int> SimplifyTrail(const QList<TrailPoint>& points, int maxPoints);

} // namespace linkpod
