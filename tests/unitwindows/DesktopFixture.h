#pragma once

#include "../app/MainWindowFixture.h"
#include "../comm/SessionFixture.h"
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

// The session tests' filling, which is all this takes of them.
struct Filler : comm_testing::SessionFixture {
    using SessionFixture::FillEveryKind;
};

// The program with an emulated unit on COM1; scripts/unit-screenshots.sh takes its screenshots.
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

    // The session tests' data set: waypoints 0, 1, 2 and 5, route 3, two icons, trail 1 of 1500 points.
    static void Fill(gpsdata::GPSData& set) { Filler::FillEveryKind(set, 1500); }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
};

} // namespace unitwindows_testing
