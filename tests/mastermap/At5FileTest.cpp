#include "MasterFixtures.h"
#include "support/TestFiles.h"

#include "mastermap/At5Reader.h"
#include "mastermap/At5Writer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

std::vector<Feature> Collect(const At5Reader& r, const Rect& area) {
    std::vector<Feature> out;
    r.Query(area, [&](const Feature& f) { out.push_back(f); });
    return out;
}

class At5File : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath("test.at5");
        At5Writer w;
        w.Add(Line(2, {{-5000000, 100}, {5000000, 200}})); // long line across many cells
        w.Add(Square(3, 1000000, 1000000, 50000));         // small lake
        w.Add(Spot(60, -3000000, -3000000));               // far away point
        Feature holed = Square(60, 0, 0, 100000);
        const Feature hole = Square(60, 10000, 10000, 1000);
        holed.parts.push_back(5);
        holed.points.insert(holed.points.end(), hole.points.begin(), hole.points.end());
        w.Add(holed);
        w.Add(Place(60, 500, 500, "Zürich", 421878)); // a named place
        ASSERT_EQ(w.Write(path), "");
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(At5File, KeepsEveryFeatureWithItsPartsAndVertices) {
    At5Reader r;
    ASSERT_EQ(r.Open(path), "");
    EXPECT_EQ(r.FeatureCount(), 5u);
    std::vector<Feature> all;
    r.ForEach([&](const Feature& f) { all.push_back(f); });
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[3].parts, (std::vector<std::uint32_t>{5 | Feature::OuterRing, 5}));
    EXPECT_EQ(all[3].points[6], (Point{11000, 10000}));
    EXPECT_EQ(all[2].kind, FeatureKind::Point);
    EXPECT_EQ(all[2].name, "");
    EXPECT_EQ(all[4].name, "Zürich");
    EXPECT_EQ(all[4].rank, 421878u);
    EXPECT_EQ(all[4].points, (std::vector<Point>{{500, 500}}));
    EXPECT_EQ(r.Bounds(), (Rect{-5000000, -3000000, 5000000, 1050000}));
    EXPECT_EQ(r.CategoriesPresent(), (1ull << 2) | (1ull << 3) | (1ull << 60));
}

TEST_F(At5File, QueryReturnsOnlyFeaturesTouchingTheRectangleOnce) {
    At5Reader r;
    ASSERT_EQ(r.Open(path), "");
    const auto near = Collect(r, {990000, 990000, 1010000, 1010000});
    ASSERT_EQ(near.size(), 1u);
    EXPECT_EQ(near[0].category, 3);
    // The long line spans hundreds of index cells but is reported once.
    const auto strip = Collect(r, {-6000000, 0, 6000000, 300});
    ASSERT_EQ(strip.size(), 2u);
    EXPECT_EQ(strip[0].category, 2);
    EXPECT_TRUE(Collect(r, {3000000, 3000000, 3100000, 3100000}).empty());
}

// A name longer than its length field holds is cut, between characters.
TEST_F(At5File, OverlongNamesAreCutBetweenCharacters) {
    std::string name(65534, 'a');
    name += "é"; // two bytes, the second one past the limit
    At5Writer w;
    w.Add(Place(50, 0, 0, name, 7));
    ASSERT_EQ(w.Write(dir.filePath("long.at5")), "");
    At5Reader r;
    ASSERT_EQ(r.Open(dir.filePath("long.at5")), "");
    std::vector<Feature> all;
    r.ForEach([&](const Feature& f) { all.push_back(f); });
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, std::string(65534, 'a'));
    EXPECT_EQ(all[0].rank, 7u);
}

TEST_F(At5File, RefusesOtherFilesWithAReason) {
    At5Reader r;
    EXPECT_NE(r.Open(testing_support::WriteFile(dir.filePath("bad.at5"), "TFMASTER but not really")), "");
    EXPECT_NE(r.Open(dir.filePath("missing.at5")), "");
    EXPECT_EQ(r.FeatureCount(), 0u);
}

// Every cut-short copy and every single damaged byte is read without a crash,
// and whatever comes back is a consistent feature.
TEST_F(At5File, SurvivesTruncationAndDamagedBytes) {
    const QByteArray good = testing_support::ReadFile(path);
    auto readAll = [](const QByteArray& bytes) {
        At5Reader r;
        if (!r.OpenBytes({bytes.constData(), static_cast<std::size_t>(bytes.size())}).isEmpty())
            return;
        r.Query({-10000000, -10000000, 10000000, 10000000}, [](const Feature& feature) {
            std::uint64_t total = 0;
            for (auto p : feature.parts)
                total += Feature::PartSize(p);
            EXPECT_EQ(total, feature.points.size());
        });
    };
    // Header and records byte by byte, the long index by samples.
    const auto next = [](int i) { return i < 512 ? i + 1 : i + 997; };
    for (int len = 0; len < good.size(); len = next(len))
        readAll(good.left(len));
    for (int i = 0; i < good.size(); i = next(i))
        for (char v : {char(0), char(0xFF), char(0x80)}) {
            QByteArray bad = good;
            bad[i] = v;
            readAll(bad);
        }
}

} // namespace
