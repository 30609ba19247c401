#include "mastermap/RingClip.h"

#include <gtest/gtest.h>

using mastermap::ClipRing;

namespace {

const QRectF Box(0, 0, 100, 50);

} // namespace

TEST(RingClip, KeepsARingInsideAsItIs) {
    const QPolygonF ring{{10, 10}, {20, 10}, {20, 20}, {10, 10}};
    EXPECT_EQ(ClipRing(ring, Box), ring);
}

TEST(RingClip, ARingAroundTheRectangleBecomesTheRectangle) {
    const QPolygonF ring{{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}, {-1e9, -1e9}};
    const QPolygonF cut = ClipRing(ring, Box);
    EXPECT_EQ(cut.boundingRect(), Box);
    EXPECT_EQ(cut.front(), cut.back());
    EXPECT_TRUE(cut.containsPoint({50, 25}, Qt::OddEvenFill));
}

TEST(RingClip, CutsAtTheEdgesWhereTheRingCrossesThem) {
    // A triangle with one corner far to the right: the cut ends on the right edge.
    const QPolygonF cut = ClipRing({{10, 10}, {1e6, 25}, {10, 40}, {10, 10}}, Box);
    EXPECT_TRUE(cut.containsPoint({99, 25}, Qt::OddEvenFill));
    EXPECT_FALSE(cut.containsPoint({5, 25}, Qt::OddEvenFill));
    EXPECT_LE(cut.boundingRect().right(), 100);
}

TEST(RingClip, ARingOutsideLeavesNothing) {
    EXPECT_TRUE(ClipRing({{200, 200}, {300, 200}, {300, 300}, {200, 200}}, Box).isEmpty());
    EXPECT_TRUE(ClipRing({}, Box).isEmpty());
}
