#pragma once

#include "mastermap/Feature.h"

#include <string>
#include <vector>

namespace mastermap_testing {

using mastermap::Feature;
using mastermap::FeatureKind;
using mastermap::Point;

inline Feature Line(std::uint8_t category, std::vector<Point> points) {
    Feature f;
    f.kind = FeatureKind::Line;
    f.category = category;
    f.parts = {static_cast<std::uint32_t>(points.size())};
    f.points = std::move(points);
    return f;
}

// An axis-aligned square area with its lower left corner at (x, y).
inline Feature Square(std::uint8_t category, std::int32_t x, std::int32_t y, std::int32_t side) {
    Feature f;
    f.kind = FeatureKind::Area;
    f.category = category;
    f.points = {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}, {x, y}};
    f.parts = {5 | Feature::OuterRing};
    return f;
}

inline Feature Spot(std::uint8_t category, std::int32_t x, std::int32_t y) {
    Feature f;
    f.kind = FeatureKind::Point;
    f.category = category;
    f.parts = {1};
    f.points = {{x, y}};
    return f;
}

inline Feature Place(std::uint8_t category, std::int32_t x, std::int32_t y, std::string name,
                     std::uint32_t rank) {
    Feature f = Spot(category, x, y);
    f.name = std::move(name);
    f.rank = rank;
    return f;
}

} // namespace mastermap_testing
