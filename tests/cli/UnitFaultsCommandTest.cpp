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

    // 71 waypoints, three routes and two trails, saved as `name`. (Stray messages
    // during such a transfer are the session's: tests/comm.)
    QString SaveMany(const char* name) {
        gpsdata::GPSData data;
        for (qint16 i = 0; i < 71; ++i)
            data.AddWaypoint(i, 100 * i, 50 * i, 0, QStringLiteral("P%1").arg(i), 1, 40000, 0);
        for (qint16 r = 0; r < 3; ++r)
            data.AddRoute(r, QStringLiteral("R%1").arg(r), {qint16(3 * r), qint16(3 * r + 1)});
        for (qint16 t : {0, 1})
            data.AddTrail(t, QStringLiteral("T%1").arg(t), 0, 0, {1, 2, 3}, {4, 5, 6},
                          QList<bool>{false, true, true});
        EXPECT_TRUE(files::DataSetFiles::Save(data, Path(name)));
        return Path(name);
    }

    QTemporaryDir dir;
};

TEST_F(UnitFaultCommands, AnUploadThatDoesNotFitSaysWhatAndSendsNothingUnlessToldToSendWhatFits) {
    linkpod_testing::UnitProcess unit({"--max-waypoints", "70", "--rate", "115200"});
    CliRun up = RunCli({"upload", SaveMany("in.nrv"), "--port", unit.Path()});
    EXPECT_EQ(up.exitCode, 1);
    EXPECT_TRUE(up.err.contains("Waypoint number 71 will not be sent: the unit has 70 waypoint slots."))
        << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("(declined)"));
    EXPECT_FALSE(up.err.contains("Upload complete"));

    up = RunCli({"upload", Path("in.nrv"), "--port", unit.Path(), "--send-what-fits"});
    EXPECT_EQ(up.exitCode, 0) << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("(answered Yes)"));
    const CliRun down = RunCli({"download", "--port", unit.Path(), "-o", Path("out.nrv")});
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    gpsdata::GPSData back(TF_SOURCE_DIR "/share");
    ASSERT_TRUE(files::DataSetFiles::Open(back, Path("out.nrv")));
    EXPECT_EQ(back.CountWaypoints(), 70);
    EXPECT_EQ(back.CountRoutes(), 3);
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
