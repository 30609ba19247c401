#include "SharedEdgeSimplifier.h"

#include "WigglyAreas.h"
#include "mastermap/MasterFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mkmaster_testing;

namespace {

// The vertices of a ring on the border (x near 0), sorted.
std::vector<Point> OnBorder(const Feature& f, std::int32_t amplitude) {
    std::vector<Point> out;
    for (const Point& p : f.points)
        if (std::abs(p.x) <= amplitude && &p != &f.points.back())
            out.push_back(p);
    std::sort(out.begin(), out.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return out;
}

} // namespace

// Neighbours keep the same border, so no gap opens between them; how far
// vertices move is seen in the drawn levels (LevelDrawingTest).
TEST(SharedEdgeSimplifier, NeighboursKeepTheSameBorder) {
    const std::vector<Feature> areas = Neighbours(100000, 500, 300);
    const std::vector<Feature> simplified = SharedEdgeSimplifier(areas).Simplified(150);
    ASSERT_EQ(simplified.size(), 2u);
    EXPECT_LT(simplified[0].points.size(), areas[0].points.size() / 2);
    const std::vector<Point> west = OnBorder(simplified[0], 300), east = OnBorder(simplified[1], 300);
    EXPECT_GT(west.size(), 2u);
    EXPECT_EQ(west, east);
}

TEST(SharedEdgeSimplifier, ALakeAndTheHoleItMakesComeOutTheSame) {
    // The lake runs one way from one corner, the hole the other way from another.
    std::vector<Point> lake;
    for (int i = 0; i < 400; ++i)
        lake.push_back(
            {static_cast<std::int32_t>(50000 + 20000 * std::cos(i * 0.0157) + 150 * std::sin(i * 1.3)),
             static_cast<std::int32_t>(50000 + 20000 * std::sin(i * 0.0157))});
    std::vector<Point> hole(lake.rbegin(), lake.rend());
    std::rotate(hole.begin(), hole.begin() + 123, hole.end());
    Feature land = Area(60, {{0, 0}, {100000, 0}, {100000, 100000}, {0, 100000}});
    hole.push_back(hole.front());
    land.parts.push_back(static_cast<std::uint32_t>(hole.size()));
    land.points.insert(land.points.end(), hole.begin(), hole.end());
    const std::vector<Feature> simplified = SharedEdgeSimplifier({land, Area(3, lake)}).Simplified(400);
    ASSERT_EQ(simplified.size(), 2u);
    ASSERT_EQ(simplified[0].parts.size(), 2u);
    std::vector<Point> a(simplified[0].points.begin() + 5, simplified[0].points.end() - 1);
    std::vector<Point> b(simplified[1].points.begin(), simplified[1].points.end() - 1);
    EXPECT_LT(a.size(), lake.size() / 4);
    const auto order = [](Point p, Point q) { return p.x != q.x ? p.x < q.x : p.y < q.y; };
    std::sort(a.begin(), a.end(), order);
    std::sort(b.begin(), b.end(), order);
    EXPECT_EQ(a, b);
}

TEST(SharedEdgeSimplifier, PartsSmallerThanTheToleranceAreLeftOutButPlacesStay) {
    Feature island = Area(1, {{0, 0}, {300, 0}, {300, 300}, {0, 300}});
    const Feature stream = mastermap_testing::Line(1, {{1000, 1000}, {1100, 1050}, {1200, 1000}});
    const Feature town = mastermap_testing::Place(50, 5, 5, "Town", 0);
    Feature land = Area(60, {{-90000, -90000}, {90000, -90000}, {90000, 90000}, {-90000, 90000}});
    const std::vector<Feature> simplified =
        SharedEdgeSimplifier({island, stream, town, land}).Simplified(500);
    ASSERT_EQ(simplified.size(), 2u);
    EXPECT_EQ(simplified[0].name, "Town");
    EXPECT_EQ(simplified[1].category, 60);
    EXPECT_EQ(simplified[1].points.size(), 5u);
}
