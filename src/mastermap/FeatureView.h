#pragma once

#include "mastermap/Feature.h"

#include <QtEndian>

#include <cstdint>
#include <optional>
#include <string_view>

namespace mastermap {

// A feature record read where it lies, in the bytes of a mapped master map
// file: nothing is copied. The whole record is checked once when it is
// parsed (the same checks FeatureCodec::Read makes), so that drawing can
// then walk its parts and vertices without checking every read.
class FeatureView {
public:
    // The record at the start of `bytes`; nothing when it is cut short or
    // inconsistent.
    static std::optional<FeatureView> Parse(std::string_view bytes);

    FeatureKind Kind() const { return kind_; }
    std::uint8_t Category() const { return category_; }
    const Rect& Bounds() const { return bounds_; }
    std::uint32_t PartCount() const { return partCount_; }
    // A part's size, with Feature::OuterRing set on the rings that start a polygon.
    std::uint32_t Part(std::uint32_t i) const { return qFromLittleEndian<std::uint32_t>(parts_ + 4 * i); }
    std::uint32_t VertexCount() const { return vertexCount_; }
    Point Vertex(std::uint32_t i) const {
        return {qFromLittleEndian<std::int32_t>(points_ + 8 * i),
                qFromLittleEndian<std::int32_t>(points_ + 8 * i + 4)};
    }
    // A named place's name (UTF-8; empty when unnamed) and rank.
    std::string_view Name() const { return name_; }
    std::uint32_t Rank() const { return rank_; }
    // The feature copied out of the file.
    Feature Copy() const;

private:
    FeatureKind kind_ = FeatureKind::Point;
    std::uint8_t category_ = 0;
    std::uint32_t partCount_ = 0;
    std::uint32_t vertexCount_ = 0;
    Rect bounds_;
    const char* parts_ = nullptr;
    const char* points_ = nullptr;
    std::string_view name_;
    std::uint32_t rank_ = 0;
};

} // namespace mastermap
