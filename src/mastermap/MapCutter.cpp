#include "mastermap/MapCutter.h"

#include <geos_c.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace mastermap {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

std::int32_t Widen(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// The rectangle of columns c0..c1 and rows r0..r1 (r1 defaults to r0).
Rect BlockRect(std::int64_t c0, std::int64_t c1, std::int64_t r0, std::int64_t size,
               std::int64_t r1 = INT64_MIN) {
    if (r1 == INT64_MIN)
        r1 = r0;
    return {Widen(c0 * size), Widen(r0 * size), Widen((c1 + 1) * size), Widen((r1 + 1) * size)};
}

// The blocks c0..c1 by r0..r1 that a piece fills wholly, when the piece is
// a rectangle whose edges lie on block edges, ringed as the rectangle clip
// rings it (from the lower left corner up, right, down and back): the inside
// of a large area, far from its edges.
struct WholeBlocks {
    std::int64_t c0, c1, r0, r1;
};

std::optional<WholeBlocks> FilledBlocks(GEOSContextHandle_t h, const GEOSGeometry* piece, std::int64_t size) {
    if (GEOSGeomTypeId_r(h, piece) != GEOS_POLYGON || GEOSGetNumInteriorRings_r(h, piece) != 0)
        return std::nullopt;
    const GEOSCoordSequence* ring = GEOSGeom_getCoordSeq_r(h, GEOSGetExteriorRing_r(h, piece));
    unsigned int n = 0;
    if (!ring || !GEOSCoordSeq_getSize_r(h, ring, &n) || n != 5)
        return std::nullopt;
    double x[5], y[5];
    for (unsigned int i = 0; i < 5; ++i)
        GEOSCoordSeq_getXY_r(h, ring, i, &x[i], &y[i]);
    const double x0 = x[0], y0 = y[0], x1 = x[2], y1 = y[2];
    if (!(x0 < x1 && y0 < y1) || x[1] != x0 || y[1] != y1 || x[3] != x1 || y[3] != y0 || x[4] != x0 ||
        y[4] != y0)
        return std::nullopt;
    const auto onEdge = [size](double v) {
        return std::abs(v) < 1e15 && v == std::floor(v) && static_cast<std::int64_t>(v) % size == 0;
    };
    if (!onEdge(x0) || !onEdge(x1) || !onEdge(y0) || !onEdge(y1))
        return std::nullopt;
    const auto edge = [size](double v) { return static_cast<std::int64_t>(v) / size; };
    return WholeBlocks{edge(x0), edge(x1) - 1, edge(y0), edge(y1) - 1};
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
bool MapCutter::KeepWhole(Feature& f, const Rect& b, const Band& band) {
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
        (*band.blocks)[key].push_back(std::move(f));
    return known->second;
}

// Each block gets its whole square, as the clip would give it.
void MapCutter::FillBlocks(std::uint8_t category, const Band& band, std::int64_t c0, std::int64_t c1,
                           std::int64_t r0, std::int64_t r1) {
    Feature square;
    square.kind = FeatureKind::Area;
    square.category = category;
    square.parts = {5 | Feature::OuterRing};
    for (std::int64_t r = r0; r <= r1; ++r)
        for (std::int64_t c = c0; c <= c1; ++c) {
            const Rect cell = BlockRect(c, c, r, band.size);
            square.points = {{cell.left, cell.bottom},
                             {cell.left, cell.top},
                             {cell.right, cell.top},
                             {cell.right, cell.bottom},
                             {cell.left, cell.bottom}};
            (*band.blocks)[{r, c}].push_back(square);
        }
}

// Cuts only across the two edges: along them the cut reaches past the
// piece, so lines lying on a block edge are not lost.
GeosContext::Geom MapCutter::Slice(const GEOSGeometry* piece, const Rect& bounds, Rect edges, bool across) {
    const auto h = geos_.Handle();
    if (across == Rows)
        edges.left = Widen(bounds.left - 1ll), edges.right = Widen(bounds.right + 1ll);
    else
        edges.bottom = Widen(bounds.bottom - 1ll), edges.top = Widen(bounds.top + 1ll);
    auto part = geos_.Own(GEOSClipByRect_r(h, piece, edges.left, edges.bottom, edges.right, edges.top));
    return part && !GEOSisEmpty_r(h, part.get()) ? std::move(part) : geos_.Own(nullptr);
}

// Each row, then each block of it, is cut off the piece; the last cut, to
// the block itself, is left out when the piece already lies in it.
void MapCutter::SplitByRows(const GEOSGeometry* piece, const Rect& bounds, std::uint8_t category,
                            const Band& band, std::int64_t c0, std::int64_t c1, std::int64_t r0,
                            std::int64_t r1) {
    for (std::int64_t r = r0; r <= r1; ++r) {
        auto rowPiece =
            r0 != r1 ? Slice(piece, bounds, BlockRect(c0, c1, r, band.size), Rows) : geos_.Own(nullptr);
        if (r0 != r1 && !rowPiece)
            continue;
        const GEOSGeometry* row = rowPiece ? rowPiece.get() : piece;
        const Rect rowBounds = rowPiece ? geos_.Bounds(row) : bounds;
        const std::int64_t first = std::max(c0, FloorDiv(rowBounds.left, band.size));
        const std::int64_t last = std::min(c1, FloorDiv(rowBounds.right, band.size));
        for (std::int64_t c = first; c <= last; ++c) {
            const Rect cell = BlockRect(c, c, r, band.size);
            auto cellPiece = first != last ? Slice(row, rowBounds, cell, Columns) : geos_.Own(nullptr);
            if (first != last && !cellPiece)
                continue;
            const GEOSGeometry* leaf = cellPiece ? cellPiece.get() : row;
            if (!cell.Contains(cellPiece ? geos_.Bounds(leaf) : rowBounds)) {
                cellPiece = geos_.Own(
                    GEOSClipByRect_r(geos_.Handle(), leaf, cell.left, cell.bottom, cell.right, cell.top));
                leaf = cellPiece.get();
            }
            if (leaf && !GEOSisEmpty_r(geos_.Handle(), leaf))
                geos_.ToFeatures(leaf, category, (*band.blocks)[{r, c}]);
        }
    }
}

// Hands a piece to the blocks it covers, halving the block range and clipping
// each half, so a large piece over B blocks costs about log B passes over it
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
    if (const auto whole = FilledBlocks(h, piece.get(), band.size)) {
        FillBlocks(category, band, std::max(c0, whole->c0), std::min(c1, whole->c1), std::max(r0, whole->r0),
                   std::min(r1, whole->r1));
        return;
    }
    // Clipping costs a call and a pass over the piece: a small piece is cut
    // row by row and each row block by block, a large one is halved first.
    const std::int64_t columns = c1 - c0 + 1, rows = r1 - r0 + 1;
    if ((columns == 1 && rows == 1) ||
        (columns <= DirectClipWork && rows <= DirectClipWork &&
         columns * rows * GEOSGetNumCoordinates_r(h, piece.get()) <= DirectClipWork)) {
        SplitByRows(piece.get(), b, category, band, c0, c1, r0, r1);
        return;
    }
    const bool byColumn = c1 - c0 >= r1 - r0;
    const std::int64_t mid = byColumn ? c0 + (c1 - c0) / 2 : r0 + (r1 - r0) / 2;
    struct Range {
        std::int64_t c0, c1, r0, r1;
    };
    const Range halves[2] = {byColumn ? Range{c0, mid, r0, r1} : Range{c0, c1, r0, mid},
                             byColumn ? Range{mid + 1, c1, r0, r1} : Range{c0, c1, mid + 1, r1}};
    for (const Range& r : halves)
        if (auto part = Slice(piece.get(), b, BlockRect(r.c0, r.c1, r.r0, band.size, r.r1),
                              byColumn ? Columns : Rows))
            Split(std::move(part), category, band, r.c0, r.c1, r.r0, r.r1);
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
    // Features are read in place: one of a category switched off, or whose
    // bounds miss the band's region, is left before it is copied or built.
    master.QueryViews(reach, [&](const FeatureView& view) {
        if (!(job.categories >> view.Category() & 1))
            return;
        Feature f = view.Copy();
        if (f.kind == FeatureKind::Point) {
            CutPoints(f, band);
            return;
        }
        const Rect bounds = f.Bounds();
        if (KeepWhole(f, bounds, band))
            return;
        auto box = geos_.Rectangle(bounds);
        if (box && !GEOSPreparedIntersects_r(h, prepared, box.get()))
            return;
        auto whole = geos_.FromFeature(f);
        if (!whole)
            return;
        // Only the part of the feature near this band takes part in the overlay.
        auto near = reach.Contains(bounds)
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
