#include "RecordingBorderEngine.h"

#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

#include <array>

using mapview::WindowObject;

namespace {

class BorderEngineSettings : public ::testing::Test {
protected:
    BorderEngineSettings() {
        window.MapPicture.Width = 1000;
        window.MapPicture.Height = 500;
    }

    RecordingBorderEngine engine;
    WindowObject window{engine};
};

} // namespace

// The corridor is never below 1000 units; blocks are the corridor rounded up
// to a multiple of 24000.
TEST_F(BorderEngineSettings, CorridorAndBlockSizes) {
    EXPECT_EQ(window.CorridorWidth(), 0);
    const std::array<int, 3> cases[] = {{500, 1000, 24000},
                                        {-7, 1000, 24000},
                                        {30000, 30000, 48000},
                                        {24000, 24000, 24000},
                                        {48001, 48001, 72000}};
    for (const auto& [asked, corridor, block] : cases) {
        window.SetCorridorWidth(asked);
        EXPECT_EQ(window.CorridorWidth(), corridor) << asked;
        EXPECT_EQ(window.BlockSize(), block) << asked;
    }
}

TEST_F(BorderEngineSettings, BlockBoundariesShowOnlyWhenFewerThanFiftyBlocksAcross) {
    window.SetZoomRange(100); // about 161000 units: under seven blocks
    window.SetDrawBlockBoundaries(true);
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 12)", "KSetLayers(1, 9)"}));

    window.SetZoomRange(1000); // about 1.6 million units: 67 blocks
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 4)", "KSetLayers(1, 1)"}));

    window.SetDrawBorderHotspots(true);
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 20)", "KSetLayers(1, 17)"}));
}

TEST_F(BorderEngineSettings, EveryViewChangeTellsTheEngineTheRangeFirst) {
    window.SetCorridorWidth(2000);
    engine.Calls.clear();
    window.SetZoomRange(0);
    ASSERT_GE(engine.Calls.size(), 3);
    const QString range = QStringLiteral("KSetRange(%1, %2, %3, %4, 1000, 500)")
                              .arg(window.ViewLeft)
                              .arg(window.ViewBottom)
                              .arg(window.ViewRight)
                              .arg(window.ViewTop);
    EXPECT_EQ(engine.Calls[0], range);
    EXPECT_EQ(engine.Calls[1],
              QStringLiteral("KSetSelectWidth(%1)").arg(qRound(window.PixelsPerUnitX * 2000)));
    EXPECT_EQ(engine.Calls[2], "KSetBlockSize(24000)");
    EXPECT_EQ(engine.Calls.size(), 16);
}

TEST(HighDetail, ReadsTheLibrariesOnceAndClearsValidityOnFailure) {
    RecordingBorderEngine engine;
    WindowObject window{engine};
    int reads = 0;
    bool succeed = true;
    window.MakeUsedList = [&] {
        ++reads;
        return succeed;
    };
    EXPECT_FALSE(window.DetailValid());
    window.SetUseHighDetail(false);
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(window.DetailValid());
    window.SetUseHighDetail(false);
    EXPECT_EQ(reads, 1);

    succeed = false;
    window.SetUseHighDetail(true);
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(window.UseHighDetail());
    EXPECT_FALSE(window.DetailValid());
    window.SetUseHighDetail(true); // not valid, so it tries again
    EXPECT_EQ(reads, 3);
}
