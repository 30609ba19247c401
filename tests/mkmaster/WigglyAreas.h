#pragma once

#include "mastermap/Feature.h"

#include <cmath>
#include <vector>

namespace mkmaster_testing {

using mastermap::Feature;
using mastermap::FeatureKind;
using mastermap::Point;

// A border from (0, 0) north to (0, height), wiggling east and west by
// `amplitude` every `step` units, as a full-resolution border does.
inline std::vector<Point> WigglyBorder(std::int32_t height, std::int32_t step, std::int32_t amplitude) {
    std::vector<Point> border;
    for (std::int32_t y = 0, i = 0; y <= height; y += step, ++i)
        border.push_back(
            {y == 0 || y == height ? 0 : static_cast<std::int32_t>(amplitude * std::sin(i * 0.7)), y});
    return border;
}

inline Feature Area(std::uint8_t category, std::vector<Point> ring) {
    Feature f;
    f.kind = FeatureKind::Area;
    f.category = category;
    ring.push_back(ring.front());
    f.parts = {static_cast<std::uint32_t>(ring.size()) | Feature::OuterRing};
    f.points = std::move(ring);
    return f;
}

// Two areas either side of one wiggly border: the west one runs north along
// it, the east one south.
inline std::vector<Feature> Neighbours(std::int32_t side, std::int32_t step, std::int32_t amplitude) {
    const std::vector<Point> border = WigglyBorder(side, step, amplitude);
    std::vector<Point> west{{-side, side}, {-side, 0}};
    west.insert(west.end(), border.begin(), border.end());
    std::vector<Point> east{{side, 0}, {side, side}};
    east.insert(east.end(), border.rbegin(), border.rend());
    return {Area(60, west), Area(61, east)};
}

} // namespace mkmaster_testing
