#include "comm/ProgressModel.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using comm::ProgressModel;

namespace {

struct FakeClock {
    double now = 0;
    ProgressModel::Clock Function() {
        return [this] { return now; };
    }
};

} // namespace

TEST(ProgressTimes, EstimateIsEmptyAtFirstWaitsThreeSecondsThenFollowsTheRateAndTheBarThePercent) {
    FakeClock clock{1000};
    ProgressModel p(clock.Function());
    p.InitProgress("Downloading Waypoints", true);
    EXPECT_EQ(p.Title(), "Downloading Waypoints");
    EXPECT_EQ(p.ElapsedText(), "0 Seconds Elapsed");
    EXPECT_TRUE(p.RemainingText().isEmpty());
    clock.now = 1001;
    ASSERT_TRUE(p.ProgressMade(10));
    EXPECT_EQ(p.RemainingText(), "0 Seconds Remaining");
    EXPECT_EQ(p.ElapsedText(), "1 Second Elapsed");
    clock.now = 1004;
    p.ProgressMade(20);
    EXPECT_EQ(p.RemainingText(), "16 Seconds Remaining"); // 4 s for 20 %: 16 s for the other 80 %
    EXPECT_EQ(p.ElapsedText(), "4 Seconds Elapsed");
    clock.now = 1006;
    p.ProgressMade(90);
    EXPECT_EQ(p.RemainingText(), "16 Seconds Remaining")
        << "kept until three seconds after the last estimate";
    clock.now = 1007;
    p.ProgressMade(50);
    EXPECT_EQ(p.RemainingText(), "7 Seconds Remaining");

    // The bar follows the percent within its range and is complete at one hundred.
    p.InitProgress("t", true);
    p.ProgressMade(42.7f);
    EXPECT_EQ(p.BarValue(), 42);
    EXPECT_TRUE(p.ProgressMade(-5));
    EXPECT_EQ(p.BarValue(), 0);
    EXPECT_TRUE(p.ProgressMade(99.9f));
    EXPECT_FALSE(p.ProgressMade(100));
    EXPECT_FALSE(p.ProgressMade(250));
}

TEST(ProgressTimes, ElapsedTimeCarriesOverMidnight) {
    FakeClock clock{86400 - 2};
    ProgressModel p(clock.Function());
    p.InitProgress("t", false);
    clock.now = 3;
    p.ProgressMade(1);
    EXPECT_EQ(p.ElapsedText(), "5 Seconds Elapsed");
}
