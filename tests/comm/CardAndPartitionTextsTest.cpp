#include "comm/CardTexts.h"
#include "comm/FlashTexts.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace card = comm::CardTexts;
namespace flash = comm::FlashTexts;

TEST(CardList, LabelIsCutOrPaddedToTenAndFreeSpaceNeverBelowNothing) {
    struct Row {
        const char* label;
        bool formatted;
        quint64 capacity, used;
        const char* line;
    };
    for (const Row& r : {Row{"Maps", true, 32 * 1048576ull, 8 * 1048576ull, "Maps      24.00 MB free"},
                         Row{"Holiday maps 2", true, 1048576, 524288, "Holiday ma0.50 MB free"},
                         Row{"Full", true, 5000, 5000, "Full      0.00 MB free"},
                         Row{"Over", true, 5000, 9000, "Over      0.00 MB free"},
                         Row{"ignored", false, 5000, 0, "Unformatted"}})
        EXPECT_EQ(card::CardEntry(r.label, r.formatted, r.capacity, r.used), r.line) << r.label;
}

// The texts of the card codes 1 to 8 are checked where a card refuses a start.
TEST(CardResults, OnlyZeroIsSuccessAndEveryOtherResultHasWords) {
    EXPECT_TRUE(card::FileWriteStartResult(0).isEmpty());
    EXPECT_EQ(card::FileWriteStartResult(-1), "Unable to start transfering the file.");
    EXPECT_TRUE(card::SaveDataResult(0).isEmpty());
    EXPECT_TRUE(card::LoadDataResult(0).isEmpty());
    EXPECT_EQ(card::LoadDataResult(2), "Incompatible user data file version.");
    EXPECT_EQ(card::LoadDataResult(3), "File contains too much information for loading.");
    EXPECT_FALSE(card::SaveDataResult(29).isEmpty());
    EXPECT_FALSE(card::LoadDataResult(4).isEmpty());
}

TEST(PartitionTexts, LinesSelectionAndConfirmation) {
    EXPECT_EQ(flash::PartitionLine(0, 2 * 1048576, true, "Lakes"), "1  2.00 MB     Lakes");
    EXPECT_EQ(flash::PartitionLine(11, 524288, false, "stale name"), "12 0.50 MB     Unused");
    EXPECT_TRUE(flash::SelectionCheck(1048576, 1048576).isEmpty());
    EXPECT_EQ(flash::SelectionCheck(3 * 1048576 / 2, 1048576),
              "Map created requires 1.50  MB.\r\nNot enough memory to store map.\r\n"
              "Try selecting another memory partition.");
    EXPECT_EQ(
        flash::TransferConfirmation("Lakes", {"1   Unused", "2   Roads"}),
        "You have chosen to transfer Lakes to the following memory partitions:\r\n\r\n1   Unused\r\n2   Roads"
        "\r\nThis will overwrite existing data.\r\nDo you wish to continue?");
    EXPECT_TRUE(flash::TransferConfirmation("", {"1   Unused"})
                    .startsWith("You have chosen to transfer the map to the following memory partitions:"));
    EXPECT_EQ(flash::SlowRateWarning(9600),
              "Connected at 9600 baud.\r\nMap transfers will be extremely slow.\r\n"
              "Recommend disconnecting and reconnecting\r\nat a baud rate of at least "
              "19200.\r\nContinue anyway?");
}
