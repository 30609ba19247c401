#include "DesktopFixture.h"

#include "app/StatusPanels.h"
#include "comm/Connection.h"
#include "gpsdata/GPSData.h"
#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"
#include "unitwindows/UnitConnect.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmOptions.h"
#include "unitwindows/frmSerialConnect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using linkpod_testing::WaitFor;
using unitwindows_testing::DesktopUnit;

namespace {

// Runs the process as a user without rights to the device while it lives; root comes back.
class ThrowawayUser {
public:
    ThrowawayUser() {
        if (::geteuid() == 0)
            dropped_ = ::setresuid(Nobody, Nobody, 0) == 0;
    }
    ~ThrowawayUser() {
        if (dropped_ && ::setresuid(0, 0, 0) != 0)
            std::abort(); // the rest of the tests would run with the wrong rights
    }
    bool Unprivileged() const { return ::geteuid() != 0; }

private:
    static constexpr uid_t Nobody = 65534;
    bool dropped_ = false;
};

} // namespace

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
    EXPECT_EQ(main->Data().Trail(1)->NumPoints(), 1500);
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

// The transfer and options windows' choices come back with the next start.
TEST_F(DesktopUnit, ConnectedTheWindowsChoicesComeBackWithTheNextStartAndTheUpdateLetsGo) {
    Connect();
    // The unit's limits come with its name.
    ASSERT_TRUE(WaitFor([&] { return Message() == "Terrafold Trail 12"; }));
    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    Fill(main->Data());
    ASSERT_TRUE(main->Transfers().Upload({}));
    ASSERT_TRUE(WaitFor([&] { return ends.size() == 1; }, 60000));
    ASSERT_TRUE(ends.last());
    main->Data().DeleteWaypoint(5);
    main->Data().DeleteRoutes();
    main->Data().DeleteTrails();
    prompt.shown.clear();

    // The transfer window takes the kinds it checks, once the overwrite question lets it.
    QDialog* transfer = OpenTransferWindow();
    ASSERT_TRUE(transfer);
    for (const char* box : {"chkWaypoints", "chkRoutes", "chkIcons", "chkTrails"})
        EXPECT_TRUE(transfer->findChild<QCheckBox*>(box)->isChecked()) << box;
    transfer->findChild<QCheckBox*>("chkRoutes")->setChecked(false);
    transfer->findChild<QCheckBox*>("chkIcons")->setChecked(false);
    Shot("07-transfer-window");
    prompt.answers = {ui::Answer::Cancel, ui::Answer::No};
    QTest::mouseClick(transfer->findChild<QPushButton*>("btnDownload"), Qt::LeftButton);
    EXPECT_FALSE(main->Transfers().Engine().Busy());
    EXPECT_TRUE(transfer->isVisible());
    EXPECT_EQ(main->Data().CountWaypoints(), 3);
    QTest::mouseClick(transfer->findChild<QPushButton*>("btnDownload"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return ends.size() == 2; }, 60000));
    EXPECT_TRUE(ends.last());
    EXPECT_EQ(prompt.Texts(),
              QStringList(2, "This will overwrite your current data.\nDo you wish to save the changes?"));
    EXPECT_FALSE(main->Transfers().TransferWindow());
    EXPECT_EQ(main->Data().CountWaypoints(), 4);
    EXPECT_EQ(main->Data().CountRoutes(), 0);
    EXPECT_EQ(main->Data().Trail(1)->NumPoints(), 1500);
    EXPECT_EQ(Message(), "Download complete");

    // The software update lets go of the unit before the updater opens.
    QDir(dir.path()).mkpath("cd/Code");
    Put("cd/Code/Update.exe", "MZ");
    main->ParseCommandOptions("/d" + Path("cd"));
    QList<bool> connectedWhenOpened;
    main->SetUpdateOpener([&](const QUrl&) {
        connectedWhenOpened << main->Link().SerialConnected();
        return true;
    });
    Command("mnuSerialUpdateUnitSoftware")->trigger();
    EXPECT_EQ(connectedWhenOpened, QList<bool>{false});
    EXPECT_EQ(ConnectionPanel(), "Ready to connect");

    const QString stable = "/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0";
    const auto ports = [&] {
        main->UnitLink().SetPortSource([&] {
            return QList<unitwindows::SerialPortList::Entry>{
                {stable, "Prolific Technology Inc. USB-Serial Controller (/dev/ttyUSB0)"}};
        });
    };
    ports();
    // Cancel writes nothing back.
    Command("mnuUnitOptions")->trigger();
    unitwindows::frmOptions* options = main->UnitLink().OptionsWindow();
    ASSERT_TRUE(options);
    options->findChild<QRadioButton*>("optCom4")->setChecked(true);
    options->ComDevice(4)->setEditText("/dev/ttyS0");
    QTest::mouseClick(options->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(main->Link().ComPort(), 1);
    EXPECT_EQ(main->Link().Pod().Ports().ChosenComDevice(4), "/nonexistent/tf-com4");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed window goes
    Command("mnuUnitOptions")->trigger();
    options = main->UnitLink().OptionsWindow();
    ASSERT_TRUE(options);
    EXPECT_EQ(options->ComDevice(1)->itemText(0), stable);
    options->findChild<QRadioButton*>("optCom3")->setChecked(true);
    options->ComDevice(2)->setCurrentIndex(0);
    auto* autoSelect = options->findChild<QCheckBox*>("chkAutoSelectComPort");
    const bool autoSelected = !autoSelect->isChecked();
    autoSelect->setChecked(autoSelected);
    options->findChild<QComboBox*>("cboLptPort")->setCurrentIndex(1);
    options->ReaderFolder(2)->setText("/media/cards/reader");
    Shot("08-options-window");
    QTest::mouseClick(options->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(main->Link().ComPort(), 3);
    EXPECT_EQ(main->Link().LPTPort(), 2);
    EXPECT_EQ(main->Link().AutoSelectComPort(), autoSelected);

    unit.reset();
    Restart();
    EXPECT_EQ(main->Link().Pod().Ports().ChosenComDevice(2), stable);
    EXPECT_EQ(main->Link().Pod().Ports().ChosenReaderFolder(2), "/media/cards/reader");
    const comm::TransferSelection kept = main->Transfers().Selection();
    EXPECT_EQ(kept.waypoints.choice, comm::KindRange::All);
    EXPECT_EQ(kept.routes.choice, comm::KindRange::None);
    EXPECT_EQ(kept.icons.choice, comm::KindRange::None);
    EXPECT_EQ(kept.trails.choice, comm::KindRange::All);
    EXPECT_TRUE(
        testing_support::ReadFile(Path("config/terrafol.ini")).contains("TransferOption optRteNone\r\n"));
    // The options window shows what the last one chose.
    ports();
    Command("mnuUnitOptions")->trigger();
    options = main->UnitLink().OptionsWindow();
    ASSERT_TRUE(options);
    EXPECT_EQ(options->ComDevice(2)->currentText(), stable);
    EXPECT_EQ(options->SelectedComPort(), 3);
    EXPECT_EQ(options->SelectedLPTPort(), 2);
    EXPECT_EQ(options->findChild<QCheckBox*>("chkAutoSelectComPort")->isChecked(), autoSelected);
    options->reject();
}

// The message panel keeps a "Trying" text only while it is true; a missing
// device is named with the options window offered, a locked one with the group to join.
TEST_F(DesktopUnit, AStartUpProbeThatFindsNoPortLeavesNoTryingTextAndConnectSaysWhyThePortWillNotOpen) {
    main->Link().Pod().Ports().SetComDevice(1, "/nonexistent/tf-com1");
    main->Link().SetComPort(1);
    ASSERT_TRUE(WaitFor([&] { return !main->Link().tmrLinkPod().isActive(); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();

    main->Link().SetAutoSelectComPort(false);
    prompt.shown.clear();
    prompt.answers = {ui::Answer::Yes};
    Click("connect");
    EXPECT_FALSE(main->UnitLink().ConnectWindow() && main->UnitLink().ConnectWindow()->isVisible());
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[0].title, "Communications Error");
    const QStringList lines = prompt.shown[0].text.split("\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("Unable to open the selected COM port. Check the COM port number and make "
                             "sure no other program is using that COM port."));
    EXPECT_TRUE(lines[1].startsWith("There is no serial port /nonexistent/tf-com1."));
    EXPECT_EQ(prompt.shown[1].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(prompt.shown[1].text.contains("/nonexistent/tf-com1"));
    ASSERT_TRUE(main->UnitLink().OptionsWindow());
    EXPECT_TRUE(main->UnitLink().OptionsWindow()->isVisible());
    main->UnitLink().OptionsWindow()->reject();

    // A device that is there but closed to the user: the group to join.
    prompt.shown.clear();
    QTemporaryDir folder;
    // The folder is open to everyone; only the device itself is not.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    const QString device = QDir(folder.path()).filePath("ttyLocked");
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFileDevice::ReadOwner);
    main->Link().Pod().Ports().SetComDevice(1, device);
    {
        const ThrowawayUser user;
        if (!user.Unprivileged())
            GTEST_SKIP() << "root may not take another user id here";
        Click("connect");
    }
    ASSERT_FALSE(prompt.shown.isEmpty());
    const QString reason = prompt.shown[0].text.section("\r\n", 1);
    EXPECT_TRUE(reason.contains("Join the group \"" + QFileInfo(device).group() + u'"'))
        << reason.toStdString();
    EXPECT_TRUE(reason.contains("log out and log in again"));
    // The device is there: nothing to choose in the options.
    EXPECT_EQ(prompt.shown.size(), 1);
}

TEST_F(DesktopUnit, AStartUpProbeThatNoUnitAnswersLeavesNoTryingText) {
    main->Link().SetComPort(1);
    StartUnit({"--rate", "1200"});
    ASSERT_TRUE(WaitFor([&] { return Message().startsWith("Com1 - Trying"); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();
    EXPECT_FALSE(main->Link().Connected());
}

// Nothing half-received may stay in the data set, nor in its undo step.
TEST_F(DesktopUnit, AUnitVanishingMidDownloadTakesItsNameAndPutsTheDataSetBackAsTheUndoStepRecordedIt) {
    Connect({"--name", "Voyager 12", "--vanish-after", "30"});
    ASSERT_TRUE(WaitFor([&] { return Message() == "Voyager 12"; }));
    Fill(main->Data());
    main->Data().SetDirty(false);
    const QStringList before = testing_support::DataSetRecords(main->Data());
    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    ASSERT_TRUE(main->Transfers().Download({comm::KindRange::Indexes(0, 60), {}, {}, {}}));
    ASSERT_TRUE(WaitFor([&] { return !ends.isEmpty(); }));
    EXPECT_FALSE(ends.last());
    EXPECT_TRUE(prompt.Texts().contains("No connection on COM 1."));
    EXPECT_FALSE(main->Link().Connected());
    EXPECT_EQ(Message(), QString());
    EXPECT_FALSE(main->Progress().isVisible());
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Download Waypoints");
    EXPECT_EQ(testing_support::DataSetRecords(main->Data()), before);
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(testing_support::DataSetRecords(main->Data()), before);
}
