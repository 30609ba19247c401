#include "SessionFixture.h"

#include <QStandardPaths>
#include <QTemporaryDir>

using namespace comm_testing;

using ConnectionSession = SessionFixture;

TEST_F(ConnectionSession, ScansRatesUntilTheUnitAnswersAndTakesOverItsLimits) {
    StartUnit({"--max-waypoints", "321", "--max-routes", "17", "--max-trails", "4", "--max-icons", "77",
               "--max-route-waypoints", "33", "--symbols", "0-5,9", "--version", "2.5", "--name", "Scout 7"},
              9600);
    ASSERT_EQ(session.BaudRate(), 115200);
    ASSERT_TRUE(session.Connect());
    ASSERT_TRUE(WaitFor([this] { return !versions.isEmpty(); }));
    EXPECT_TRUE(session.Connected());
    EXPECT_EQ(session.BaudRate(), 9600);
    EXPECT_EQ(session.RemoteHostHandle(), 0x2A01u);
    EXPECT_TRUE(StatusTexts().contains(QStringLiteral("Com1 - Trying 4800 baud")));
    EXPECT_TRUE(StatusTexts().contains(QStringLiteral("Com1 - Trying 9600 baud")));
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Scout 7"));
    EXPECT_EQ(productInfos, 1);
    EXPECT_FLOAT_EQ(versions.value(0), 2.5f);
    EXPECT_EQ((QList<int>{data.ProductID(), data.MaxNumGPSWaypoints(), data.MaxNumGPSRoutes(),
                          data.MaxNumGPSTrails(), data.MaxNumGPSIcons(), data.MaxNumGPSWptsPerRoute(),
                          data.MaxNumGPSIconSymbols()}),
              (QList<int>{100, 321, 17, 4, 77, 33, 10}));
    EXPECT_TRUE(data.ValidSymbol(5));
    EXPECT_FALSE(data.ValidSymbol(7));
    EXPECT_TRUE(data.ValidSymbol(9));
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(ConnectionSession, ProductRequestsRunOnceWhicheverIdentificationComesFirst) {
    StartUnit({"--limits-first", "--symbols", "0-34"}, 19200);
    ConnectAt(19200);
    EXPECT_EQ(productInfos, 1);
    EXPECT_EQ(versions.size(), 1);
    EXPECT_EQ(data.MaxNumGPSIconSymbols(), 15) << "thirty-five symbols are stored as fifteen";
}

TEST_F(ConnectionSession, AZeroMaximumIsFailedProductInformationAndChangesNothing) {
    StartUnit({"--max-trails", "0"}, 19200);
    const qint16 before = data.MaxNumGPSWaypoints();
    ConnectAt(19200);
    EXPECT_EQ(errors, QList<quint16>{782});
    EXPECT_EQ(productInfos, 0);
    EXPECT_EQ(data.MaxNumGPSWaypoints(), before);
}

TEST_F(ConnectionSession, NoPortOpeningSaysSoAndWithNothingConnectedItemOperationsAreSilent) {
    session.SetAutoSelectComPort(false);
    EXPECT_FALSE(session.Connect());
    session.SetAutoSelectComPort(true);
    session.SetComPort(3);
    EXPECT_FALSE(session.Connect());
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Communications Error"));
    EXPECT_EQ(prompt.shown[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(prompt.shown[0].text.startsWith(QStringLiteral("Unable to open the selected COM port.")));
    EXPECT_TRUE(prompt.shown[1].text.startsWith(QStringLiteral("Unable to open any COM port.")));
    EXPECT_EQ(session.ComPort(), 3) << "the walk comes back to the port it started from";
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Unable to connect to unit"));
    EXPECT_EQ(statusChanges, 2);
    EXPECT_FALSE(session.Connected());

    int events = 0;
    QObject::connect(&session, &comm::Connection::WaypointSent, [&] { ++events; });
    QObject::connect(&session, &comm::Connection::Waypoint, [&] { ++events; });
    session.SetWaypoint(3, true, {});
    session.GetWaypoint(3);
    EXPECT_EQ(session.GetLastWaypoint(321), 321);
    QCoreApplication::processEvents();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);
}

TEST_F(ConnectionSession, AUnitAtNoScannedRateEndsTheScanWithTheUnitMessage) {
    // The scan never goes below 4800, so this unit is never found; the scan
    // must still end.
    StartUnit({}, 1200);
    session.SetAutoSelectComPort(false);
    ASSERT_TRUE(session.Connect());
    ASSERT_TRUE(WaitFor([this] { return !prompt.shown.isEmpty(); }, 120000));
    EXPECT_TRUE(prompt.shown[0].text.startsWith(QStringLiteral("Unable to connect to unit.\r\n")));
    EXPECT_FALSE(session.Connected());
    EXPECT_TRUE(StatusTexts().contains(QStringLiteral("Com1 - Trying 57600 baud")));
}

TEST_F(ConnectionSession, AVanishedUnitIsRemovedAndTheSessionFallsBackToTheDefaultDevice) {
    StartUnit({"--vanish-after", "4"}, 19200);
    QList<quint16> removed;
    QObject::connect(&session, &comm::Connection::DeviceRemoved, [&](quint16 d) { removed << d; });
    ConnectAt(19200);
    const int changes = statusChanges;
    session.OnSession([](linkpod::LinkPod& p) {
        for (int i = 0; i < 6; ++i)
            p.ReadWaypoint(i);
    });
    ASSERT_TRUE(WaitFor([&] { return !removed.isEmpty(); }));
    EXPECT_EQ(removed.value(0), 0x2A01);
    EXPECT_FALSE(session.Connected());
    EXPECT_EQ(session.RemoteHostHandle(), session.LocalHostHandle());
    EXPECT_GT(statusChanges, changes);
}

TEST_F(ConnectionSession, ADezavUnitIsNotConnectedButShowsItsPartitions) {
    StartUnit({"--dezav"}, 19200);
    QList<bool> frames;
    QObject::connect(&session, &comm::Connection::ShowFlashSections, [&](bool p) { frames << p; });
    session.SetBaudRate(19200);
    ASSERT_TRUE(session.Connect());
    ASSERT_TRUE(WaitFor([&] { return session.ConnectionIsLurch(); }));
    EXPECT_FALSE(session.Connected());
    EXPECT_FALSE(session.Linked());
    EXPECT_EQ(frames, QList<bool>{true});
}

TEST_F(ConnectionSession, TheCardReaderOpensOrSaysWhyNotAndHowToChooseItsFolder) {
    // The usual folder is looked for under the test's own data folder.
    QStandardPaths::setTestModeEnabled(true);
    qunsetenv("TERRAFOLD_LPT2");
    ASSERT_FALSE(pod.Ports().ReaderFolderChosen(2));
    session.SetLPTPort(2);
    session.OpenLPTPort();
    EXPECT_FALSE(session.LPTPortOpen());
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, ui::ProgramTitle());
    EXPECT_TRUE(prompt.shown[0].text.startsWith(
        QStringLiteral(
            "No folder is set for the card reader on LPT2 and its usual folder was not found:\r\n") +
        pod.Ports().ReaderFolder(2) +
        QStringLiteral("\r\nChoose the card reader's folder for LPT2 in the Options")));
    QStandardPaths::setTestModeEnabled(false);

    QTemporaryDir folder;
    pod.Ports().SetReaderFolder(1, folder.path());
    pod.Ports().SetReaderFolder(2, folder.filePath(QStringLiteral("missing")));
    session.OpenLPTPort();
    EXPECT_FALSE(session.LPTPortOpen());
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[1].text,
              QStringLiteral("The card reader's folder for LPT2 was not found:\r\n") +
                  folder.filePath(QStringLiteral("missing")) +
                  QStringLiteral("\r\nInsert or mount the card there, or choose the card reader's folder for "
                                 "LPT2 in the Options window, then open the card reader again."));
    session.SetLPTPort(1);
    session.OpenLPTPort();
    EXPECT_TRUE(session.LPTPortOpen());
    EXPECT_TRUE(session.Linked());
    session.CloseLPTPort();
    EXPECT_FALSE(session.LPTPortOpen());
    EXPECT_EQ(statusChanges, 4);
}
