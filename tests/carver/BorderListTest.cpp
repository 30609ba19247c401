#include "carver/Carver.h"

#include <gtest/gtest.h>

namespace {

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
    int x = 0, y = 0;
    ASSERT_EQ(carver.KGetPoint(0, 1, 0, x, y), 1);
    EXPECT_EQ(QPoint(x, y), QPoint(30, 40));
    ASSERT_EQ(carver.KGetPoint(0, 1, 1, x, y), 1);
    EXPECT_EQ(QPoint(x, y), QPoint(-50, 60));
    ASSERT_EQ(carver.KGetPoint(1, 0, 1, x, y), 1);
    EXPECT_EQ(QPoint(x, y), QPoint(9, 10));
}

TEST(BorderList, UnknownBordersAndSegmentsAnswerNothing) {
    Carver carver;
    carver.KAddPolyPoint(1, 1); // no border started yet: dropped
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(1, 2);
    carver.KAddPolyPoint(3, 4);
    int x = 99, y = 99;
    EXPECT_EQ(carver.KGetPoint(0, 1, 1, x, y), 0);
    EXPECT_EQ(carver.KGetPoint(0, -1, 0, x, y), 0);
    EXPECT_EQ(carver.KGetPoint(0, 0, 2, x, y), 0);
    EXPECT_EQ(carver.KGetPoint(5, 0, 0, x, y), 0);
    EXPECT_EQ(QPoint(x, y), QPoint(99, 99));
    EXPECT_EQ(carver.KGetNumPoints(-1), 0);
    EXPECT_EQ(carver.KIsPolyLineClosed(3), 0);
}

TEST(BorderList, SingleVertexBorderHasNoSegmentsButKeepsItsPoint) {
    Carver carver;
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(5, 6);
    EXPECT_EQ(carver.KGetNumPoints(0), 0);
    int x = 0, y = 0;
    ASSERT_EQ(carver.KGetPoint(0, 0, 0, x, y), 1);
    EXPECT_EQ(QPoint(x, y), QPoint(5, 6));
    // Read as the last vertex, segment N - 1 end 1.
    x = y = 0;
    ASSERT_EQ(carver.KGetPoint(0, -1, 1, x, y), 1);
    EXPECT_EQ(QPoint(x, y), QPoint(5, 6));
}

TEST(BorderList, ClearAllRemovesEveryBorderAndBlocksNeedAnEdge) {
    Carver carver;
    carver.KAddPolyline(1);
    carver.KAddPolyPoint(1, 1);
    carver.KClearAll();
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KAddPolyPoint(2, 2);
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KSetBlockSize(48000);
    carver.KSetBlockSize(0);
    EXPECT_EQ(carver.BlockSize(), 48000);
    carver.KSetLayers(1, 25);
    carver.KSetLayers(7, 3); // no such view
    EXPECT_EQ(carver.View(1).layers, 25);
}

} // namespace
