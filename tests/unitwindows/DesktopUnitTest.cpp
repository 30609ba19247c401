#include "../app/MainWindowFixture.h"
#include "../linkpod/UnitProcess.h"

#include "app/StatusPanels.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "unitwindows/UnitConnect.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmOptions.h"
#include "unitwindows/frmSerialConnect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using linkpod_testing::WaitFor;

namespace {

// The desktop program with an emulated unit on COM1. With TF_SCREENSHOTS
// naming a folder and a real X display, each step leaves a screenshot of the
// whole screen there, for a person to look at.
class DesktopUnit : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main->resize(1100, 760);
        for (int port = 2; port <= 4; ++port)
            main->Link().Pod().Ports().SetComDevice(port, QStringLiteral("/nonexistent/tf-com%1").arg(port));
    }

    void StartUnit(const QStringList& args) {
        unit = std::make_unique<linkpod_testing::UnitProcess>(args);
        ASSERT_FALSE(unit->Path().isEmpty());
        main->Link().Pod().Ports().SetComDevice(1, unit->Path());
    }

    QString Message() const { return main->Status().StatusText(app::StatusPanels::Message); }
    QString ConnectionPanel() const { return main->Status().StatusText(app::StatusPanels::Connection); }

    void Shot(const QString& name) const {
        const QString folder = qEnvironmentVariable("TF_SCREENSHOTS");
        if (folder.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
        QTest::qWait(400); // let the windows paint
        QDir().mkpath(folder);
        QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("xwd -root -silent | xwdtopnm 2>/dev/null | "
                                                                "pnmtopng > '%1/%2.png'")
                                                     .arg(folder, name)});
    }

    static void Fill(gpsdata::GPSData& set) {
        const QList<std::pair<double, double>> places = {
            {44.98, -93.27}, {45.56, -94.16}, {46.79, -92.10}, {46.50, -93.60}};
        qint16 i = 0;
        for (auto [lat, lon] : places) {
            gpsdata::WaypointObject* w = set.AddNewWaypoint();
            w->SetLatitude(lat);
            w->SetLongitude(lon);
            w->SetWptName(QStringLiteral("PLACE%1").arg(++i));
        }
        set.AddRoute(0, QStringLiteral("North"), {0, 1, 2});
        QList<qint32> x, y;
        QList<bool> joined;
        const gpsdata::WaypointObject* from = set.Waypoint(0);
        const gpsdata::WaypointObject* to = set.Waypoint(3);
        for (int k = 0; k < 1200; ++k) {
            x << from->X() + (to->X() - from->X()) * k / 1199 + (k % 50) * 40;
            y << from->Y() + (to->Y() - from->Y()) * k / 1199;
            joined << true;
        }
        set.AddTrail(0, QStringLiteral("Drive"), 0, 0, x, y, joined);
    }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
};

} // namespace

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
    Shot(QStringLiteral("05-uploading"));
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
    StartUnit({QStringLiteral("--rate"), QStringLiteral("115200")});
    main->Link().SetBaudRate(115200);
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return main->Link().Connected(); }));
    Command("mnuTransferData")->trigger();
    QDialog* transfer = main->Transfers().TransferWindow();
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
