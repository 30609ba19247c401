#include "DesktopFixture.h"

#include "app/StatusPanels.h"
#include "comm/CardOperations.h"
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
    StartUnit({QStringLiteral("--rate"), QStringLiteral("9600"), QStringLiteral("--name"),
               QStringLiteral("Voyager 12")});
    main->Link().SetBaudRate(115200);
    Shot(QStringLiteral("01-ready"));
    Click("connect");
    unitwindows::frmSerialConnect* connecting = main->UnitLink().ConnectWindow();
    ASSERT_TRUE(connecting);
    EXPECT_TRUE(connecting->isVisible());
    ASSERT_TRUE(WaitFor([&] { return connecting->StatusText().contains(QStringLiteral("Trying")); }));
    Shot(QStringLiteral("02-connecting"));
    ASSERT_TRUE(WaitFor([&] { return Message() == QStringLiteral("Voyager 12"); }));
    EXPECT_FALSE(connecting->isVisible());
    EXPECT_EQ(ConnectionPanel(), QStringLiteral("COM1 - 9600 baud"));
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
    Shot(QStringLiteral("03-downloading"));
    ASSERT_TRUE(WaitFor([&] { return ends.size() == 2; }, 120000));
    EXPECT_EQ(ends.last(), true);
    EXPECT_EQ(Message(), QStringLiteral("Download complete"));
    EXPECT_EQ(main->Data().CountWaypoints(), 4);
    EXPECT_EQ(main->Data().CountRoutes(), 1);
    EXPECT_EQ(main->Data().Trail(0)->NumPoints(), 1200);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Download Trails"));
    Shot(QStringLiteral("04-downloaded"));

    // Cancel half-way through the upload's trail.
    ASSERT_TRUE(main->Transfers().Upload({}));
    ASSERT_TRUE(WaitFor([&] { return Message().startsWith(QStringLiteral("Sending trail")); }, 120000));
    QTest::mouseClick(main->Progress().findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_EQ(ends.last(), false);
    EXPECT_FALSE(main->Transfers().Engine().Busy());
    EXPECT_FALSE(main->Progress().isVisible());

    Click("disconnect");
    EXPECT_EQ(ConnectionPanel(), QStringLiteral("Ready to connect"));
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return main->Link().Connected() && !connecting->isVisible(); }));
    EXPECT_EQ(ConnectionPanel(), QStringLiteral("COM1 - 9600 baud"));
    Shot(QStringLiteral("06-reconnected"));
}

TEST_F(DesktopUnit, TheTransferWindowAndTheOptionsWindowOpenFromTheMenus) {
    Connect();
    QDialog* transfer = OpenTransferWindow();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->objectName(), QStringLiteral("frmPodTransfer"));
    Shot(QStringLiteral("07-transfer-window"));
    transfer->reject();

    main->UnitLink().SetPortSource([] {
        return QList<unitwindows::SerialPortList::Entry>{
            {QStringLiteral(
                 "/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"),
             QStringLiteral("Prolific Technology Inc. USB-Serial Controller (/dev/ttyUSB0)")}};
    });
    Command("mnuUnitOptions")->trigger();
    unitwindows::frmOptions* options = main->UnitLink().OptionsWindow();
    ASSERT_TRUE(options);
    options->ComDevice(2)->setCurrentIndex(0);
    Shot(QStringLiteral("08-options-window"));
    QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);

    // The choice is in the settings file and comes back with the next start.
    unit.reset();
    Restart();
    EXPECT_EQ(
        main->Link().Pod().Ports().ChosenComDevice(2),
        QStringLiteral("/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"));
}

TEST_F(DesktopUnit, TheLastTransferChoiceComesBackWithTheNextStart) {
    Connect();
    QDialog* transfer = OpenTransferWindow();
    ASSERT_TRUE(transfer);
    transfer->findChild<QCheckBox*>(QStringLiteral("chkRoutes"))->setChecked(false);
    transfer->findChild<QCheckBox*>(QStringLiteral("chkIcons"))->setChecked(false);
    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    QTest::mouseClick(transfer->findChild<QPushButton*>(QStringLiteral("btnDownload")), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !ends.isEmpty(); }, 60000));

    unit.reset();
    Restart();
    const comm::TransferSelection kept = main->Transfers().Selection();
    EXPECT_EQ(kept.waypoints.choice, comm::KindRange::All);
    EXPECT_EQ(kept.routes.choice, comm::KindRange::None);
    EXPECT_EQ(kept.icons.choice, comm::KindRange::None);
    EXPECT_EQ(kept.trails.choice, comm::KindRange::All);
    QFile settings(Path(QStringLiteral("config/terrafol.ini")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("TransferOption optRteNone\r\n"));
}

TEST_F(DesktopUnit, TheConnectCommandEmptiesTheCardLists) {
    QTemporaryDir card;
    MakeCard(card.path(), "label=HIKES\ncapacity=8388608\n");
    QFile(QDir(card.path()).filePath(QStringLiteral("hills.ncm"))).open(QIODevice::WriteOnly);
    Connect({QStringLiteral("--card"), card.path()});
    auto* devices = main->findChild<QListWidget*>(QStringLiteral("lstDevices"));
    auto* files = main->findChild<QListWidget*>(QStringLiteral("lstFiles"));
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
    QDir(dir.path()).mkpath(QStringLiteral("cd/Code"));
    Put(QStringLiteral("cd/Code/Update.exe"), "MZ");
    main->ParseCommandOptions(QStringLiteral("/d") + Path(QStringLiteral("cd")));
    QList<bool> connectedWhenOpened;
    main->SetUpdateOpener([&](const QUrl&) {
        connectedWhenOpened << main->Link().SerialConnected();
        return true;
    });
    Command("mnuHelpUpdate")->trigger();
    EXPECT_EQ(connectedWhenOpened, QList<bool>{false});
    EXPECT_EQ(ConnectionPanel(), QStringLiteral("Ready to connect"));
}
