#pragma once

#include <cstdint>

namespace mastermap {

// Constants of the level-of-detail file ("NAME.at5.lod" beside a master map
// file NAME.at5; docs/master-map-format.md).
namespace lod {
inline constexpr char Magic[8] = {'T', 'F', 'L', 'E', 'V', 'E', 'L', 'S'};
inline constexpr std::uint16_t Version = 1;
inline constexpr char Suffix[] = ".lod";
inline constexpr int HeaderSize = 24;
inline constexpr int EntrySize = 24;
inline constexpr int MaxLevels = 16;
// Levels start on a multiple of this many bytes.
inline constexpr int Alignment = 8;
// A level is drawn where its simplification moves no line by more than this
// part of a pixel.
inline constexpr double MaxPixelError = 0.5;
} // namespace lod

} // namespace mastermap
