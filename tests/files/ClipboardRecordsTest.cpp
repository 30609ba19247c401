#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using files::ClipboardRecords;

TEST(ClipboardRecordsParse, SeveralRecordsComeApartInOrderSkippingOtherKinds) {
    gpsdata::GPSData data;
    data.SetClipboardDelimiter("\t");
    auto* a = data.AddNewFileWaypoint(1, 10, 20, "Alpha", 2, 0, "", 0);
    auto* b = data.AddNewFileWaypoint(2, 30, 40, "Bravo", 3, 0, "note", 0);
    data.AddRoute(0, "R", {1, 2});
    const QString text =
        ClipboardRecords::Join({a->MakeString(), data.Route(0)->MakeString(), "junk line", b->MakeString()});
    const auto waypoints = ClipboardRecords::Waypoints(data, text);
    ASSERT_EQ(waypoints.size(), 2u);
    EXPECT_EQ(waypoints[0]->WptName(), "Alpha");
    EXPECT_EQ(waypoints[1]->Y(), 40);
    EXPECT_EQ(waypoints[1]->Comment, "note");
    const auto routes = ClipboardRecords::Routes(data, text);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_EQ(routes[0]->Waypoints(), (QList<qint16>{1, 2}));
    EXPECT_TRUE(ClipboardRecords::Icons(data, text).empty());
}

TEST(ClipboardRecordsParse, ATextWithoutRecordsGivesNothingAndEnds) {
    gpsdata::GPSData data;
    for (const QString& text : {QString(), QString("Wpt"), QString("\r\n\r\n"), QString("Trl\t1\t5\tname")})
        EXPECT_LE(ClipboardRecords::Waypoints(data, text).size(), 1u);
}

TEST(ClipboardRecordsPaste, PastedWaypointsTakeFreeSlotsAndFollowingNames) {
    gpsdata::GPSData data;
    data.SetClipboardDelimiter("|");
    auto* w = data.AddNewFileWaypoint(0, 10, 20, "Wpt 001*", 4, 0, "", 0);
    const QString text = ClipboardRecords::Join({w->MakeString(), w->MakeString()});
    const QList<qint16> added = ClipboardRecords::PasteWaypoints(data, text);
    EXPECT_EQ(added, (QList<qint16>{1, 2}));
    EXPECT_EQ(data.Waypoint(2)->WptName(), "Wpt 003*");
    EXPECT_EQ(data.Waypoint(1)->WptSymbol(), 4);
    EXPECT_EQ(data.Waypoint(1)->X(), 10);
}
