#pragma once

#include "mastermap/Feature.h"

#include <QByteArray>

#include <algorithm>
#include <optional>

namespace files {
class ByteReader;
}

namespace mastermap {

// The feature record shared by master map files and custom map files:
// kind (u8), category (u8), part count (u16), vertex count (u32), bounds
// (4 x i32), part sizes (u32 each), then the vertices as i32 x, y pairs. A
// kind with its Named bit set is followed by the rank (u32), the name's
// length in bytes (u16) and the name (UTF-8).
class FeatureCodec {
public:
    static constexpr int FixedSize = 24;
    static constexpr std::uint32_t MaxParts = 0xFFFF;
    static constexpr std::uint8_t Named = 0x80;
    static constexpr std::size_t MaxNameBytes = 0xFFFF;

    static std::uint64_t EncodedSize(const Feature& f) {
        return FixedSize + 4 * f.parts.size() + 8 * f.points.size() +
               (f.name.empty() ? 0 : 6 + std::min(f.name.size(), MaxNameBytes));
    }
    static void Append(QByteArray& out, const Feature& f);
    // Reads one record at the reader's position. Returns nothing for a record
    // that is cut short or inconsistent; the reader is then left failed.
    static std::optional<Feature> Read(files::ByteReader& in);
    // Reads only the fixed part (kind, category and bounds) and skips the rest.
    struct Head {
        FeatureKind kind;
        std::uint8_t category;
        Rect bounds;
    };
    static std::optional<Head> ReadHead(files::ByteReader& in);
};

} // namespace mastermap
