#pragma once

#include <cstdint>

namespace mastermap {

// Constants of the ".at5" master map file (docs/master-map-format.md).
namespace at5 {
inline constexpr char Magic[8] = {'T', 'F', 'M', 'A', 'S', 'T', 'E', 'R'};
inline constexpr std::uint16_t Version = 1;
inline constexpr int HeaderSize = 64;
inline constexpr std::uint16_t FlagHighDetail = 1;
// Index cells are multiples of the engine's smallest block, and at most
// MaxCellsPerSide cells are used along either side of the file's bounds.
inline constexpr std::int32_t CellUnit = 24000;
inline constexpr std::int64_t MaxCellsPerSide = 256;
} // namespace at5

} // namespace mastermap
