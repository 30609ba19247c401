#pragma once

#include "mastermap/BlockSink.h"
#include "mastermap/Border.h"
#include "mastermap/GeosContext.h"
#include "mastermap/MasterSet.h"

#include <QString>

#include <functional>
#include <map>

namespace mastermap {

// Cuts the master map features of the selected categories to the map's
// region: the inside of the closed borders and the corridors (of the given
// full width) along the open ones. The result is cut in square blocks of the
// block size and handed to the sink one band of block rows at a time, so memory
// stays bounded by one band of rows whatever the size of the region. Lines and areas
// are clipped exactly at the region's edge and at block edges.
class MapCutter {
public:
    struct Job {
        std::vector<Border> borders;
        std::int32_t corridorWidth = 1000;
        std::int32_t blockSize = 24000;
        std::uint64_t categories = ~0ull;
    };
    // Told after each row (done, total); returning false cancels the cut.
    using Progress = std::function<bool(std::int64_t, std::int64_t)>;

    // Returns an empty text when the cut ran to its end, the reason otherwise.
    QString Cut(const MasterSet& master, const Job& job, BlockSink& sink, const Progress& progress = {});

    // The region of a job (nothing when no border encloses any ground).
    GeosContext::Geom Region(const Job& job);

private:
    // Blocks are cut BandRows rows at a time: features are read and overlaid
    // once per band, and memory holds one band.
    static constexpr std::int64_t BandRows = 8;
    // Up to this many blocks times vertices a piece is clipped block by block
    // rather than halved: below it a call's fixed cost outweighs the passes.
    static constexpr std::int64_t DirectClipWork = 600;
    using BlockKey = std::pair<std::int64_t, std::int64_t>; // row, column
    struct Band {
        std::int64_t size, row0, row1;
        const void* prepared; // the band's region, prepared
        std::map<BlockKey, std::vector<Feature>>* blocks;
        std::map<BlockKey, bool>* inside; // whether a block lies wholly in the region
    };

    void CutBand(const MasterSet& master, const Job& job, const GEOSGeometry* region, std::int64_t row0,
                 std::int64_t row1, std::int64_t col0, std::int64_t col1, BlockSink& sink);
    void CutPoints(const Feature& f, const Band& band);
    bool KeepWhole(Feature& f, const Rect& bounds, const Band& band);
    void FillBlocks(std::uint8_t category, const Band& band, std::int64_t c0, std::int64_t c1,
                    std::int64_t r0, std::int64_t r1);
    static constexpr bool Rows = true, Columns = false;
    GeosContext::Geom Slice(const GEOSGeometry* piece, const Rect& bounds, Rect edges, bool across);
    void SplitByRows(const GEOSGeometry* piece, const Rect& bounds, std::uint8_t category, const Band& band,
                     std::int64_t c0, std::int64_t c1, std::int64_t r0, std::int64_t r1);
    void Split(GeosContext::Geom piece, std::uint8_t category, const Band& band, std::int64_t c0,
               std::int64_t c1, std::int64_t r0, std::int64_t r1);
    GeosContext::Geom Inside(const GEOSGeometry* feature, const GEOSGeometry* region, const void* prepared);

    GeosContext geos_;
};

} // namespace mastermap
