#include "CliRun.h"

#include "../linkpod/UnitProcess.h"

#include "files/DataSetFiles.h"
#include "gpsdata/GPSData.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class UnitCommands : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(UnitCommands, UploadedKindsComeBackByDownloadFromAUnitAtAnotherRate) {
    linkpod_testing::UnitProcess unit({QStringLiteral("--rate"), QStringLiteral("4800")});
    ASSERT_FALSE(unit.Path().isEmpty());
    gpsdata::GPSData data;
    data.AddWaypoint(0, 100, 200, 0, QStringLiteral("Home"), 3, 40000, 0);
    data.AddWaypoint(4, 300, 400, 0, QStringLiteral("Camp"), 5, 40000, 0);
    data.AddRoute(1, QStringLiteral("Out"), {0, 4});
    data.AddLurchIcon(0, 7, 8, 2);
    ASSERT_TRUE(files::DataSetFiles::Save(data, Path("in.nrv")));

    const CliRun up =
        RunCli({"upload", Path("in.nrv"), "--port", unit.Path(), "--kinds", "waypoints,routes"});
    ASSERT_EQ(up.exitCode, 0) << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("Com1 - Trying 4800 baud"));
    EXPECT_TRUE(up.err.contains("Uploading Waypoints"));
    EXPECT_TRUE(up.err.contains("Upload complete"));

    const CliRun down = RunCli({"download", "--port", unit.Path(), "-o", Path("out.nrv")});
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    EXPECT_TRUE(down.err.contains("Download complete"));
    gpsdata::GPSData back;
    ASSERT_TRUE(files::DataSetFiles::Open(back, Path("out.nrv")));
    EXPECT_EQ(back.Waypoints().Keys(), (QList<qint16>{0, 4}));
    EXPECT_EQ(back.Waypoint(4)->WptName(), QStringLiteral("Camp"));
    EXPECT_EQ(back.Route(1)->Waypoints(), (QList<qint16>{0, 4}));
    EXPECT_EQ(back.CountIcons(), 0); // icons were not uploaded
}

TEST_F(UnitCommands, APortThatDoesNotOpenGivesTheSessionsMessageAndNoFile) {
    const CliRun run = RunCli({"download", "--port", Path("no-such-tty"), "-o", Path("out.nrv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains("Communications Error: Unable to open the selected COM port. Check the COM port "
                         "number and make sure no other program is using that COM port."))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("out.nrv")));
}

TEST_F(UnitCommands, UnknownKindsAreAUsageError) {
    EXPECT_EQ(RunCli({"download", "--port", "x", "--kinds", "waypoints,maps", "-o", Path("o.nrv")}).exitCode,
              2);
}

} // namespace
