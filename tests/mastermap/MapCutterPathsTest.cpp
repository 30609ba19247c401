// The cutter takes short cuts: features kept whole, blocks an area fills
// handed their square, small pieces clipped block by block, large ones
// halved. Whatever the path, each block must hold what clipping the feature
// to the region and to that block gives.

#include "MasterFixtures.h"

#include "mastermap/At5Writer.h"
#include "mastermap/GeosContext.h"
#include "mastermap/MapCutter.h"

#include <QTemporaryDir>

#include <geos_c.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

constexpr std::int32_t Size = 24000;

struct Recorder : BlockSink {
    void Block(std::int32_t column, std::int32_t row, const std::vector<Feature>& features) override {
        for (const Feature& f : features)
            blocks[{column, row}].push_back(f);
    }
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<Feature>> blocks;
};

Feature Ring(std::uint8_t category, std::vector<Point> ring) {
    ring.push_back(ring.front());
    Feature f;
    f.kind = FeatureKind::Area;
    f.category = category;
    f.parts = {static_cast<std::uint32_t>(ring.size()) | Feature::OuterRing};
    f.points = std::move(ring);
    return f;
}

// A star of `tips` points around (x, y): concave, so blocks near its edge
// hold several pieces and blocks near its middle are filled.
Feature Star(std::uint8_t category, double x, double y, double outer, double inner, int tips) {
    std::vector<Point> ring;
    for (int i = 0; i < 2 * tips; ++i) {
        const double r = i % 2 ? inner : outer, a = M_PI * i / tips + 0.1;
        ring.push_back({static_cast<std::int32_t>(std::lround(x + r * std::cos(a))),
                        static_cast<std::int32_t>(std::lround(y + r * std::sin(a)))});
    }
    return Ring(category, ring);
}

class MapCutterPaths : public ::testing::Test {
protected:
    // Cuts the features with the job's borders and compares every block
    // with the straightforward clip; one category per feature.
    void CutAndCompare() {
        Cut();
        for (const Feature& f : features)
            CompareFeature(f);
    }

    void Cut() {
        At5Writer writer;
        for (const Feature& f : features)
            writer.Add(f);
        ASSERT_EQ(writer.Write(dir.filePath("m.at5")), "");
        MasterSet master;
        master.Open({dir.filePath("m.at5")});
        ASSERT_EQ(master.Files().size(), 1u);
        ASSERT_EQ(MapCutter().Cut(master, job, cut), "");
    }

    void CompareFeature(const Feature& f) {
        const auto h = geos.Handle();
        const auto region = MapCutter().Region(job);
        const auto whole = geos.FromFeature(f);
        const auto inside = geos.Own(GEOSIntersection_r(h, whole.get(), region.get()));
        const Rect b = geos.Bounds(inside.get());
        double expectedTotal = 0, cutTotal = 0;
        for (std::int64_t r = std::floor(double(b.bottom) / Size) - 1; r * Size <= b.top; ++r)
            for (std::int64_t c = std::floor(double(b.left) / Size) - 1; c * Size <= b.right; ++c) {
                const auto square =
                    geos.Rectangle({std::int32_t(c * Size), std::int32_t(r * Size),
                                    std::int32_t((c + 1) * Size), std::int32_t((r + 1) * Size)});
                const auto expected = geos.Own(GEOSIntersection_r(h, inside.get(), square.get()));
                const double want = Measure(expected.get(), f.kind);
                double got = 0;
                for (const Feature& piece : Pieces(c, r))
                    if (piece.category == f.category) {
                        got += Measure(geos.FromFeature(piece).get(), f.kind);
                        EXPECT_TRUE(square.get() && Within(piece, c, r)) << "block " << c << "," << r;
                    }
                // Vertices are rounded to whole units.
                EXPECT_NEAR(got, want, f.kind == FeatureKind::Area ? 4.0 * Size : 8.0)
                    << "category " << int(f.category) << " block " << c << "," << r;
                expectedTotal += want;
                cutTotal += got;
            }
        EXPECT_NEAR(cutTotal, expectedTotal, 1e-4 * expectedTotal) << "category " << int(f.category);
    }

    const std::vector<Feature>& Pieces(std::int64_t c, std::int64_t r) const {
        static const std::vector<Feature> none;
        const auto block = cut.blocks.find({std::int32_t(c), std::int32_t(r)});
        return block == cut.blocks.end() ? none : block->second;
    }

