#pragma once

#include <cstdint>

namespace mastermap {

// Constants of the ".ncm" custom map file (docs/ncm-format.md).
namespace ncm {
inline constexpr std::uint8_t Signature[2] = {0x55, 0xAA};
inline constexpr char Magic[6] = {'T', 'F', 'N', 'C', 'M', 0};
inline constexpr std::uint16_t Version = 1;
inline constexpr int HeaderSize = 64;
inline constexpr int ManufacturerOffset = 24;
inline constexpr std::uint8_t Manufacturer = 0x54; // 'T'
inline constexpr std::uint8_t DataType = 0x02;     // vector map cut in blocks
inline constexpr int BlockHeaderSize = 16;
inline constexpr int DirectoryEntrySize = 12;
inline constexpr int MaxHeaderText = 255;
} // namespace ncm

} // namespace mastermap
