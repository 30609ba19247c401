#include "comm/SessionTexts.h"
#include "comm/LurchErrorReaction.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using comm::LurchErrorReaction;
namespace texts = comm::SessionTexts;

TEST(LinkErrorMessages, PartitionErrorsCloseTheProgressWhenAMapIsMoving) {
    const auto map = LurchErrorReaction::For(19, 1);
    EXPECT_EQ(map.title, "Communications Error");
    EXPECT_EQ(map.text, "Error transferring map.");
    EXPECT_TRUE(map.closesProgress);
    EXPECT_FALSE(map.cancelsTransfer);
    EXPECT_EQ(LurchErrorReaction::For(20, 1).text, "Error erasing memory partition.");
    EXPECT_TRUE(LurchErrorReaction::For(20, 1).closesProgress);
    EXPECT_EQ(LurchErrorReaction::For(21, 1).text, "Error reading number of memory partitions.");
    EXPECT_FALSE(LurchErrorReaction::For(21, 1).closesProgress);
    EXPECT_EQ(LurchErrorReaction::For(22, 1).text, "Error reading memory partition status.");
    EXPECT_EQ(LurchErrorReaction::For(782, 1).text, "Failed to receive product information!");
    EXPECT_EQ(LurchErrorReaction::For(782, 1).icon, ui::Icon::Critical);
}

TEST(LinkErrorMessages, LostConnectionNamesThePortAndStopsTheTransfer) {
    const auto r = LurchErrorReaction::For(1001, 3);
    EXPECT_EQ(r.text, "No connection on COM 3.");
    EXPECT_TRUE(r.cancelsTransfer);
}

TEST(LinkErrorMessages, StrayMessagesAreAWarning) {
    const auto r = LurchErrorReaction::For(2000, 1);
    EXPECT_EQ(r.title, "Warning");
    EXPECT_EQ(r.text, "Several stray messages received.\r\nIf NMEA or DGPS output is turned on, turn it\r\n"
                      "off for better transfer rates and less errors.");
    EXPECT_FALSE(r.cancelsTransfer);
}

TEST(LinkErrorMessages, NoAnswerAtThisRateIsSilent) {
    const auto r = LurchErrorReaction::For(13, 1);
    EXPECT_TRUE(r.text.isEmpty());
    EXPECT_FALSE(r.cancelsTransfer || r.closesProgress || r.beeps);
}

TEST(LinkErrorMessages, AnyOtherCodeStopsTheTransferWithABeep) {
    for (quint16 code : {0, 1, 14, 23, 781, 1000, 65535}) {
        const auto r = LurchErrorReaction::For(code, 1);
        EXPECT_TRUE(r.text.isEmpty()) << code;
        EXPECT_TRUE(r.closesProgress && r.cancelsTransfer && r.beeps) << code;
    }
}

TEST(ConnectMessages, RetryStatusNamesPortAndRate) {
    EXPECT_EQ(texts::Trying(2, 9600), "Com2 - Trying 9600 baud");
}

TEST(ConnectMessages, FailureTextDependsOnWhatOpened) {
    EXPECT_EQ(
        texts::ConnectFailure(true, true),
        "Unable to connect to unit.\r\nMake sure the unit is set to no parity and 8 data bits, that NMEA and "
        "DGPS are turned off,\r\nand then try again. If you still have problems, verify that the COM port "
        "and software are installed properly.");
    EXPECT_EQ(texts::ConnectFailure(true, false), texts::ConnectFailure(true, true));
    EXPECT_EQ(texts::ConnectFailure(false, true),
              "Unable to open any COM port. Make sure no other program is using your COM port(s).");
    EXPECT_EQ(
        texts::ConnectFailure(false, false),
        "Unable to open the selected COM port. Check the COM port number and make sure no other program is "
        "using that COM port.");
}

TEST(ConnectMessages, ParallelPortResults) {
    EXPECT_TRUE(texts::ParallelPortResult(0).isEmpty());
    EXPECT_EQ(
        texts::ParallelPortResult(2),
        "The parallel port is already open by another program.\r\nPlease exit other program and try again.");
    EXPECT_EQ(texts::ParallelPortResult(3),
              "The parallel port driver is not installed correctly.\r\nPlease reinstall the application.");
    EXPECT_TRUE(texts::ParallelPortResult(7).isEmpty());
}

TEST(ConnectMessages, VersionCheckShowsBothVersionsAsTheUnitWouldRead) {
    const float unit = 2.0f + 5.0f / 100.0f;
    EXPECT_EQ(
        texts::UnitVersionCheck(unit, 2.1f),
        "GPS unit's software version is v2.05.\r\nThe software shipped on your Terrafold CD for this unit "
        "is version v2.1.\r\nIt is highly recommended that you update your software before continuing.\r\n"
        "Would you like to update the GPS unit's software?");
}
