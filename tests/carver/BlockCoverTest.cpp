#include "carver/BlockCover.h"

#include <gtest/gtest.h>

using carver::BlockCover;
using carver::Border;

namespace {

TEST(BlockCover, ClosedBorderCoversTheBlocksItsInsideAndEdgesMeet) {
    // A square from 10000 to 60000 on both axes, blocks of 24000.
    const Border square{true, {{10000, 10000}, {60000, 10000}, {60000, 60000}, {10000, 60000}}};
    const auto blocks = BlockCover(24000, 0).Covered({square});
    EXPECT_EQ(blocks,
              (QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}));
}

TEST(BlockCover, BlockWhollyInsideALargeBorderIsCovered) {
    const Border big{true, {{-100000, -100000}, {100000, -100000}, {100000, 100000}, {-100000, 100000}}};
    EXPECT_TRUE(BlockCover(24000, 0).Covers(big, {0, 0}));
    EXPECT_FALSE(BlockCover(24000, 0).Covers(big, {10, 0}));
}

TEST(BlockCover, OpenBorderCoversItsCorridorOnly) {
    // Along Y = 12000 from X 16000 to 100000, a corridor 20000 wide reaches
    // Y 2000 to 22000: the row of blocks 0 only.
    const Border line{false, {{16000, 12000}, {100000, 12000}}};
    EXPECT_EQ(BlockCover(24000, 20000).Covered({line}),
              (QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    // 30000 wide reaches Y -3000 to 27000: rows -1 and 1 as well.
    EXPECT_EQ(BlockCover(24000, 30000).Covered({line}).size(), 15);
}

TEST(BlockCover, SinglePointLineCoversTheBlocksAroundIt) {
    const Border dot{false, {{23000, 1000}}};
    EXPECT_EQ(BlockCover(24000, 4000).Covered({dot}), (QList<QPoint>{{0, -1}, {1, -1}, {0, 0}, {1, 0}}));
}

TEST(BlockCover, OverlappingBordersListEachBlockOnce) {
    const Border a{true, {{1000, 1000}, {5000, 1000}, {5000, 5000}}};
    const Border b{false, {{2000, 2000}, {3000, 3000}}};
    EXPECT_EQ(BlockCover(24000, 1000).Covered({a, b}), (QList<QPoint>{{0, 0}}));
}

TEST(BlockCover, WithinLimitsTheBlocksToAnArea) {
    const Border line{false, {{-1000000, 12000}, {1000000, 12000}}};
    const auto blocks = BlockCover(24000, 0).Covered({line}, carver::Box{0, 0, 47000, 47000});
    EXPECT_EQ(blocks, (QList<QPoint>{{0, 0}, {1, 0}}));
}

} // namespace
