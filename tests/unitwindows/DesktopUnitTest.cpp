#include "DesktopFixture.h"

#include "app/StatusPanels.h"
#include "comm/CardOperations.h"
#include "comm/Connection.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "unitwindows/MapUnitCommands.h"
#include "unitwindows/UnitConnect.h"
#include "unitwindows/UnitPanes.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmOptions.h"
#include "unitwindows/frmSerialConnect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using linkpod_testing::WaitFor;
using unitwindows_testing::DesktopUnit;

TEST_F(DesktopUnit, ConnectDownloadCancelAndReconnectFromTheWindow) {
    StartUnit({"--rate", "9600", "--name", "Voyager 12"});
    main->Link().SetBaudRate(115200);
    Shot("01-ready");
    Click("connect");
    unitwindows::frmSerialConnect* connecting = main->UnitLink().ConnectWindow();
    ASSERT_TRUE(connecting);
    EXPECT_TRUE(connecting->isVisible());
    EXPECT_TRUE(connecting->isModal());
    // The user cannot close it while the attempt runs.
    connecting->close();
    QTest::keyClick(connecting, Qt::Key_Escape);
    EXPECT_TRUE(connecting->isVisible());
    ASSERT_TRUE(WaitFor([&] { return connecting->StatusText() == "Com1 - Trying 9600 baud"; }));
    Shot("02-connecting");
    ASSERT_TRUE(WaitFor([&] { return Message() == "Voyager 12"; }));
    EXPECT_FALSE(connecting->isVisible());
    EXPECT_EQ(ConnectionPanel(), "COM1 - 9600 baud");
    EXPECT_TRUE(Command("mnuUnitDownload")->isEnabled());

    // The unit gets a trip, the program starts afresh and takes it back.
    Fill(main->Data());
    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    ASSERT_TRUE(main->Transfers().Upload({}));
    ASSERT_TRUE(WaitFor([&] { return ends.size() == 1; }, 120000));
    main->Data().DeleteWaypoints();
    main->Data().DeleteRoutes();
    main->Data().DeleteTrails();
    main->Data().SetDirty(false);
    Click("download");
    ASSERT_TRUE(WaitFor([&] { return main->Progress().isVisible(); }));
    Shot("03-downloading");
    ASSERT_TRUE(WaitFor([&] { return ends.size() == 2; }, 120000));
    EXPECT_EQ(ends.last(), true);
    EXPECT_EQ(Message(), "Download complete");
    EXPECT_EQ(main->Data().CountWaypoints(), 4);
    EXPECT_EQ(main->Data().CountRoutes(), 1);
    EXPECT_EQ(main->Data().Trail(0)->NumPoints(), 1200);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Download Trails");
    Shot("04-downloaded");

    // Cancel half-way through the upload's trail.
    ASSERT_TRUE(main->Transfers().Upload({}));
    ASSERT_TRUE(WaitFor([&] { return Message().startsWith("Sending trail"); }, 120000));
    QTest::mouseClick(main->Progress().findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(ends.last(), false);
    EXPECT_FALSE(main->Transfers().Engine().Busy());
    EXPECT_FALSE(main->Progress().isVisible());

    Click("disconnect");
    EXPECT_EQ(ConnectionPanel(), "Ready to connect");
    EXPECT_EQ(Message(), QString());
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return main->Link().Connected() && !connecting->isVisible(); }));
    EXPECT_EQ(ConnectionPanel(), "COM1 - 9600 baud");
    Shot("06-reconnected");
}

TEST_F(DesktopUnit, TheOptionsWindowOpensFromTheMenuAndItsChoiceComesBackWithTheNextStart) {
    Connect();
    main->UnitLink().SetPortSource([] {
        return QList<unitwindows::SerialPortList::Entry>{
            {QStringLiteral(
                 "/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"),
             "Prolific Technology Inc. USB-Serial Controller (/dev/ttyUSB0)"}};
    });
    Command("mnuUnitOptions")->trigger();
    unitwindows::frmOptions* options = main->UnitLink().OptionsWindow();
    ASSERT_TRUE(options);
    options->ComDevice(2)->setCurrentIndex(0);
    Shot("08-options-window");
    QTest::mouseClick(options->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);

    // The choice is in the settings file and comes back with the next start.
    unit.reset();
    Restart();
    EXPECT_EQ(main->Link().Pod().Ports().ChosenComDevice(2),
              "/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0");
}

