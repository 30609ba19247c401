#pragma once

#include <cstdint>

namespace mastermap {

// The smallest place (by rank, its population) a view of this scale names:
// a wide view names the cities only, however much room is left between
// them. Drawing asks it of every view, and the levels of detail leave out
// the places that no view drawn from a level would name.
inline std::uint32_t SmallestNamedRank(double unitsPerPixel) {
    if (unitsPerPixel <= 1500)
        return 0;
    if (unitsPerPixel <= 3000)
        return 10000;
    return unitsPerPixel <= 6000 ? 50000 : 200000;
}

} // namespace mastermap
