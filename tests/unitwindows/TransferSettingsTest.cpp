#include "unitwindows/TransferSettings.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using comm::KindRange;
using comm::TransferSelection;
using unitwindows::TransferSettings;

namespace {

// A selection as the settings file holds it.
std::pair<QStringList, TransferSettings::Values> Written(const TransferSelection& s) {
    return {TransferSettings::Options(s), TransferSettings::UpDownValues(s)};
}

} // namespace

TEST(TransferSettings,
     TheChoiceIsWrittenInTheWindowsOwnNamesCountingFromOneAndReadsBackWhateverTheUserEdited) {
    TransferSelection chosen;
    chosen.waypoints = KindRange::Indexes(4, 119);
    chosen.routes = KindRange::Nothing();
    chosen.icons = {KindRange::All, 0, 249};
    const auto [options, values] = Written(chosen);
    EXPECT_EQ(options, (QStringList{"optWptRange", "optRteNone", "optIcnAll", "optTrlAll"}));
    EXPECT_EQ(values, (TransferSettings::Values{
                          {"udWptMin", 5}, {"udWptMax", 120}, {"udIcnMin", 1}, {"udIcnMax", 250}}));
    EXPECT_EQ(Written(TransferSettings::Read(options, values)), Written(chosen));

    // The file is the user's to edit: no range leaves the kind; the last line of a name counts.
    TransferSelection base;
    base.routes = KindRange::Indexes(1, 2);
    const TransferSelection unchanged =
        TransferSettings::Read({"optWptRange", "optRteRange", "optIcnRange", "optTrlBogus", "optXyzNone", ""},
                               {{"udWptMin", 9},
                                {"udWptMax", 3}, // first above last
                                {"udRteMin", 0}, // item numbers start at 1; no last
                                {"udIcnMin", 1},
                                {"udIcnMax", 70000}},
                               base);
    EXPECT_EQ(Written(unchanged), Written(base));

    TransferSelection lastLines;
    lastLines.waypoints = KindRange::Indexes(1, 3);
    lastLines.trails = KindRange::Nothing();
    EXPECT_EQ(Written(TransferSettings::Read({"optWptAll", "optWptRange", "optTrlRange", "optTrlNone"},
                                             {{"udWptMin", 2}, {"udWptMax", 9}, {"udWptMax", 4}})),
              Written(lastLines));
}
