#pragma once

#include <cstdint>

namespace mapview {

// How the master map draws one map category; the renderer gives the styles
// their meaning, the viewport only keeps them.
struct CategoryAttributes {
    std::int32_t LineColor = 0;
    std::int32_t LineStyle = 0;
    std::uint16_t LinePattern = 0xFFFF; // dash bits; all set is a solid line
    std::int32_t AreaColor = 1;
    std::int32_t AreaStyle = 0;

    bool operator==(const CategoryAttributes&) const = default;
};

} // namespace mapview
