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

TEST(BorderList, UnknownBordersAndSegmentsAnswerNothingAndClearAllRemovesEveryBorder) {
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

    carver.KClearAll();
    carver.KAddPolyPoint(2, 2);
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    carver.KSetBlockSize(48000);
    carver.KSetBlockSize(0);
    EXPECT_EQ(carver.BlockSize(), 48000);
}

} // namespace
