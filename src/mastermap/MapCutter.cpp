#include "mastermap/MapCutter.h"

#include <geos_c.h>

#include <algorithm>
#include <map>

namespace mastermap {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The rectangle of columns c0..c1 and rows r0..r1 (r1 defaults to r0).
Rect BlockRect(std::int64_t c0, std::int64_t c1, std::int64_t r0, std::int64_t size,
               std::int64_t r1 = INT64_MIN) {
    if (r1 == INT64_MIN)
        r1 = r0;
    const auto clamp32 = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return {clamp32(c0 * size), clamp32(r0 * size), clamp32((c1 + 1) * size), clamp32((r1 + 1) * size)};
}

} // namespace

GeosContext::Geom MapCutter::Region(const Job& job) {
    const auto h = geos_.Handle();
    std::vector<GEOSGeometry*> pieces;
    for (const Border& b : job.borders) {
        std::vector<Point> v = b.vertices;
        v.erase(std::unique(v.begin(), v.end()), v.end());
        GeosContext::Geom piece = geos_.Own(nullptr);
        if (b.closed && v.size() >= 3) {
            if (!(v.front() == v.back()))
                v.push_back(v.front());
            if (v.size() >= 4)
                if (auto polygon = geos_.Polygon(v))
                    piece = geos_.Own(GEOSMakeValid_r(h, polygon.get()));
        } else if (v.size() >= 2) {
            if (auto line = geos_.LineString(v))
                piece = geos_.Own(GEOSBuffer_r(h, line.get(), job.corridorWidth / 2.0, 8));
        }
        if (piece)
            pieces.push_back(piece.release());
    }
    if (pieces.empty())
        return geos_.Own(nullptr);
    auto all = geos_.Own(GEOSGeom_createCollection_r(h, GEOS_GEOMETRYCOLLECTION, pieces.data(),
                                                     static_cast<unsigned>(pieces.size())));
    auto region = geos_.Own(all ? GEOSUnaryUnion_r(h, all.get()) : nullptr);
    if (!region || GEOSisEmpty_r(h, region.get()) || GEOSGeom_getDimensions_r(h, region.get()) < 2)
        return geos_.Own(nullptr);
    return region;
}

QString MapCutter::Cut(const MasterSet& master, const Job& job, BlockSink& sink, const Progress& progress) {
    if (job.blockSize <= 0)
        return QStringLiteral("The block size must be above 0.");
    const auto region = Region(job);
    if (!region)
        return {};
    const Rect bounds = geos_.Bounds(region.get());
    const std::int64_t size = job.blockSize;
    const std::int64_t col0 = FloorDiv(bounds.left, size), col1 = FloorDiv(bounds.right, size);
    const std::int64_t row0 = FloorDiv(bounds.bottom, size), row1 = FloorDiv(bounds.top, size);
    for (std::int64_t row = row0; row <= row1; row += BandRows) {
        const std::int64_t last = std::min(row1, row + BandRows - 1);
        CutBand(master, job, region.get(), row, last, col0, col1, sink);
        if (progress && !progress(last - row0 + 1, row1 - row0 + 1))
            return QStringLiteral("The map build was cancelled.");
    }
    return {};
}

GeosContext::Geom MapCutter::Inside(const GEOSGeometry* feature, const GEOSGeometry* region,
                                    const void* prepared) {
    const auto h = geos_.Handle();
    const auto* p = static_cast<const GEOSPreparedGeometry*>(prepared);
    if (!GEOSPreparedIntersects_r(h, p, feature))
        return geos_.Own(nullptr);
    if (GEOSPreparedContains_r(h, p, feature) == 1)
        return geos_.Own(GEOSGeom_clone_r(h, feature));
    if (auto cut = geos_.Own(GEOSIntersection_r(h, feature, region)))
        return cut;
    // Master areas may be slightly invalid after rounding to whole units.
    auto valid = geos_.Own(GEOSMakeValid_r(h, feature));
    return geos_.Own(valid ? GEOSIntersection_r(h, valid.get(), region) : nullptr);
}

// A point belongs to the one block whose lower and left edges hold it.
void MapCutter::CutPoints(const Feature& f, const Band& band) {
    const auto h = geos_.Handle();
    for (const Point& p : f.points) {
        const BlockKey key{FloorDiv(p.y, band.size), FloorDiv(p.x, band.size)};
        if (key.first < band.row0 || key.first > band.row1)
            continue;
        auto point = geos_.Own(GEOSGeom_createPointFromXY_r(h, p.x, p.y));
        if (!point || !GEOSPreparedIntersects_r(h, static_cast<const GEOSPreparedGeometry*>(band.prepared),
                                                point.get()))
            continue;
        Feature one;
        one.kind = FeatureKind::Point;
        one.category = f.category;
        one.parts = {1};
        one.points = {p};
        one.name = f.name;
        one.rank = f.rank;
        (*band.blocks)[key].push_back(std::move(one));
    }
}

