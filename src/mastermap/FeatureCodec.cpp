#include "mastermap/FeatureCodec.h"

#include "files/ByteReader.h"

#include <QtEndian>

#include <algorithm>
#include <string_view>

namespace mastermap {

namespace {

struct Fixed {
    FeatureCodec::Head head;
    bool named;
    std::uint16_t partCount;
    std::uint32_t pointCount;
};

std::optional<Fixed> ReadFixed(files::ByteReader& in) {
    Fixed f{};
    const auto flags = in.Read<std::uint8_t>();
    const int kind = flags & ~FeatureCodec::Named;
    f.named = flags & FeatureCodec::Named;
    f.head.category = in.Read<std::uint8_t>();
    f.partCount = in.Read<std::uint16_t>();
    f.pointCount = in.Read<std::uint32_t>();
    f.head.bounds.left = in.Read<std::int32_t>();
    f.head.bounds.bottom = in.Read<std::int32_t>();
    f.head.bounds.right = in.Read<std::int32_t>();
    f.head.bounds.top = in.Read<std::int32_t>();
    if (in.PastEnd() || kind < 1 || kind > 3 || f.head.category >= CategoryCount || f.partCount == 0 ||
        f.pointCount == 0 || !in.Has(4ull * f.partCount + 8ull * f.pointCount + (f.named ? 6 : 0))) {
        in.Seek(~0ull);
        return std::nullopt;
    }
    f.head.kind = static_cast<FeatureKind>(kind);
    return f;
}

// An area ring must close and hold at least four vertices, a line part two.
bool PartSizeValid(FeatureKind kind, std::uint32_t size) {
    switch (kind) {
    case FeatureKind::Area:
        return size >= 4;
    case FeatureKind::Line:
        return size >= 2;
    case FeatureKind::Point:
        return size >= 1;
    }
    return false;
}

// A name too long for its length field is cut at a character boundary.
std::string_view StoredName(const std::string& name) {
    std::size_t size = std::min(name.size(), FeatureCodec::MaxNameBytes);
    while (size < name.size() && size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80)
        --size;
    return std::string_view(name).substr(0, size);
}

// The rank and name after the vertices; false when they are cut short.
bool ReadName(files::ByteReader& in, Feature& f) {
    f.rank = in.Read<std::uint32_t>();
    const auto size = in.Read<std::uint16_t>();
    if (in.PastEnd() || !in.Has(size))
        return false;
    const QByteArray bytes = in.ReadBytes(size);
    f.name.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

void SkipName(files::ByteReader& in) {
    in.Seek(in.Position() + 4);
    const auto size = in.Read<std::uint16_t>();
    in.Seek(in.Position() + size);
}

} // namespace

void FeatureCodec::Append(QByteArray& out, const Feature& f) {
    const Rect b = f.Bounds();
    const std::string_view name = StoredName(f.name);
    // One resize and plain stores: a map of millions of vertices is written
    // without growing the array value by value.
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(FixedSize + 4 * f.parts.size() + 8 * f.points.size() +
                                              (name.empty() ? 0 : 6 + name.size())));
    char* at = out.data() + start;
    const auto put = [&at](auto value) {
        qToLittleEndian(value, at);
        at += sizeof value;
    };
    put(static_cast<std::uint8_t>(static_cast<std::uint8_t>(f.kind) | (name.empty() ? 0 : Named)));
    put(f.category);
    put(static_cast<std::uint16_t>(f.parts.size()));
    put(static_cast<std::uint32_t>(f.points.size()));
    for (std::int32_t v : {b.left, b.bottom, b.right, b.top})
        put(v);
    for (std::uint32_t p : f.parts)
        put(p);
    for (const Point& p : f.points) {
        put(p.x);
        put(p.y);
    }
    if (name.empty())
        return;
    put(f.rank);
    put(static_cast<std::uint16_t>(name.size()));
    std::copy(name.begin(), name.end(), at);
}

std::optional<FeatureCodec::Head> FeatureCodec::ReadHead(files::ByteReader& in) {
    const auto fixed = ReadFixed(in);
    if (!fixed)
        return std::nullopt;
    in.Seek(in.Position() + 4ull * fixed->partCount + 8ull * fixed->pointCount);
    if (fixed->named)
        SkipName(in);
    return fixed->head;
}

std::optional<Feature> FeatureCodec::Read(files::ByteReader& in) {
    const auto fixed = ReadFixed(in);
    if (!fixed)
        return std::nullopt;
    Feature f;
    f.kind = fixed->head.kind;
    f.category = fixed->head.category;
    f.parts.resize(fixed->partCount);
    std::uint64_t total = 0;
    bool bad = false;
    for (auto& part : f.parts) {
        part = in.Read<std::uint32_t>();
        const std::uint32_t size = Feature::PartSize(part);
        if (!PartSizeValid(f.kind, size) || (f.kind != FeatureKind::Area && part != size))
            bad = true;
        total += size;
    }
    if (bad || total != fixed->pointCount ||
        (f.kind == FeatureKind::Area && !(f.parts[0] & Feature::OuterRing))) {
        in.Seek(~0ull);
        return std::nullopt;
    }
    f.points.resize(fixed->pointCount);
    for (Point& p : f.points) {
        p.x = in.Read<std::int32_t>();
        p.y = in.Read<std::int32_t>();
    }
    std::size_t start = 0;
    for (std::uint32_t part : f.parts) {
        const std::size_t size = Feature::PartSize(part);
        if (f.kind == FeatureKind::Area && !(f.points[start] == f.points[start + size - 1])) {
            in.Seek(~0ull);
            return std::nullopt;
        }
        start += size;
    }
    if (fixed->named && !ReadName(in, f)) {
        in.Seek(~0ull);
        return std::nullopt;
    }
    return f;
}

} // namespace mastermap
