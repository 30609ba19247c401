#include "carver/Carver.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The point at one end of a segment, or nothing.
std::optional<QPoint> Point(Carver& carver, int border, int segment, int end) {
    int x = 99, y = 99;
    if (carver.KGetPoint(border, segment, end, x, y))
        return QPoint(x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(99, 99)) << "a failed read leaves the point alone";
    return std::nullopt;
}

TEST(BorderList, RestoredBordersReadBackVertexBySegmentEnd) {
    Carver carver;
    carver.KAddPolyline(1);
    carver.KAddPolyPoint(10, 20);
    carver.KAddPolyPoint(30, 40);
    carver.KAddPolyPoint(-50, 60);
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(7, 8);
    carver.KAddPolyPoint(9, 10);

    ASSERT_EQ(carver.KGetNumPolygons(), 2);
    EXPECT_EQ(carver.KGetNumPoints(0), 2);
    EXPECT_EQ(carver.KIsPolyLineClosed(0), 1);
    EXPECT_EQ(carver.KIsPolyLineClosed(1), 0);
    EXPECT_EQ(Point(carver, 0, 1, 0), QPoint(30, 40));
    EXPECT_EQ(Point(carver, 0, 1, 1), QPoint(-50, 60));
    EXPECT_EQ(Point(carver, 1, 0, 1), QPoint(9, 10));
}

TEST(BorderList, UnknownBordersAndSegmentsAnswerNothingAndASingleVertexHasNoSegmentButItsPoint) {
    Carver carver;
    carver.KAddPolyPoint(1, 1); // no border started yet: dropped
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(1, 2);
    carver.KAddPolyPoint(3, 4);
    for (auto [border, segment, end] : {std::tuple{0, 1, 1}, {0, -1, 0}, {0, 0, 2}, {5, 0, 0}})
        EXPECT_EQ(Point(carver, border, segment, end), std::nullopt);
    EXPECT_EQ(carver.KGetNumPoints(-1), 0);
    EXPECT_EQ(carver.KIsPolyLineClosed(3), 0);

    Carver single;
    single.KAddPolyline(0);
    single.KAddPolyPoint(5, 6);
    EXPECT_EQ(single.KGetNumPoints(0), 0);
    EXPECT_EQ(Point(single, 0, 0, 0), QPoint(5, 6));
    EXPECT_EQ(Point(single, 0, -1, 1), QPoint(5, 6)); // the last vertex: segment N - 1, end 1
}

TEST(BorderList, ClearAllRemovesEveryBorderAndAZeroBlockSizeIsRefused) {
    Carver carver;
    carver.KAddPolyline(1);
    carver.KAddPolyPoint(1, 1);
    carver.KClearAll();
    carver.KAddPolyPoint(2, 2);
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KSetBlockSize(48000);
    carver.KSetBlockSize(0);
    EXPECT_EQ(carver.BlockSize(), 48000);
}

} // namespace
