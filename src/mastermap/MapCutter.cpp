#include "mastermap/MapCutter.h"

#include <geos_c.h>

#include <algorithm>
#include <map>

namespace mastermap {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

Rect BlockRect(std::int64_t c0, std::int64_t c1, std::int64_t row, std::int64_t size)
{
    const auto clamp32 = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return {clamp32(c0 * size), clamp32(row * size), clamp32((c1 + 1) * size), clamp32((row + 1) * size)};
}

} // namespace

GeosContext::Geom MapCutter::Region(const Job& job)
{
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

QString MapCutter::Cut(const MasterSet& master, const Job& job, BlockSink& sink, const Progress& progress)
{
    if (job.blockSize <= 0)
        return QStringLiteral("The block size must be above 0.");
    const auto region = Region(job);
    if (!region)
        return {};
    const Rect bounds = geos_.Bounds(region.get());
    const std::int64_t size = job.blockSize;
    const std::int64_t col0 = FloorDiv(bounds.left, size), col1 = FloorDiv(bounds.right, size);
    const std::int64_t row0 = FloorDiv(bounds.bottom, size), row1 = FloorDiv(bounds.top, size);
    for (std::int64_t row = row0; row <= row1; ++row) {
        CutRow(master, job, region.get(), row, col0, col1, sink);
        if (progress && !progress(row - row0 + 1, row1 - row0 + 1))
            return QStringLiteral("The map build was cancelled.");
    }
    return {};
}

GeosContext::Geom MapCutter::Inside(const GEOSGeometry* feature, const GEOSGeometry* region, const void* prepared)
{
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
void MapCutter::CutPoints(const Feature& f, const void* prepared, std::int64_t row, std::int64_t size,
                          std::map<std::int64_t, std::vector<Feature>>& blocks)
{
    const auto h = geos_.Handle();
    for (const Point& p : f.points) {
        if (FloorDiv(p.y, size) != row)
            continue;
        auto point = geos_.Own(GEOSGeom_createPointFromXY_r(h, p.x, p.y));
        if (!point || !GEOSPreparedIntersects_r(h, static_cast<const GEOSPreparedGeometry*>(prepared), point.get()))
            continue;
        Feature one;
        one.kind = FeatureKind::Point;
        one.category = f.category;
        one.parts = {1};
        one.points = {p};
        blocks[FloorDiv(p.x, size)].push_back(std::move(one));
    }
}

void MapCutter::CutRow(const MasterSet& master, const Job& job, const GEOSGeometry* region, std::int64_t row,
                       std::int64_t col0, std::int64_t col1, BlockSink& sink)
{
    const auto h = geos_.Handle();
    const std::int64_t size = job.blockSize;
    const Rect strip = BlockRect(col0, col1, row, size);
    auto stripRegion = geos_.Own(GEOSClipByRect_r(h, region, strip.left, strip.bottom, strip.right, strip.top));
    if (!stripRegion || GEOSisEmpty_r(h, stripRegion.get()))
        return;
    const Rect reach = geos_.Bounds(stripRegion.get());
    const GEOSPreparedGeometry* prepared = GEOSPrepare_r(h, stripRegion.get());
    std::map<std::int64_t, std::vector<Feature>> blocks;
    master.Query(reach, [&](const Feature& f) {
        if (!(job.categories >> f.category & 1))
            return;
        if (f.kind == FeatureKind::Point) {
            CutPoints(f, prepared, row, size, blocks);
            return;
        }
        auto whole = geos_.FromFeature(f);
        if (!whole)
            return;
        // Only the part of the feature near this row takes part in the overlay.
        auto near = reach.Contains(f.Bounds())
                        ? std::move(whole)
                        : geos_.Own(GEOSClipByRect_r(h, whole.get(), reach.left, reach.bottom, reach.right, reach.top));
        if (!near || GEOSisEmpty_r(h, near.get()))
            return;
        auto inside = Inside(near.get(), stripRegion.get(), prepared);
        if (!inside || GEOSisEmpty_r(h, inside.get()))
            return;
        const Rect b = geos_.Bounds(inside.get());
        const std::int64_t c0 = std::max(col0, FloorDiv(b.left, size));
        const std::int64_t c1 = std::min(col1, FloorDiv(b.right, size));
        for (std::int64_t c = c0; c <= c1; ++c) {
            const Rect block = BlockRect(c, c, row, size);
            auto piece = c0 == c1 && block.Contains(b)
                             ? geos_.Own(GEOSGeom_clone_r(h, inside.get()))
                             : geos_.Own(GEOSClipByRect_r(h, inside.get(), block.left, block.bottom, block.right,
                                                          block.top));
            if (piece && !GEOSisEmpty_r(h, piece.get()))
                geos_.ToFeatures(piece.get(), f.category, blocks[c]);
        }
    });
    GEOSPreparedGeom_destroy_r(h, prepared);
    for (const auto& [column, features] : blocks)
        if (!features.empty())
            sink.Block(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row), features);
}

} // namespace mastermap
