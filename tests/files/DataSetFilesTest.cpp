#include "files/DataSetFiles.h"
#include "DataSetRecorder.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using files::DataSetFiles;
using Kind = DataSetFiles::Kind;

TEST(DataSetFilesKind, TheNameChoosesTheFormat) {
    EXPECT_EQ(DataSetFiles::KindOf("/a/b.nrv"), Kind::Sectioned);
    EXPECT_EQ(DataSetFiles::KindOf("/a/b"), Kind::Sectioned);
    EXPECT_EQ(DataSetFiles::KindOf("/a/B.GPX"), Kind::Gpx);
    EXPECT_EQ(DataSetFiles::KindOf("/a/list.TXT"), Kind::PositionList);
    EXPECT_EQ(DataSetFiles::KindOf("/a/unit.USR"), Kind::UserData);
    EXPECT_EQ(DataSetFiles::KindOf("/a/x.usr.gpx"), Kind::UserData) << "\".usr\" anywhere in the name";
}

TEST(DataSetFilesKind, UserDataFilesNeedTheCommunicationControl) {
    // The link needs an event loop; a later test in this binary may already have made one.
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an application object exists in this process";
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.usr");
    gpsdata::GPSData data;
    DataSetRecorder seen(data);
    EXPECT_FALSE(DataSetFiles::Save(data, path));
    EXPECT_FALSE(DataSetFiles::Open(data, path));
    ASSERT_EQ(seen.errors.size(), 2);
    EXPECT_TRUE(seen.errors[0].startsWith("Error saving " + path + "\r\n"));
    EXPECT_TRUE(seen.errors[1].startsWith("Error opening " + path + "\r\n"));
}

TEST(DataSetFilesKind, APositionListSavesAndOpensAsWaypoints) {
    QTemporaryDir dir;
    gpsdata::GPSData data;
    data.AddNewFileWaypoint(3, 100000, 200000, "Home", 0, 0, "", 0);
    const QString path = dir.filePath("list.txt");
    ASSERT_TRUE(DataSetFiles::Save(data, path));
    gpsdata::GPSData back;
    back.AddNewFileWaypoint(9, 0, 0, "Old", 0, 0, "", 0);
    EXPECT_TRUE(DataSetFiles::Open(back, path));
    ASSERT_EQ(back.CountWaypoints(), 1);
    EXPECT_EQ(back.Waypoint(0)->WptName(), "Home");
    EXPECT_NEAR(back.Waypoint(0)->X(), 100000, 2);
    EXPECT_FALSE(back.Dirty());
}

TEST(DataSetFilesKind, ARefusedFileOfAnyKindLeavesTheDataSetAsItWas) {
    QTemporaryDir dir;
    testing_support::WriteFile(dir.filePath("random.nrv"), QByteArray(300, '\x07'));
    testing_support::WriteFile(dir.filePath("bad.gpx"), "<gpx><wpt lat='x'/></gpx>");
    for (const char* name : {"random.nrv", "bad.gpx", "missing.txt", "missing.nrv"}) {
        gpsdata::GPSData data;
        data.AddNewFileWaypoint(2, 0, 0, "Kept", 0, 0, "", 0);
        data.SetPath("/home/ann/kept.nrv");
        data.SetDirty(true);
        DataSetRecorder seen(data);
        EXPECT_EQ(DataSetFiles::Read(data, dir.filePath(name)), files::OpenResult::Refused) << name;
        EXPECT_EQ(seen.errors.size(), 1) << name;
        EXPECT_EQ(data.CountWaypoints(), 1) << name;
        EXPECT_EQ(data.Path(), "/home/ann/kept.nrv") << name;
        EXPECT_TRUE(data.Dirty()) << name;
    }
}
