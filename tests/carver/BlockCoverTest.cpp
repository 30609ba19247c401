#include "carver/BlockCover.h"

#include <gtest/gtest.h>

#include <optional>

using carver::BlockCover;
using carver::Border;

namespace {

TEST(BlockCover, BordersCoverTheBlocksTheirInsideEdgesAndCorridorsMeetEachOnceAndTheBlocksWhollyInside) {
    struct Case {
        const char* what;
        QList<Border> borders;
        int corridor;
        std::optional<carver::Box> within;
        QList<QPoint> blocks; // of 24000 units
    };
    const Border square{true, {{10000, 10000}, {60000, 10000}, {60000, 60000}, {10000, 60000}}};
    // Along Y = 12000 from X 16000: a corridor 20000 wide reaches Y 2000 to 22000.
    const Border line{false, {{16000, 12000}, {100000, 12000}}};
    const Case cases[] = {
        {"closed", {square}, 0, {}, {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}},
        {"corridor", {line}, 20000, {}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {"one point", {{false, {{23000, 1000}}}}, 4000, {}, {{0, -1}, {1, -1}, {0, 0}, {1, 0}}},
        {"overlap",
         {{true, {{1000, 1000}, {5000, 1000}, {5000, 5000}}}, {false, {{2000, 2000}, {3000, 3000}}}},
         1000,
         {},
         {{0, 0}}},
        {"within",
         {{false, {{-1000000, 12000}, {1000000, 12000}}}},
         0,
         carver::Box{0, 0, 47000, 47000},
         {{0, 0}, {1, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BlockCover(24000, c.corridor).Covered(c.borders, c.within), c.blocks);
    }
    // 30000 wide reaches Y -3000 to 27000: rows -1 and 1 as well.
    EXPECT_EQ(BlockCover(24000, 30000).Covered({line}).size(), 15);

    // A block wholly inside a large border is covered.
    const Border big{true, {{-100000, -100000}, {100000, -100000}, {100000, 100000}, {-100000, 100000}}};
    EXPECT_TRUE(BlockCover(24000, 0).Covers(big, {0, 0}));
    EXPECT_FALSE(BlockCover(24000, 0).Covers(big, {10, 0}));
}

} // namespace
