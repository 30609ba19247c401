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
// block size and handed to the sink one row of blocks at a time, so memory
// stays bounded by one row whatever the size of the region. Lines and areas
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
    void CutRow(const MasterSet& master, const Job& job, const GEOSGeometry* region, std::int64_t row,
                std::int64_t col0, std::int64_t col1, BlockSink& sink);
    void CutPoints(const Feature& f, const void* prepared, std::int64_t row, std::int64_t size,
                   std::map<std::int64_t, std::vector<Feature>>& blocks);
    GeosContext::Geom Inside(const GEOSGeometry* feature, const GEOSGeometry* region, const void* prepared);

    GeosContext geos_;
};

} // namespace mastermap
