#include "SharedEdgeSimplifier.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

using mastermap::Feature;
using mastermap::FeatureKind;
using mastermap::Point;

namespace {

// Squared distance from p to the segment a-b (to a when they coincide).
double DistanceSquared(Point p, Point a, Point b) {
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    double px = double(p.x) - a.x, py = double(p.y) - a.y;
    const double length = dx * dx + dy * dy;
    if (length > 0) {
        const double t = std::clamp((px * dx + py * dy) / length, 0.0, 1.0);
        px -= t * dx;
        py -= t * dy;
    }
    return px * px + py * py;
}

// Douglas-Peucker over arc[0..n): marks the vertices kept (both ends always).
void MarkKept(const std::vector<Point>& arc, double tolerance, std::vector<bool>& keep) {
    keep.assign(arc.size(), false);
    keep.front() = keep.back() = true;
    const double limit = tolerance * tolerance;
    std::vector<std::array<std::size_t, 2>> spans{{0, arc.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i)
            if (const double d = DistanceSquared(arc[i], arc[first], arc[last]); d > farthest) {
                farthest = d;
                at = i;
            }
        if (farthest > limit) {
            keep[at] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
}

// The same arc comes out the same whichever way a part runs along it.
bool Backwards(const std::vector<Point>& arc, std::uint64_t (*key)(Point)) {
    const std::uint64_t a = key(arc.front()), b = key(arc.back());
    if (a != b)
        return a > b;
    return arc.size() > 2 && key(arc[1]) > key(arc[arc.size() - 2]);
}

mastermap::Rect BoundsOf(const Point* points, std::size_t size) {
    mastermap::Rect r;
    for (std::size_t i = 0; i < size; ++i)
        r.Include(points[i]);
    return r;
}

} // namespace

std::uint64_t SharedEdgeSimplifier::Key(Point p) {
    // Ordered as the signed coordinates are, x first.
    return std::uint64_t(std::uint32_t(p.x) ^ 0x80000000u) << 32 | (std::uint32_t(p.y) ^ 0x80000000u);
}

SharedEdgeSimplifier::SharedEdgeSimplifier(const std::vector<Feature>& features) : features_(features) {
    // Each vertex with the two neighbours it has in a part (ends of lines get
    // none, so they always differ): a vertex seen with two different pairs
    // of neighbours is a junction.
    struct Seen {
        std::uint64_t at, a, b;
        bool operator<(const Seen& o) const { return std::tie(at, a, b) < std::tie(o.at, o.a, o.b); }
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    for (const Feature& f : features) {
        if (f.kind == FeatureKind::Point)
            continue;
        std::size_t start = 0;
        for (std::uint32_t part : f.parts) {
            const std::size_t size = Feature::PartSize(part);
            const Point* p = f.points.data() + start;
            start += size;
            const bool ring = f.kind == FeatureKind::Area;
            const std::size_t n = ring ? size - 1 : size;
            for (std::size_t i = 0; i < n; ++i) {
                if (!ring && (i == 0 || i + 1 == n)) {
                    seen.push_back({Key(p[i]), ~0ull, i});
                    continue;
                }
                const std::uint64_t before = Key(p[(i + n - 1) % n]), after = Key(p[(i + 1) % n]);
                seen.push_back({Key(p[i]), std::min(before, after), std::max(before, after)});
            }
        }
    }
    std::sort(seen.begin(), seen.end());
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    for (std::size_t i = 1; i < seen.size(); ++i)
        if (seen[i].at == seen[i - 1].at && (junctions_.empty() || junctions_.back() != seen[i].at))
            junctions_.push_back(seen[i].at);
}

bool SharedEdgeSimplifier::IsJunction(Point p) const {
    return std::binary_search(junctions_.begin(), junctions_.end(), Key(p));
}

void SharedEdgeSimplifier::SimplifyPart(const Point* points, std::size_t size, bool ring, double tolerance,
                                        std::vector<Point>& out) const {
    // The part as a run of distinct vertices, starting at a junction (or, for
    // a ring meeting nothing, at its lowest vertex); a ring's start repeats
    // at its end.
    const std::size_t n = ring ? size - 1 : size;
    std::size_t first = 0;
    if (ring) {
        std::size_t lowest = 0;
        bool found = false;
        for (std::size_t i = 0; i < n && !found; ++i)
            if (IsJunction(points[i])) {
                first = i;
                found = true;
            } else if (Key(points[i]) < Key(points[lowest])) {
                lowest = i;
            }
        if (!found)
            first = lowest;
    }
    std::vector<Point> arc{points[first]};
    std::vector<bool> keep;
    out.push_back(points[first]);
    const std::size_t steps = ring ? n : n - 1;
    for (std::size_t k = 1; k <= steps; ++k) {
        const Point p = points[(first + k) % n];
        arc.push_back(p);
        if (k < steps && !IsJunction(p))
            continue;
        const bool backwards = Backwards(arc, &SharedEdgeSimplifier::Key);
        if (backwards)
            std::reverse(arc.begin(), arc.end());
        MarkKept(arc, tolerance, keep);
        if (backwards) {
            std::reverse(arc.begin(), arc.end());
            std::reverse(keep.begin(), keep.end());
        }
        for (std::size_t i = 1; i < arc.size(); ++i)
            if (keep[i])
                out.push_back(arc[i]);
        arc = {p};
    }
}

std::vector<Feature> SharedEdgeSimplifier::Simplified(double tolerance) const {
    std::vector<Feature> result;
    for (const Feature& f : features_) {
        if (f.kind == FeatureKind::Point) {
            result.push_back(f);
            continue;
        }
        Feature out;
        out.kind = f.kind;
        out.category = f.category;
        out.name = f.name;
        out.rank = f.rank;
        std::size_t start = 0;
        bool holesDropped = false; // the outer ring of the holes that follow was left out
        for (std::uint32_t part : f.parts) {
            const std::size_t size = Feature::PartSize(part);
            const Point* p = f.points.data() + start;
            start += size;
            const bool outer = part & Feature::OuterRing;
            if (f.kind == FeatureKind::Area && !outer && holesDropped)
                continue;
            const mastermap::Rect box = BoundsOf(p, size);
            const bool small =
                double(box.right) - box.left < tolerance && double(box.top) - box.bottom < tolerance;
            const std::size_t before = out.points.size();
            if (!small)
                SimplifyPart(p, size, f.kind == FeatureKind::Area, tolerance, out.points);
            const std::size_t kept = out.points.size() - before;
            const bool dropped = small || (f.kind == FeatureKind::Area && kept < 4);
            if (f.kind == FeatureKind::Area && outer)
                holesDropped = dropped;
            if (dropped) {
                out.points.resize(before);
                continue;
            }
            out.parts.push_back(static_cast<std::uint32_t>(kept) | (part & Feature::OuterRing));
        }
        if (!out.parts.empty())
            result.push_back(std::move(out));
    }
    return result;
}