    double Measure(const GEOSGeometry* g, FeatureKind kind) {
        double v = 0;
        if (g && kind == FeatureKind::Area)
            GEOSArea_r(geos.Handle(), g, &v);
        else if (g && kind == FeatureKind::Line)
            GEOSLength_r(geos.Handle(), g, &v);
        return v;
    }

    static bool Within(const Feature& f, std::int64_t c, std::int64_t r) {
        const Rect b = f.Bounds();
        return b.left >= c * Size && b.right <= (c + 1) * Size && b.bottom >= r * Size &&
               b.top <= (r + 1) * Size;
    }

    QTemporaryDir dir;
    GeosContext geos;
    std::vector<Feature> features;
    MapCutter::Job job{{}, 2000, Size, ~0ull};
    Recorder cut;
};

// A star over 30 x 14 blocks, cut by an irregular border across two bands
// of rows: filled blocks, blocks along the star's edge and along the border.
TEST_F(MapCutterPaths, LargeAreaMatchesTheBlockByBlockClip) {
    features = {Star(1, 15 * Size + 300, 7 * Size + 500, 7 * Size, 3 * Size, 7)};
    features.push_back(Star(2, 15 * Size, 7 * Size, 15 * Size, 13 * Size, 150));
    job.borders = {
        {true, {{-Size, -Size}, {31 * Size, Size / 3}, {28 * Size, 15 * Size}, {2 * Size, 12 * Size}}}};
    CutAndCompare();
}

// Small areas over a few blocks are clipped block by block, a long zigzag
// line is halved; both across the edge between two bands of rows.
TEST_F(MapCutterPaths, SmallAreasAndLongLinesMatchTheBlockByBlockClip) {
    features = {Star(3, 3 * Size, 8 * Size, Size, Size / 2, 4),
                Star(4, 6 * Size + 100, 7 * Size + 900, 1500, 700, 3)};
    std::vector<Point> zigzag;
    for (int i = 0; i <= 40; ++i)
        zigzag.push_back({i * Size / 2 + 77, (i % 2 ? 12 : 3) * Size + i * 131});
    features.push_back(Line(5, zigzag));
    // Many vertices in one block, across the border: clipped once.
    features.push_back(Star(10, 20 * Size + Size / 2 + 5000, 5 * Size + Size / 2, Size / 3, Size / 4, 400));
    job.borders = {{true, {{0, 0}, {21 * Size, 0}, {21 * Size, 16 * Size}, {0, 16 * Size}}}};
    CutAndCompare();
}

// A feature in one block wholly inside the region is kept as it is; one whose
// bounds miss the region leaves nothing.
TEST_F(MapCutterPaths, WhollyInsideIsKeptAndWhollyOutsideLeavesNothing) {
    features = {Star(6, 2 * Size + Size / 2, 2 * Size + Size / 2, Size / 3, Size / 5, 5),
                Square(7, 40 * Size, 40 * Size, 3 * Size)};
    job.borders = {{true, {{0, 0}, {10 * Size, 0}, {10 * Size, 10 * Size}, {0, 10 * Size}}}};
    CutAndCompare();
    ASSERT_EQ(cut.blocks.size(), 1u);
    const auto& [key, kept] = *cut.blocks.begin();
    EXPECT_EQ(key, (std::pair<std::int32_t, std::int32_t>{2, 2}));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].points, features[0].points);
}

// A road running along a block edge, cut with a corridor along it: none of
// it is lost on the edge, and an area filling the corridor's blocks is kept.
TEST_F(MapCutterPaths, CorridorAlongABlockEdgeKeepsTheLineOnIt) {
    features = {Line(8, {{5 * Size, -2 * Size}, {5 * Size, 20 * Size}}), Square(9, 0, 0, 10 * Size)};
    job.borders = {{false, {{5 * Size, 0}, {5 * Size, 18 * Size}}}};
    job.corridorWidth = Size;
    Cut();
    CompareFeature(features[1]);
    double length = 0;
    for (const auto& [key, pieces] : cut.blocks)
        for (const Feature& piece : pieces)
            if (piece.category == 8)
                length += Measure(geos.FromFeature(piece).get(), FeatureKind::Line);
    EXPECT_GE(length, 18.0 * Size);
}

} // namespace
