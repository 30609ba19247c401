#include "mastermap/FeatureView.h"

#include "mastermap/FeatureCodec.h"

namespace mastermap {

namespace {

template <typename T> T At(const char* p) {
    return qFromLittleEndian<T>(p);
}

std::uint32_t SmallestPart(FeatureKind kind) {
    return kind == FeatureKind::Area ? 4 : kind == FeatureKind::Line ? 2 : 1;
}

} // namespace

std::optional<FeatureView> FeatureView::Parse(std::string_view bytes) {
    if (bytes.size() < FeatureCodec::FixedSize)
        return std::nullopt;
    const char* p = bytes.data();
    FeatureView f;
    const auto flags = At<std::uint8_t>(p);
    const int kind = flags & ~FeatureCodec::Named;
    f.category_ = At<std::uint8_t>(p + 1);
    f.partCount_ = At<std::uint16_t>(p + 2);
    f.vertexCount_ = At<std::uint32_t>(p + 4);
    f.bounds_ = {At<std::int32_t>(p + 8), At<std::int32_t>(p + 12), At<std::int32_t>(p + 16),
                 At<std::int32_t>(p + 20)};
    const bool named = flags & FeatureCodec::Named;
    const std::uint64_t body = 4ull * f.partCount_ + 8ull * f.vertexCount_;
    if (kind < 1 || kind > 3 || f.category_ >= CategoryCount || f.partCount_ == 0 || f.vertexCount_ == 0 ||
        body + (named ? 6 : 0) > bytes.size() - FeatureCodec::FixedSize)
        return std::nullopt;
    f.kind_ = static_cast<FeatureKind>(kind);
    f.parts_ = p + FeatureCodec::FixedSize;
    f.points_ = f.parts_ + 4ull * f.partCount_;
    if (f.kind_ == FeatureKind::Area && !(f.Part(0) & Feature::OuterRing))
        return std::nullopt;
    std::uint64_t start = 0;
    for (std::uint32_t i = 0; i < f.partCount_; ++i) {
        const std::uint32_t part = f.Part(i);
        const std::uint32_t size = Feature::PartSize(part);
        if (size < SmallestPart(f.kind_) || (f.kind_ != FeatureKind::Area && part != size) ||
            start + size > f.vertexCount_)
            return std::nullopt;
        if (f.kind_ == FeatureKind::Area && !(f.Vertex(static_cast<std::uint32_t>(start)) ==
                                              f.Vertex(static_cast<std::uint32_t>(start + size - 1))))
            return std::nullopt;
        start += size;
    }
    if (start != f.vertexCount_)
        return std::nullopt;
    if (named) {
        const char* tail = f.points_ + 8ull * f.vertexCount_;
        f.rank_ = At<std::uint32_t>(tail);
        const std::uint16_t size = At<std::uint16_t>(tail + 4);
        const std::uint64_t used = FeatureCodec::FixedSize + body + 6;
        if (size > bytes.size() - used)
            return std::nullopt;
        f.name_ = std::string_view(tail + 6, size);
    }
    return f;
}

Feature FeatureView::Copy() const {
    Feature f;
    f.kind = kind_;
    f.category = category_;
    f.parts.resize(partCount_);
    for (std::uint32_t i = 0; i < partCount_; ++i)
        f.parts[i] = Part(i);
    f.points.resize(vertexCount_);
    for (std::uint32_t i = 0; i < vertexCount_; ++i)
        f.points[i] = Vertex(i);
    f.name = name_;
    f.rank = rank_;
    return f;
}

} // namespace mastermap
