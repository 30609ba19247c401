#include "CliRun.h"

#include "../linkpod/UnitProcess.h"

#include "files/DataSetFiles.h"
#include "gpsdata/GPSData.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

class UnitFaultCommands : public ::testing::Test {
protected:
    UnitFaultCommands() { linkpod_testing::EnsureApp(); }
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

TEST_F(UnitFaultCommands, AnUploadThatDoesNotFitSaysWhatAndSendsNothingUnlessToldToSendWhatFits) {
    linkpod_testing::UnitProcess unit({"--max-waypoints", "70", "--rate", "115200"});
    gpsdata::GPSData data;
    for (qint16 i = 0; i < 71; ++i)
        data.AddWaypoint(i, 100 * i, 50 * i, 0, QStringLiteral("P%1").arg(i), 1, 40000, 0);
    ASSERT_TRUE(files::DataSetFiles::Save(data, Path("in.nrv")));
    CliRun up = RunCli({"upload", Path("in.nrv"), "--port", unit.Path()});
    EXPECT_EQ(up.exitCode, 1);
    EXPECT_TRUE(up.err.contains("Waypoint number 71 will not be sent: the unit has 70 waypoint slots."))
        << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("(declined)"));
    EXPECT_FALSE(up.err.contains("Upload complete"));

    // What then reaches the unit is the transfer engine's (tests/comm).
    up = RunCli({"upload", Path("in.nrv"), "--port", unit.Path(), "--send-what-fits"});
    EXPECT_EQ(up.exitCode, 0) << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("(answered Yes)"));
    EXPECT_TRUE(up.err.contains("Upload complete"));
}

// The wait for a unit sleeps on the port and the timers: the rate scan from
// 115200 to the unit's 9600 takes seconds of waiting and next to no work.
TEST_F(UnitFaultCommands, TheRateScanWaitsWithoutSpinning) {
    linkpod_testing::UnitProcess unit({"--rate", "9600"});
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QElapsedTimer wall;
    wall.start();
    const CliRun down =
        RunCli({"download", "--port", unit.Path(), "--kinds", "icons", "-o", Path("out.nrv")});
    const double seconds = double(wall.elapsed()) / 1000.0;
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    ASSERT_TRUE(down.err.contains("Com1 - Trying 9600 baud"));
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    auto cpu = [](const rusage& r) {
        return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
               double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    EXPECT_LT(cpu(after) - cpu(before), seconds / 4) << "busy waiting over " << seconds << " s";
}

} // namespace
