#include "comm/CardTexts.h"
#include "comm/FlashTexts.h"
#include "comm/LurchErrorReaction.h"
#include "comm/SessionTexts.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using comm::LurchErrorReaction;
namespace texts = comm::SessionTexts;
namespace card = comm::CardTexts;
namespace flash = comm::FlashTexts;

TEST(LinkErrorMessages, EachCodeHasItsWordsAndItsEffectOnATransfer) {
    struct Row {
        quint16 code;
        const char* text;
        bool closesProgress, cancelsTransfer, beeps;
    };
    for (const Row& r :
         {Row{19, "Error transferring map.", true, false, false},
          Row{20, "Error erasing memory partition.", true, false, false},
          Row{21, "Error reading number of memory partitions.", false, false, false},
          Row{22, "Error reading memory partition status.", false, false, false},
          Row{782, "Failed to receive product information!", false, false, false},
          Row{1001, "No connection on COM 3.", false, true, false},
          Row{13, "", false, false, false}, // no answer at this rate: the scan goes on
          // any other code stops the transfer with a beep
          Row{0, "", true, true, true}, Row{1, "", true, true, true}, Row{14, "", true, true, true},
          Row{23, "", true, true, true}, Row{781, "", true, true, true}, Row{1000, "", true, true, true},
          Row{65535, "", true, true, true}}) {
        const auto reaction = LurchErrorReaction::For(r.code, 3);
        EXPECT_EQ(reaction.text, r.text) << r.code;
        EXPECT_EQ(reaction.closesProgress, r.closesProgress) << r.code;
        EXPECT_EQ(reaction.cancelsTransfer, r.cancelsTransfer) << r.code;
        EXPECT_EQ(reaction.beeps, r.beeps) << r.code;
    }
    EXPECT_EQ(LurchErrorReaction::For(19, 1).title, "Communications Error");
    EXPECT_EQ(LurchErrorReaction::For(782, 1).icon, ui::Icon::Critical);
    // The stray messages' warning is met in TransferFaultsTest.
    EXPECT_EQ(LurchErrorReaction::For(2000, 1).title, "Warning");
}

TEST(ConnectMessages, ConnectFailuresParallelPortResultsAndTheVersionCheckHaveTheirWords) {
    const QString noUnit =
        "Unable to connect to unit.\r\nMake sure the unit is set to no parity and 8 data bits, that NMEA and "
        "DGPS are turned off,\r\nand then try again. If you still have problems, verify that the COM port "
        "and software are installed properly.";
    EXPECT_EQ(texts::ConnectFailure(true, true), noUnit);
    EXPECT_EQ(texts::ConnectFailure(true, false), noUnit);
    EXPECT_EQ(texts::ConnectFailure(false, true),
              "Unable to open any COM port. Make sure no other program is using your COM port(s).");

    EXPECT_TRUE(texts::ParallelPortResult(0).isEmpty());
    EXPECT_EQ(
        texts::ParallelPortResult(2),
        "The parallel port is already open by another program.\r\nPlease exit other program and try again.");
    EXPECT_EQ(texts::ParallelPortResult(3),
              "The parallel port driver is not installed correctly.\r\nPlease reinstall the application.");
    EXPECT_TRUE(texts::ParallelPortResult(7).isEmpty());

    // The version check shows both versions as the unit would read them.
    const float unit = 2.0f + 5.0f / 100.0f;
    EXPECT_EQ(
        texts::UnitVersionCheck(unit, 2.1f),
        "GPS unit's software version is v2.05.\r\nThe software shipped on your Terrafold CD for this unit "
        "is version v2.1.\r\nIt is highly recommended that you update your software before continuing.\r\n"
        "Would you like to update the GPS unit's software?");
}

// The texts of the card codes 1 to 8 are checked where a card refuses a start.
TEST(CardResults, CardResultsAndPartitionChecksHaveTheirWordsAndOnlyZeroIsSuccess) {
    EXPECT_TRUE(card::FileWriteStartResult(0).isEmpty());
    EXPECT_EQ(card::FileWriteStartResult(-1), "Unable to start transfering the file.");
    EXPECT_TRUE(card::SaveDataResult(0).isEmpty());
    EXPECT_TRUE(card::LoadDataResult(0).isEmpty());
    EXPECT_EQ(card::LoadDataResult(2), "Incompatible user data file version.");
    EXPECT_EQ(card::LoadDataResult(3), "File contains too much information for loading.");
    EXPECT_FALSE(card::SaveDataResult(29).isEmpty());
    EXPECT_FALSE(card::LoadDataResult(4).isEmpty());

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
