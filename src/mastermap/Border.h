#pragma once

#include "mastermap/Feature.h"

#include <vector>

namespace mastermap {

// One map border in internal units: a closed polygon or an open polyline
// (whose corridor is cut).
struct Border {
    bool closed = false;
    std::vector<Point> vertices;
};

} // namespace mastermap
