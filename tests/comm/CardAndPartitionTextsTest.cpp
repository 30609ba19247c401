#include "comm/CardTexts.h"
#include "comm/FlashTexts.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace card = comm::CardTexts;
namespace flash = comm::FlashTexts;

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

TEST(PartitionTexts, SelectionAndConfirmation) {
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
