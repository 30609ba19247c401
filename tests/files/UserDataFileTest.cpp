#include "files/UserDataFile.h"
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
#include <optional>

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

// Runs one open or save through the control and waits for its end.
bool RunToEnd(UserDataFile& file, bool save, const QString& path) {
    std::optional<bool> ok;
    QObject::connect(&file, &UserDataFile::Finished, [&](bool result) { ok = result; });
    save ? file.Save(path) : file.Open(path);
    while (!ok)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return *ok;
}

} // namespace

TEST(UserDataFiles, TheLargestDataSetComesBackExactlyByTheControlOrByNameAndTheControlsStoreIsLeftEmpty) {
    EnsureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("trip.usr");
    gpsdata::GPSData data;
    Fill(data);
    linkpod::LinkPod pod;
    testing_support::RecordingPrompt prompt;
    testing_support::RecordingProgress progress;
    UserDataFile saving(data, pod, &prompt, &progress);
    data.SetDirty(true);
    ASSERT_TRUE(RunToEnd(saving, true, path));
    EXPECT_FALSE(data.Dirty());
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);

    gpsdata::GPSData back;
    UserDataFile opening(back, pod, &prompt, &progress);
    ASSERT_TRUE(RunToEnd(opening, false, path));
    EXPECT_EQ(testing_support::DataSetRecords(back), testing_support::DataSetRecords(data));
    EXPECT_EQ(back.Waypoint(0)->WptName(), QString::fromUtf8("Caf\u00e9 Z\u00fcrich"));
    EXPECT_FALSE(back.Dirty());
    EXPECT_EQ(back.Path(), path);
    EXPECT_EQ(pod.Store().trails.Count(), 0);

    // By name through the data set files, which empty the set first.
    const QString named = dir.filePath("Trip.USR.bak");
    ASSERT_TRUE(DataSetFiles::Save(data, named));
    gpsdata::GPSData again;
    again.AddTrail(5, "OLD", 0, 0, {1, 2}, {3, 4});
    ASSERT_TRUE(DataSetFiles::Open(again, named));
    EXPECT_EQ(testing_support::DataSetRecords(again), testing_support::DataSetRecords(data));
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

TEST(UserDataFiles, AFileThatIsNotOursLoadsNothingAndSaysWhy) {
    EnsureApplication();
    QTemporaryDir dir;
    const QString path = testing_support::WriteFile(dir.filePath("junk.usr"), "not a user data file at all");
    gpsdata::GPSData data;
    data.AddNewWaypoint(false);
    data.SetPath("/home/ann/before.nrv");
    data.SetDirty(true);
    DataSetRecorder seen(data);
    EXPECT_EQ(DataSetFiles::Read(data, path), files::OpenResult::Refused);
    // Nothing changed: a later save still goes where the data came from.
    EXPECT_EQ(data.Waypoints().Count(), 1);
    EXPECT_EQ(data.Path(), "/home/ann/before.nrv");
    EXPECT_TRUE(data.Dirty());
    ASSERT_EQ(seen.errors.size(), 1);
    EXPECT_EQ(seen.errors[0], "Error opening " + path + "\r\nThe file is not a user data file.");

    seen.errors.clear();
    EXPECT_FALSE(DataSetFiles::Open(data, dir.filePath("missing.usr")));
    ASSERT_EQ(seen.errors.size(), 1);
    EXPECT_TRUE(seen.errors[0].endsWith("The file cannot be opened."));
}

TEST(UserDataFiles, ASaveThatCannotBeWrittenWholeShowsTheErrorBoxAndLeavesTheOldFile) {
    EnsureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.usr");
    gpsdata::GPSData data;
    data.AddWaypoint(0, 1, 2, 0, "ONE", 0, 0, 0);
    ASSERT_TRUE(DataSetFiles::Save(data, path));
    const QByteArray before = testing_support::ReadFile(path);
    Fill(data);
    data.SetDirty(true);
    testing_support::RecordingPrompt prompt;
    data.SetPrompt(&prompt);
    {
        const testing_support::FileSizeLimit full(before.size() + 100);
        EXPECT_FALSE(DataSetFiles::Save(data, path));
    }
    EXPECT_EQ(prompt.Texts(), QStringList{"An error occured has occured during the saving process."});
    EXPECT_TRUE(data.Dirty());
    EXPECT_EQ(testing_support::ReadFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.usr"})
        << "no temporary file is left";
}

// The user cancels as the control reports its first slice of a file of
// several: nothing is told, and neither the data set nor the old file moves.
TEST(UserDataFiles, ACancelledLoadOrSaveLeavesTheDataSetAndTheOldFileAsTheyWere) {
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
    linkpod::LinkPod pod;
    testing_support::RecordingProgress cancelling;
    cancelling.cancel = true;
    EXPECT_EQ(DataSetFiles::Read(data, path, false, &pod, &cancelling), OpenResult::Refused);
    EXPECT_EQ(data.Waypoints().Count(), 1);
    EXPECT_EQ(data.Path(), "/home/ann/mine.nrv");
    EXPECT_TRUE(data.Dirty());

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
    EXPECT_TRUE(testing_support::ReadFile(path) == before) << "the old file stays";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"big.usr"}) << "no temporary file is left";
    EXPECT_EQ(cancelling.ended, 2);
}
