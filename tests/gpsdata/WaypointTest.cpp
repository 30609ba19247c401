#include "gpsdata/GPSData.h"
#include "gpsdata/SerialDate.h"

#include <QDateTime>
#include <QSignalSpy>
#include <gtest/gtest.h>

using gpsdata::GPSData;
using gpsdata::SerialDate;
using gpsdata::WaypointObject;

namespace {

double Serial(int y, int m, int d, int h = 0, int min = 0, int s = 0) {
    return SerialDate::FromDateTime(QDateTime(QDate(y, m, d), QTime(h, min, s)));
}

} // namespace

// Serial days count from the end of 1899, file dates from 1970 and the unit's
// from 1992; dates beyond the seconds' range saturate.
TEST(WaypointDates, EachClockCountsFromItsOwnStartAndSaturates) {
    EXPECT_EQ(Serial(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(Serial(2000, 1, 1, 18), 36526.75);
    GPSData data;
    WaypointObject w(data);
    w.SetFileDate(0);
    EXPECT_EQ(w.DateModified(), Serial(1970, 1, 1));
    EXPECT_EQ(w.DateModified(), 25569);
    EXPECT_EQ(w.LurchDate(), -694224000);
    EXPECT_EQ(w.WSFileDate(), 0);
    w.SetLurchDate(86400);
    EXPECT_EQ(w.DateModified(), Serial(1992, 1, 2));
    w.SetWSFileDate(1234567890);
    EXPECT_EQ(w.FileDate(), 1234567890);
    EXPECT_EQ(w.DateModified(), Serial(2009, 2, 13, 23, 31, 30));

    w.SetDateModified(1e9);
    EXPECT_EQ(w.FileDate(), 2147483647);
    w.SetDateModified(-1e9);
    EXPECT_EQ(w.LurchDate(), -2147483647 - 1);
    w.SetDateModified(std::nan(""));
    EXPECT_EQ(w.FileDate(), 0);
}

TEST(WaypointChanges, EveryWriteNotifiesOnceButIndexAndCommentDoNotAndDegreesAreChecked) {
    GPSData data;
    WaypointObject w(data);
    w.InitializeIndex(9);
    data.SetDirty(false);
    QSignalSpy own(&w, &WaypointObject::WaypointChanged);
    QSignalSpy set(&data, &GPSData::WaypointChanged);
    w.SetWptSymbol(1);
    w.SetWaypointType(1);
    w.SetX(1);
    w.SetY(1);
    w.SetWptName("n");
    w.SetDateModified(1);
    w.SetRegion(1);
    w.SetLatitude(10);
    w.SetLongitude(10);
    w.SetFileDate(1);
    w.InitializeIndex(10);
    w.Comment = "c";
    w.Altitude = 5;
    EXPECT_EQ(own.size(), 10);
    EXPECT_EQ(set.size(), 10);
    EXPECT_EQ(set[0][0].toInt(), 9);
    EXPECT_TRUE(data.Dirty());

    w.SetLatitude(45.5);
    w.SetLongitude(-122.25);
    EXPECT_NEAR(w.Latitude(), 45.5, 1e-5);
    EXPECT_NEAR(w.Longitude(), -122.25, 1e-5);
    const qint32 y = w.Y();
    EXPECT_THROW(w.SetLatitude(91), std::domain_error);
    EXPECT_EQ(w.Y(), y);
}