TEST_F(DesktopUnit, TheLastTransferChoiceComesBackWithTheNextStart) {
    Connect();
    QDialog* transfer = OpenTransferWindow();
    ASSERT_TRUE(transfer);
    transfer->findChild<QCheckBox*>("chkRoutes")->setChecked(false);
    transfer->findChild<QCheckBox*>("chkIcons")->setChecked(false);
    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    QTest::mouseClick(transfer->findChild<QPushButton*>("btnDownload"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !ends.isEmpty(); }, 60000));

    unit.reset();
    Restart();
    const comm::TransferSelection kept = main->Transfers().Selection();
    EXPECT_EQ(kept.waypoints.choice, comm::KindRange::All);
    EXPECT_EQ(kept.routes.choice, comm::KindRange::None);
    EXPECT_EQ(kept.icons.choice, comm::KindRange::None);
    EXPECT_EQ(kept.trails.choice, comm::KindRange::All);
    EXPECT_TRUE(
        testing_support::ReadFile(Path("config/terrafol.ini")).contains("TransferOption optRteNone\r\n"));
}

TEST_F(DesktopUnit, TheConnectCommandEmptiesTheCardLists) {
    QTemporaryDir card;
    MakeCard(card.path(), "label=HIKES\ncapacity=8388608\n");
    QFile(QDir(card.path()).filePath("hills.ncm")).open(QIODevice::WriteOnly);
    Connect({"--card", card.path()});
    auto* devices = main->findChild<QListWidget*>("lstDevices");
    auto* files = main->findChild<QListWidget*>("lstFiles");
    ASSERT_TRUE(devices && files);
    ASSERT_TRUE(WaitFor([&] { return devices->count() == 1; }));
    devices->setCurrentRow(0);
    ASSERT_EQ(files->count(), 1);
    emit main->UnitLink().ClearDeviceLists();
    EXPECT_EQ(devices->count(), 0);
    EXPECT_EQ(files->count(), 0);
    EXPECT_TRUE(main->UnitMemory().Cards().Devices().isEmpty());
}

TEST_F(DesktopUnit, TheUnitSoftwareUpdateDisconnectsBeforeTheUpdaterOpens) {
    Connect();
    QDir(dir.path()).mkpath("cd/Code");
    Put("cd/Code/Update.exe", "MZ");
    main->ParseCommandOptions("/d" + Path("cd"));
    QList<bool> connectedWhenOpened;
    main->SetUpdateOpener([&](const QUrl&) {
        connectedWhenOpened << main->Link().SerialConnected();
        return true;
    });
    Command("mnuHelpUpdate")->trigger();
    EXPECT_EQ(connectedWhenOpened, QList<bool>{false});
    EXPECT_EQ(ConnectionPanel(), "Ready to connect");
}

// The message panel around the unit's comings and goings: a text stays only
// while it is true.
TEST_F(DesktopUnit, AStartUpProbeThatFindsNoPortLeavesNoTryingText) {
    main->Link().Pod().Ports().SetComDevice(1, "/nonexistent/tf-com1");
    main->Link().SetComPort(1);
    ASSERT_TRUE(WaitFor([&] { return !main->Link().tmrLinkPod().isActive(); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();
}

TEST_F(DesktopUnit, AStartUpProbeThatNoUnitAnswersLeavesNoTryingText) {
    main->Link().SetComPort(1);
    StartUnit({"--rate", "1200"});
    ASSERT_TRUE(WaitFor([&] { return Message().startsWith("Com1 - Trying"); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();
    EXPECT_FALSE(main->Link().Connected());
}

TEST_F(DesktopUnit, TheUnitsNameGoesWhenItIsUnplugged) {
    Connect({"--name", "Voyager 12", "--vanish-after", "30"});
    ASSERT_TRUE(WaitFor([&] { return Message() == "Voyager 12"; }));
    main->Link().OnSession([](linkpod::LinkPod& pod) {
        for (int i = 0; i < 40; ++i)
            pod.ReadWaypoint(i);
    });
    ASSERT_TRUE(WaitFor([&] { return !main->Link().Connected(); }));
    EXPECT_EQ(Message(), QString());
}
