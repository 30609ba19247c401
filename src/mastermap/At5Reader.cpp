#include "mastermap/At5Reader.h"

#include "files/ByteReader.h"
#include "mastermap/At5Format.h"
#include "mastermap/FeatureCodec.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace mastermap {

QString At5Reader::Open(const QString& path) {
    path_ = path;
    bytes_ = {};
    if (QString error = file_.Open(path, QStringLiteral("a master map file")); !error.isEmpty())
        return error;
    const QString error = OpenBytes(file_.Bytes());
    return error.isEmpty() ? error : QStringLiteral("%1: %2").arg(path, error);
}

QString At5Reader::OpenBytes(std::string_view bytes) {
    bytes_ = {};
    files::ByteReader in(bytes);
    char magic[sizeof at5::Magic];
    for (char& c : magic)
        c = static_cast<char>(in.Read<std::uint8_t>());
    if (in.PastEnd() || std::memcmp(magic, at5::Magic, sizeof magic) != 0)
        return QStringLiteral("not a master map file.");
    const auto version = in.Read<std::uint16_t>();
    if (version != at5::Version)
        return QStringLiteral("master map version %1 is not supported.").arg(version);
    highDetail_ = in.Read<std::uint16_t>() & at5::FlagHighDetail;
    bounds_.left = in.Read<std::int32_t>();
    bounds_.bottom = in.Read<std::int32_t>();
    bounds_.right = in.Read<std::int32_t>();
    bounds_.top = in.Read<std::int32_t>();
    const auto grid = GridIndex::ReadGeometry(in);
    featureCount_ = in.Read<std::uint32_t>();
    in.Read<std::uint32_t>();
    indexOffset_ = in.Read<std::uint64_t>();
    if (!grid || in.PastEnd())
        return QStringLiteral("the master map header is damaged.");
    grid_ = *grid;
    const std::uint64_t size = bytes.size();
    const std::uint64_t cells = std::uint64_t{grid_.columns} * grid_.rows;
    cellsOffset_ = indexOffset_ + 8ull * featureCount_;
    refsOffset_ = cellsOffset_ + 4 * (cells + 1);
    if (indexOffset_ < at5::HeaderSize || indexOffset_ > size || 8ull * featureCount_ > size - indexOffset_ ||
        refsOffset_ > size)
        return QStringLiteral("the master map index is damaged.");
    bytes_ = bytes;
    refCount_ = (size - refsOffset_) / 4;
    // Cell ranges must follow each other, so that one query costs at most the
    // size of the index whatever the bytes say.
    std::uint64_t previous = 0;
    for (std::uint64_t cell = 0; cell <= cells; ++cell) {
        const auto first = qFromLittleEndian<std::uint32_t>(bytes.data() + cellsOffset_ + 4 * cell);
        if (first < previous || first > refCount_) {
            bytes_ = {};
            return QStringLiteral("the master map index is damaged.");
        }
        previous = first;
    }
    return {};
}

std::uint64_t At5Reader::FeatureOffset(std::uint32_t i) const {
    files::ByteReader in(bytes_);
    in.Seek(indexOffset_ + 8ull * i);
    return in.Read<std::uint64_t>();
}

std::vector<std::uint32_t> At5Reader::Listed(const Rect& r) const {
    std::vector<std::uint32_t> hits;
    if (bytes_.empty() || !r.Intersects(bounds_))
        return hits;
    // The index's extent was checked when the file was opened: its entries
    // are read directly.
    const char* cells = bytes_.data() + cellsOffset_;
    const char* refs = bytes_.data() + refsOffset_;
    const GridIndex::CellRange c = GridIndex::Cells(grid_, r);
    const std::uint64_t touched = std::uint64_t{c.row1 - c.row0 + 1} * (c.col1 - c.col0 + 1);
    if (2 * touched >= std::uint64_t{grid_.rows} * grid_.columns) {
        hits.resize(featureCount_);
        std::iota(hits.begin(), hits.end(), 0u);
        return hits;
    }
    std::vector<bool> seen(featureCount_);
    for (std::uint32_t row = c.row0; row <= c.row1; ++row)
        for (std::uint32_t col = c.col0; col <= c.col1; ++col) {
            const std::uint64_t cell = std::uint64_t{row} * grid_.columns + col;
            const std::uint32_t first = qFromLittleEndian<std::uint32_t>(cells + 4 * cell);
            const std::uint32_t last = qFromLittleEndian<std::uint32_t>(cells + 4 * cell + 4);
            for (std::uint64_t k = first; k < last; ++k) {
                const auto ref = qFromLittleEndian<std::uint32_t>(refs + 4 * k);
                if (ref < featureCount_ && !seen[ref]) {
                    seen[ref] = true;
                    hits.push_back(ref);
                }
            }
        }
    std::sort(hits.begin(), hits.end());
    return hits;
}

void At5Reader::Query(const Rect& r, const Visitor& visit) const {
    for (std::uint32_t i : Listed(r)) {
        files::ByteReader in(bytes_);
        in.Seek(FeatureOffset(i));
        const auto head = FeatureCodec::ReadHead(in);
        if (!head || !head->bounds.Intersects(r))
            continue;
        in.Seek(FeatureOffset(i));
        if (const auto f = FeatureCodec::Read(in))
            visit(*f);
    }
}

void At5Reader::QueryViews(const Rect& r, const ViewVisitor& visit) const {
    const char* offsets = bytes_.data() + indexOffset_;
    for (std::uint32_t i : Listed(r)) {
        const auto offset = qFromLittleEndian<std::uint64_t>(offsets + 8ull * i);
        if (offset >= bytes_.size())
            continue;
        if (const auto f = FeatureView::Parse(bytes_.substr(offset)); f && f->Bounds().Intersects(r))
            visit(*f);
    }
}

void At5Reader::ForEach(const Visitor& visit) const {
    for (std::uint32_t i = 0; i < featureCount_ && !bytes_.empty(); ++i) {
        files::ByteReader in(bytes_);
        in.Seek(FeatureOffset(i));
        if (const auto f = FeatureCodec::Read(in))
            visit(*f);
    }
}

std::uint64_t At5Reader::CategoriesPresent() const {
    std::uint64_t mask = 0;
    for (std::uint32_t i = 0; i < featureCount_ && !bytes_.empty(); ++i) {
        files::ByteReader in(bytes_);
        in.Seek(FeatureOffset(i));
        if (const auto head = FeatureCodec::ReadHead(in))
            mask |= 1ull << head->category;
    }
    return mask;
}

} // namespace mastermap
