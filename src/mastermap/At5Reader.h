#pragma once

#include "mastermap/Feature.h"
#include "mastermap/FeatureView.h"
#include "mastermap/GridIndex.h"
#include "mastermap/MappedFile.h"

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

namespace mastermap {

// Reads a ".at5" master map file through its grid index. The file is mapped,
// not loaded, so a view or a block reads only the features it needs. Any bytes
// are survived: a damaged header refuses the file, a damaged record or index
// entry is skipped.
class At5Reader {
public:
    using Visitor = std::function<void(const Feature&)>;
    using ViewVisitor = std::function<void(const FeatureView&)>;

    // Returns an empty text on success, the reason otherwise.
    QString Open(const QString& path);
    // The same checks for bytes already in memory (they must outlive the reader).
    QString OpenBytes(std::string_view bytes);

    bool HighDetail() const { return highDetail_; }
    Rect Bounds() const { return bounds_; }
    std::uint32_t FeatureCount() const { return featureCount_; }
    const QString& Path() const { return path_; }
    // The size of the file read, in bytes (0 when none is open).
    std::uint64_t ByteSize() const { return bytes_.size(); }

    // Every feature whose bounds touch r, each once, in file order.
    void Query(const Rect& r, const Visitor& visit) const;
    // The same features read in place (drawing): nothing is copied.
    void QueryViews(const Rect& r, const ViewVisitor& visit) const;
    void ForEach(const Visitor& visit) const;
    // Bit i set when some feature has map category i.
    std::uint64_t CategoriesPresent() const;

private:
    std::uint64_t FeatureOffset(std::uint32_t i) const;
    // The numbers of the features listed in the cells r touches, each once,
    // ascending; every feature when r touches most cells (a whole-map view),
    // where walking the index would cost more than the features it leaves out.
    std::vector<std::uint32_t> Listed(const Rect& r) const;

    QString path_;
    MappedFile file_;
    std::string_view bytes_;
    bool highDetail_ = false;
    Rect bounds_;
    GridIndex::Geometry grid_;
    std::uint32_t featureCount_ = 0;
    std::uint64_t indexOffset_ = 0;
    std::uint64_t cellsOffset_ = 0;
    std::uint64_t refsOffset_ = 0;
    std::uint64_t refCount_ = 0;
};

} // namespace mastermap
