#pragma once

#include "mastermap/Feature.h"

#include <array>
#include <cstdint>

namespace mastermap {

// How the master map painter draws one map category: the five fields of a
// category attribute record, with these meanings:
// - LineColor, AreaColor: 0 to 15 pick the standard 16-colour palette
//   (Black, Navy, Green, Teal, Maroon, Purple, Olive, Silver, Gray, Blue, Lime,
//   Aqua, Red, Fuchsia, Yellow, White); larger values are 0x00BBGGRR.
// - LineStyle: bit 8 draws 2 pixels wide, bit 9 3 pixels; otherwise 1 pixel.
// - LinePattern: 16 dash bits, first bit highest, one pixel each; 0xFFFF solid.
// - AreaStyle: 0 outline only; 1 to 6 hatched (horizontal, vertical, two
//   diagonals, cross, diagonal cross) with the outline; 7 a light tint of the
//   area colour without outline; other values outline only.
struct CategoryStyle {
    std::int32_t LineColor = 0;
    std::int32_t LineStyle = 0;
    std::uint16_t LinePattern = 0xFFFF;
    std::int32_t AreaColor = 1;
    std::int32_t AreaStyle = 0;
    bool operator==(const CategoryStyle&) const = default;
};

using CategoryStyles = std::array<CategoryStyle, CategoryCount>;

} // namespace mastermap
