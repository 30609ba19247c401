#pragma once

#include "../app/MainWindowFixture.h"
#include "../linkpod/UnitProcess.h"
#include "../support/TestFiles.h"

#include "app/StatusPanels.h"
#include "gpsdata/GPSData.h"
#include "unitwindows/UnitTransfers.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <memory>

namespace unitwindows_testing {

// The desktop program with an emulated unit on COM1 (the other ports lead
// nowhere). Run on a real X display (QT_QPA_PLATFORM=xcb) with TF_SCREENSHOTS
// naming a folder and TF_SCREENSHOT_TOOL a program that writes the screen
// to the PNG file it is given, each step leaves a screenshot there for a
// person to look at (scripts/unit-screenshots.sh). On the offscreen platform
// nothing reaches the X server, so no picture is taken: it could only be
// black.
class DesktopUnit : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main->resize(1100, 760);
        for (int port = 2; port <= 4; ++port)
            main->Link().Pod().Ports().SetComDevice(port, QString("/nonexistent/tf-com%1").arg(port));
    }

    void StartUnit(const QStringList& args) {
        unit = std::make_unique<linkpod_testing::UnitProcess>(args);
        ASSERT_FALSE(unit->Path().isEmpty());
        main->Link().Pod().Ports().SetComDevice(1, unit->Path());
    }

    // A unit at 115200 baud, the program's own rate, connected from the toolbar.
    void Connect(QStringList args = {}) {
        StartUnit(args << "--rate"
                       << "115200");
        main->Link().SetBaudRate(115200);
        Click("connect");
        ASSERT_TRUE(linkpod_testing::WaitFor([&] { return main->Link().Connected(); }));
    }

    QDialog* OpenTransferWindow() {
        Command("mnuTransferData")->trigger();
        return main->Transfers().TransferWindow();
    }

    // A card folder with its label and size.
    static void MakeCard(const QString& folder, const QByteArray& card) {
        QDir().mkpath(folder);
        testing_support::WriteFile(QDir(folder).filePath(".card"), card);
    }

    QString Message() const { return main->Status().StatusText(app::StatusPanels::Message); }
    QString ConnectionPanel() const { return main->Status().StatusText(app::StatusPanels::Connection); }

    static QString ShotFolder() {
        if (QGuiApplication::platformName() != QLatin1String("xcb") ||
            qEnvironmentVariableIsEmpty("TF_SCREENSHOT_TOOL"))
            return {};
        return qEnvironmentVariable("TF_SCREENSHOTS");
    }

    // After the windows had the time to map and paint.
    void Shot(const QString& name) const {
        const QString folder = ShotFolder();
        if (folder.isEmpty())
            return;
        QTest::qWait(600);
        QDir().mkpath(folder);
        QProcess::execute(qEnvironmentVariable("TF_SCREENSHOT_TOOL"), {QDir(folder).filePath(name + ".png")});
    }

    static void Fill(gpsdata::GPSData& set) {
        const QList<std::pair<double, double>> places = {
            {44.98, -93.27}, {45.56, -94.16}, {46.79, -92.10}, {46.50, -93.60}};
        qint16 i = 0;
        for (auto [lat, lon] : places) {
            gpsdata::WaypointObject* w = set.AddNewWaypoint();
            w->SetLatitude(lat);
            w->SetLongitude(lon);
            w->SetWptName(QString("PLACE%1").arg(++i));
        }
        set.AddRoute(0, "North", {0, 1, 2});
        QList<qint32> x, y;
        QList<bool> joined;
        const gpsdata::WaypointObject* from = set.Waypoint(0);
        const gpsdata::WaypointObject* to = set.Waypoint(3);
        for (int k = 0; k < 1200; ++k) {
            x << from->X() + (to->X() - from->X()) * k / 1199 + (k % 50) * 40;
            y << from->Y() + (to->Y() - from->Y()) * k / 1199;
            joined << true;
        }
        set.AddTrail(0, "Drive", 0, 0, x, y, joined);
    }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
};

} // namespace unitwindows_testing
