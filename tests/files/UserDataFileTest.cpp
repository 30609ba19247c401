#include "DataSetRecorder.h"
#include "files/DataSetFiles.h"
#include "files/UserRecords.h"
#include "gpsdata/GPSData.h"
#include "linkpod/LinkPod.h"
#include "support/DataSetRecords.h"
#include "support/FileSizeLimit.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace files;

namespace {

// The largest data set a unit holds, with every field set.
void Fill(gpsdata::GPSData& data) {
    for (int i = 0; i < 999; ++i) {
        // The file and the link carry names in UTF-8: they come back whole.
        const QString name = i == 0 ? QString::fromUtf8("CAF\u00c9 Z\u00dcRICH") : QString("WPT%1").arg(i);
        auto* w = data.AddWaypoint(qint16(i), 1000 * i - 400000, 700 * i + 5000000, i, name, i % 28,
                                   33604 + i + 0.5, i % 3);
        ASSERT_NE(w, nullptr);
        w->Comment = i % 2 ? QString() : QString("note %1").arg(i);
    }
    for (int r = 0; r < 99; ++r) {
        QList<qint16> legs;
        for (int j = 0; j < 20; ++j)
            legs << qint16((r * 7 + j * 13) % 999);
        data.AddRoute(qint16(r), QString("ROUTE %1").arg(r), legs);
    }
    for (int i = 0; i < 999; ++i)
        data.AddLurchIcon(qint16(i), i * 300, -i * 200, i % 28);
    for (int t = 0; t < 2; ++t) {
        QList<qint32> xs, ys;
        QList<bool> flags;
        for (int p = 0; p < 3000; ++p) {
            xs << -13000000 + p * 17 + t;
            ys << 5000000 + p * 11;
            flags << (p % 500 != 0);
        }
        data.AddTrail(qint16(t), QString("Trail %1").arg(t), 0, 0, xs, ys, flags);
    }
}

// The control's file jobs run on timers, which need the application object.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "tf_files_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

} // namespace

// Through the program's control, under a name with ".usr" inside it.
TEST(UserDataFiles, TheLargestDataSetComesBackExactlyAndTheControlsStoreIsLeftEmpty) {
    EnsureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("Trip.USR.bak");
    gpsdata::GPSData data;
    Fill(data);
    linkpod::LinkPod pod;
    testing_support::RecordingPrompt prompt;
    data.SetPrompt(&prompt);
    data.SetDirty(true);
    ASSERT_TRUE(DataSetFiles::Save(data, path, &pod));
    EXPECT_FALSE(data.Dirty());
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);

    gpsdata::GPSData back;
    back.AddTrail(5, "OLD", 0, 0, {1, 2}, {3, 4});
    ASSERT_TRUE(DataSetFiles::Open(back, path, false, &pod));
    EXPECT_EQ(testing_support::DataSetRecords(back), testing_support::DataSetRecords(data));
    EXPECT_EQ(back.Waypoint(0)->WptName(), QString::fromUtf8("Caf\u00e9 Z\u00fcrich"));
    EXPECT_FALSE(back.Dirty());
    EXPECT_EQ(back.Path(), path);
    EXPECT_EQ(pod.Store().trails.Count(), 0);
}

TEST(UserDataFiles, AnAltitudeNoWaypointCanHaveIsNone) {
    gpsdata::GPSData data;
    for (const float altitude : {std::nanf(""), 4.05648e+31f, -3e9f, 1234.9f}) {
        linkpod::UserWaypoint record;
        record.altitude = altitude;
        UserRecords::GetUserWaypoint(data, record);
        EXPECT_EQ(data.Waypoint(0)->Altitude, altitude == 1234.9f ? 1234 : 0) << altitude;
    }
}

// A file not ours, a missing one, a load and a save cancelled at the first
// slice, and a save that cannot be written whole: none may touch the data.
TEST(UserDataFiles, RefusedCancelledOrFailedLoadsAndSavesLeaveTheDataSetAndTheOldFileAsTheyWere) {
    EnsureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("big.usr");
    gpsdata::GPSData full;
    Fill(full);
    testing_support::RecordingProgress shown;
    ASSERT_TRUE(DataSetFiles::Save(full, path, nullptr, &shown));
    ASSERT_GE(shown.texts.size(), 2) << "the file takes more than one slice";
    EXPECT_EQ(shown.texts.last(), "100%");
    EXPECT_EQ(shown.values.last(), 100);
    const QByteArray before = testing_support::ReadFile(path);

    gpsdata::GPSData data;
    data.AddWaypoint(7, 1, 2, 0, "MINE", 0, 0, 0);
    data.SetPath("/home/ann/mine.nrv");
    data.SetDirty(true);
    DataSetRecorder seen(data);
    testing_support::RecordingPrompt prompt;
    data.SetPrompt(&prompt);
    const auto expectUntouched = [&] {
        EXPECT_EQ(data.Waypoints().Count(), 1);
        EXPECT_EQ(data.Path(), "/home/ann/mine.nrv");
        EXPECT_TRUE(data.Dirty());
    };
    const QString junk = testing_support::WriteFile(dir.filePath("junk.usr"), "not a user data file at all");
    EXPECT_EQ(DataSetFiles::Read(data, junk), OpenResult::Refused);
    EXPECT_EQ(seen.errors, QStringList{"Error opening " + junk + "\r\nThe file is not a user data file."});
    expectUntouched();
    seen.errors.clear();
    EXPECT_FALSE(DataSetFiles::Open(data, dir.filePath("missing.usr")));
    ASSERT_EQ(seen.errors.size(), 1);
    EXPECT_TRUE(seen.errors[0].endsWith("The file cannot be opened."));
    seen.errors.clear();

    linkpod::LinkPod pod;
    testing_support::RecordingProgress cancelling;
    cancelling.cancel = true;
    EXPECT_EQ(DataSetFiles::Read(data, path, false, &pod, &cancelling), OpenResult::Refused);
    expectUntouched();
    Fill(data);
    data.Waypoint(7)->SetWptName("CHANGED");
    EXPECT_FALSE(DataSetFiles::Save(data, path, &pod, &cancelling));
    EXPECT_EQ(data.Path(), "/home/ann/mine.nrv");
    EXPECT_TRUE(data.Dirty());
    EXPECT_TRUE(seen.errors.isEmpty());
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);
    // The control's cancelled jobs end nothing later (a job left running
    // would need a few timer ticks).
    for (int tick = 0; tick < 50; ++tick)
        QCoreApplication::processEvents();
    EXPECT_EQ(cancelling.ended, 2);

    {
        const testing_support::FileSizeLimit disk(before.size() / 2);
        EXPECT_FALSE(DataSetFiles::Save(data, path));
    }
    EXPECT_EQ(prompt.Texts(), QStringList{"An error occured has occured during the saving process."});
    EXPECT_TRUE(data.Dirty());
    EXPECT_TRUE(testing_support::ReadFile(path) == before) << "the old file stays";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"big.usr", "junk.usr"}))
        << "no temporary file is left";
}
