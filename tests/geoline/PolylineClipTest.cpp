#include "geoline/PolylineClip.h"

#include <gtest/gtest.h>

using geoline::ClipPolyline;

namespace {

const QRectF Display(0, 0, 100, 100);

TEST(PolylineClip, InsideLineIsKeptWhole) {
    const QPolygonF line{{10, 10}, {50, 50}, {90, 10}};
    const auto pieces = ClipPolyline(line, Display);
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces[0], line);
}

TEST(PolylineClip, CrossingSegmentIsCutAtTheEdges) {
    const auto pieces = ClipPolyline({{-1e9, 50}, {1e9, 50}}, Display);
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces[0], (QPolygonF{{0, 50}, {100, 50}}));
}

TEST(PolylineClip, LeavingAndComingBackGivesTwoPieces) {
    const auto pieces = ClipPolyline({{50, 50}, {50, 200}, {60, 200}, {60, 50}}, Display);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0], (QPolygonF{{50, 50}, {50, 100}}));
    EXPECT_EQ(pieces[1], (QPolygonF{{60, 100}, {60, 50}}));
}

TEST(PolylineClip, LineOutsideGivesNothing) {
    EXPECT_TRUE(ClipPolyline({{200, 200}, {300, 250}, {400, 200}}, Display).isEmpty());
    EXPECT_TRUE(ClipPolyline({{50, 50}}, Display).isEmpty());
}

} // namespace
