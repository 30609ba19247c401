#include "mastermap/Feature.h"

#include <algorithm>

namespace mastermap {

void Rect::Include(Point p) {
    if (IsEmpty()) {
        *this = {p.x, p.y, p.x, p.y};
        return;
    }
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
}

void Rect::Include(const Rect& o) {
    if (o.IsEmpty())
        return;
    Include(Point{o.left, o.bottom});
    Include(Point{o.right, o.top});
}

Rect Feature::Bounds() const {
    Rect r;
    for (const Point& p : points)
        r.Include(p);
    return r;
}

} // namespace mastermap
