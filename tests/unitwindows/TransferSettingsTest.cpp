#include "unitwindows/TransferSettings.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using comm::KindRange;
using comm::TransferSelection;
using unitwindows::TransferSettings;

namespace {

bool Same(const KindRange& a, const KindRange& b) {
    return a.choice == b.choice && a.first == b.first && a.last == b.last;
}

bool Same(const TransferSelection& a, const TransferSelection& b) {
    return Same(a.waypoints, b.waypoints) && Same(a.routes, b.routes) && Same(a.icons, b.icons) &&
           Same(a.trails, b.trails);
}

TransferSelection Chosen() {
    TransferSelection s;
    s.waypoints = KindRange::Indexes(4, 119);
    s.routes = KindRange::Nothing();
    s.icons = {KindRange::All, 0, 249};
    s.trails = KindRange::Everything();
    return s;
}

} // namespace

TEST(TransferSettings, TheChoiceIsWrittenInTheWindowsOwnNamesCountingFromOneAndReadsBack) {
    EXPECT_EQ(TransferSettings::Options(Chosen()),
              (QStringList{"optWptRange", "optRteNone", "optIcnAll", "optTrlAll"}));
    EXPECT_EQ(
        TransferSettings::UpDownValues(Chosen()),
        (TransferSettings::Values{{"udWptMin", 5}, {"udWptMax", 120}, {"udIcnMin", 1}, {"udIcnMax", 250}}));
    EXPECT_TRUE(Same(
        TransferSettings::Read(TransferSettings::Options(Chosen()), TransferSettings::UpDownValues(Chosen())),
        Chosen()));
}

TEST(TransferSettings, LinesThatMakeNoRangeLeaveTheKindAsItWas) {
    TransferSelection base;
    base.routes = KindRange::Indexes(1, 2);
    const TransferSelection read =
        TransferSettings::Read({"optWptRange", "optRteRange", "optIcnRange", "optTrlBogus", "optXyzNone", ""},
                               {{"udWptMin", 9},
                                {"udWptMax", 3}, // first above last
                                {"udRteMin", 0}, // item numbers start at 1; no last
                                {"udIcnMin", 1},
                                {"udIcnMax", 70000}},
                               base);
    EXPECT_TRUE(Same(read, base));
}

TEST(TransferSettings, TheLastLineOfANameCounts) {
    const TransferSelection read =
        TransferSettings::Read({"optWptAll", "optWptRange", "optTrlRange", "optTrlNone"},
                               {{"udWptMin", 2}, {"udWptMax", 9}, {"udWptMax", 4}});
    EXPECT_TRUE(Same(read.waypoints, KindRange::Indexes(1, 3)));
    EXPECT_TRUE(Same(read.trails, KindRange::Nothing()));
    EXPECT_TRUE(Same(read.routes, KindRange::Everything()));
}
