#include "geo/SegmentClip.h"

#include <algorithm>

namespace geo {

// Liang-Barsky.
std::optional<SegmentStretch> ClipSegmentToBox(QPointF a, QPointF b, double x0, double y0, double x1,
                                               double y1) {
    SegmentStretch s;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - x0, x1 - a.x(), a.y() - y0, y1 - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            s.t0 = std::max(s.t0, t);
        else
            s.t1 = std::min(s.t1, t);
        if (s.t0 > s.t1)
            return std::nullopt;
    }
    return s;
}

} // namespace geo