// Most features of a large map lie in one block that lies wholly inside the
// region: they are kept as they are, without any overlay.
bool MapCutter::KeepWhole(const Feature& f, const Band& band) {
    const Rect b = f.Bounds();
    const BlockKey key{FloorDiv(b.bottom, band.size), FloorDiv(b.left, band.size)};
    if (key.first < band.row0 || key.first > band.row1 || FloorDiv(b.top, band.size) != key.first ||
        FloorDiv(b.right, band.size) != key.second)
        return false;
    auto [known, added] = band.inside->try_emplace(key, false);
    if (added) {
        const Rect cell = BlockRect(key.second, key.second, key.first, band.size);
        auto square = geos_.Rectangle(cell);
        known->second = square && GEOSPreparedContains_r(
                                      geos_.Handle(), static_cast<const GEOSPreparedGeometry*>(band.prepared),
                                      square.get()) == 1;
    }
    if (known->second)
        (*band.blocks)[key].push_back(f);
    return known->second;
}

// Hands a piece to the blocks it covers, halving the block range and clipping
// each half, so a piece over B blocks costs about log B passes over it
// rather than B.
void MapCutter::Split(GeosContext::Geom piece, std::uint8_t category, const Band& band, std::int64_t c0,
                      std::int64_t c1, std::int64_t r0, std::int64_t r1) {
    const auto h = geos_.Handle();
    const Rect b = geos_.Bounds(piece.get());
    if (b.IsEmpty())
        return;
    c0 = std::max(c0, FloorDiv(b.left, band.size));
    c1 = std::min(c1, FloorDiv(b.right, band.size));
    r0 = std::max(r0, FloorDiv(b.bottom, band.size));
    r1 = std::min(r1, FloorDiv(b.top, band.size));
    if (c0 > c1 || r0 > r1)
        return;
    const Rect cell = BlockRect(c0, c1, r0, band.size, r1);
    if (c0 == c1 && r0 == r1) {
        if (!cell.Contains(b))
            piece = geos_.Own(GEOSClipByRect_r(h, piece.get(), cell.left, cell.bottom, cell.right, cell.top));
        if (piece && !GEOSisEmpty_r(h, piece.get()))
            geos_.ToFeatures(piece.get(), category, (*band.blocks)[{r0, c0}]);
        return;
    }
    const bool byColumn = c1 - c0 >= r1 - r0;
    const std::int64_t mid = byColumn ? c0 + (c1 - c0) / 2 : r0 + (r1 - r0) / 2;
    struct Range {
        std::int64_t c0, c1, r0, r1;
    };
    const Range halves[2] = {byColumn ? Range{c0, mid, r0, r1} : Range{c0, c1, r0, mid},
                             byColumn ? Range{mid + 1, c1, r0, r1} : Range{c0, c1, mid + 1, r1}};
    const auto widen = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    for (const Range& r : halves) {
        // Each half is cut only across the split; along it the clip reaches
        // past the piece, so lines lying on a block edge are not lost.
        Rect clip = BlockRect(r.c0, r.c1, r.r0, band.size, r.r1);
        if (byColumn)
            clip.bottom = widen(b.bottom - 1ll), clip.top = widen(b.top + 1ll);
        else
            clip.left = widen(b.left - 1ll), clip.right = widen(b.right + 1ll);
        auto part = geos_.Own(GEOSClipByRect_r(h, piece.get(), clip.left, clip.bottom, clip.right, clip.top));
        if (part && !GEOSisEmpty_r(h, part.get()))
            Split(std::move(part), category, band, r.c0, r.c1, r.r0, r.r1);
    }
}

void MapCutter::CutBand(const MasterSet& master, const Job& job, const GEOSGeometry* region,
                        std::int64_t row0, std::int64_t row1, std::int64_t col0, std::int64_t col1,
                        BlockSink& sink) {
    const auto h = geos_.Handle();
    const std::int64_t size = job.blockSize;
    const Rect strip = BlockRect(col0, col1, row0, size, row1);
    auto bandRegion =
        geos_.Own(GEOSClipByRect_r(h, region, strip.left, strip.bottom, strip.right, strip.top));
    if (!bandRegion || GEOSisEmpty_r(h, bandRegion.get()))
        return;
    const Rect reach = geos_.Bounds(bandRegion.get());
    std::map<BlockKey, std::vector<Feature>> blocks;
    std::map<BlockKey, bool> inside;
    const Band band{size, row0, row1, GEOSPrepare_r(h, bandRegion.get()), &blocks, &inside};
    const auto* prepared = static_cast<const GEOSPreparedGeometry*>(band.prepared);
    master.Query(reach, [&](const Feature& f) {
        if (!(job.categories >> f.category & 1))
            return;
        if (f.kind == FeatureKind::Point) {
            CutPoints(f, band);
            return;
        }
        if (KeepWhole(f, band))
            return;
        auto whole = geos_.FromFeature(f);
        if (!whole)
            return;
        // Only the part of the feature near this band takes part in the overlay.
        auto near = reach.Contains(f.Bounds())
                        ? std::move(whole)
                        : geos_.Own(GEOSClipByRect_r(h, whole.get(), reach.left, reach.bottom, reach.right,
                                                     reach.top));
        if (!near || GEOSisEmpty_r(h, near.get()))
            return;
        auto inside = Inside(near.get(), bandRegion.get(), prepared);
        if (inside && !GEOSisEmpty_r(h, inside.get()))
            Split(std::move(inside), f.category, band, col0, col1, row0, row1);
    });
    GEOSPreparedGeom_destroy_r(h, prepared);
    for (const auto& [key, features] : blocks)
        if (!features.empty())
            sink.Block(static_cast<std::int32_t>(key.second), static_cast<std::int32_t>(key.first), features);
}

} // namespace mastermap
