#pragma once

#include <QPointF>

#include <optional>

namespace geo {

// The stretch of segment a-b, as parameters 0 <= t0 <= t1 <= 1 along it, that
// lies inside the box x0..x1 by y0..y1 (edges included); none when the segment
// misses the box. A box of no width or height still counts.
struct SegmentStretch {
    double t0 = 0, t1 = 1;
};
std::optional<SegmentStretch> ClipSegmentToBox(QPointF a, QPointF b, double x0, double y0, double x1,
                                               double y1);

} // namespace geo
