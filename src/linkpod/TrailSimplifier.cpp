#include "linkpod/TrailSimplifier.h"

#include <cmath>
#include <set>

namespace linkpod {

namespace {

double Distance(const TrailPoint& p, const TrailPoint& a, const TrailPoint& b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double px = double(p.x) - a.x;
    const double py = double(p.y) - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0.0)
        return std::hypot(px, py);
    return std::abs(px * dy - py * dx) / len;
}

} // namespace

QList<int> SimplifyTrail(const QList<TrailPoint>& points, int maxPoints) {
    const int n = static_cast<int>(points.size());
    if (n == 0 || maxPoints <= 0)
        return {};
    if (n == 1 || maxPoints == 1)
        return {0};
    std::set<int> kept{0, n - 1};
    while (static_cast<int>(kept.size()) < std::min(n, maxPoints)) {
        double best = 0.0;
        int bestAt = -1;
        for (auto it = kept.begin(); std::next(it) != kept.end(); ++it) {
            const int a = *it;
            const int b = *std::next(it);
            for (int i = a + 1; i < b; ++i) {
                const double d = Distance(points[i], points[a], points[b]);
                if (d > best) {
                    best = d;
                    bestAt = i;
                }
            }
        }
        if (bestAt < 0)
            break;
        kept.insert(bestAt);
    }
    return QList<int>(kept.begin(), kept.end());
}

} // namespace linkpod
