#include "gpsdata/TextRecord.h"
#include "gpsdata/GPSData.h"

#include "support/RecordingPrompt.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using gpsdata::GPSData;
using gpsdata::TextRecord;

TEST(TextFields, RunsOfAnyDelimiterAreOneSeparatorDecimalsArePlainAndIntegersFit) {
    EXPECT_EQ(TextRecord::Normalise("  a|\\;b:,~`c\r\n\td  "), "a,b,c,d");
    EXPECT_EQ(TextRecord("x\t\ty|z").RestFrom(2), "y,z");

    EXPECT_EQ(TextRecord::Decimal(45000.5), "45000.5");
    EXPECT_EQ(TextRecord::Decimal(-3), "-3");
    EXPECT_EQ(TextRecord::Decimal(1.5e-7), "0.00000015");
    EXPECT_EQ(TextRecord::Decimal(1e20), "100000000000000000000");
    EXPECT_EQ(TextRecord::Decimal(0.1 + 0.2), "0.3");
    for (const double v : {46000.123456789, -122.25, 1e-9, 33604.0})
        EXPECT_DOUBLE_EQ(TextRecord::LeadingNumber(TextRecord::Decimal(v)), v);

    EXPECT_EQ(TextRecord::ToInt16(32767.4), 32767);
    EXPECT_EQ(TextRecord::ToInt16(2.5), 2);
    EXPECT_EQ(TextRecord::ToInt16(3.5), 4);
    EXPECT_FALSE(TextRecord::ToInt32(std::nan("")));
}

namespace {

class Records : public ::testing::Test {
protected:
    Records() { data.SetPrompt(&prompt); }
    GPSData data;
    testing_support::RecordingPrompt prompt;
};

} // namespace

TEST_F(Records, WaypointRoundTripKeepsEverythingButRegionAndAnEmptyCommentTravelsAsNone) {
    gpsdata::WaypointObject a(data);
    a.InitializeIndex(12);
    a.SetWptName("Camp 3");
    a.SetX(-1234567);
    a.SetY(7654321);
    a.SetWptSymbol(17);
    a.SetDateModified(46000.53125);
    a.SetWaypointType(1);
    a.SetRegion(4);
    a.Comment = "by the lake";
    const QString record = "Wpt\t12\tCamp 3\t-1234567\t7654321\t17\t46000.53125\t1\tby the lake";
    QString text = a.MakeString();
    EXPECT_EQ(text, record);
    gpsdata::WaypointObject b(data);
    ASSERT_TRUE(b.ParseString(text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(b.MakeString(), record);
    EXPECT_EQ(b.Region(), 0);

    a.Comment.clear();
    text = a.MakeString();
    EXPECT_TRUE(text.endsWith("\t[None]"));
    ASSERT_TRUE(b.ParseString(text));
    EXPECT_EQ(b.Comment, "");
}

// A record of another kind is left where it is; a route's legs end at the
// next record.
TEST_F(Records, RecordsAreTakenOffTheFrontOneByOne) {
    QString text = "Wpt\t1\tA\t1\t2\t3\t4\t0\tx\r\nRte\t2\tLAKE\t4\t7\r\nWpt\t2\tB\t5\t6\t7\t8\t0\t[None]\r\n"
                   "Icn\t1\t2\t3\t4";
    gpsdata::WaypointObject w(data);
    ASSERT_TRUE(w.ParseString(text));
    EXPECT_EQ(w.WptName(), "A");
    EXPECT_FALSE(w.ParseString(text));
    gpsdata::RouteObject r(data);
    ASSERT_TRUE(r.ParseString(text));
    EXPECT_EQ(r.MakeString(), "Rte\t2\tLAKE\t4\t7");
    ASSERT_TRUE(w.ParseString(text));
    EXPECT_EQ(w.WptName(), "B");
    EXPECT_EQ(text, "Icn,1,2,3,4");
    gpsdata::IconObject i(data);
    ASSERT_TRUE(i.ParseString(text));
    EXPECT_EQ(i.MakeString(), "Icn\t1\t2\t3\t4");
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(Records, NumbersThatDoNotFitRejectTheRecordButConsumeItAndMissingOnesAreZero) {
    QString text = "Wpt\t1\tA\t99999999999\t2\t3\t4\t0\tx\tIcn\t70000\t1\t1\t1\tIcn\t1\t1\t1\t1";
    gpsdata::WaypointObject w(data);
    w.SetWptName("keep");
    EXPECT_FALSE(w.ParseString(text));
    EXPECT_EQ(w.WptName(), "keep");
    gpsdata::IconObject i(data);
    EXPECT_FALSE(i.ParseString(text));
    EXPECT_TRUE(i.ParseString(text));

    text = "Wpt\t3\tName";
    ASSERT_TRUE(w.ParseString(text));
    EXPECT_EQ(w.WptIndex(), 3);
    EXPECT_EQ(w.X(), 0);
    EXPECT_EQ(w.Comment, "");
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(Records, RouteParseDropsLegsPastEitherLimitButNotForItsOwnOldLegs) {
    data.SetMaxNumGPSWptsPerRoute(2);
    QString text = "Rte\t1\tR\t1\t2\t3\tIcn\t1\t1\t1\t1";
    gpsdata::RouteObject r(data);
    EXPECT_EQ(r.MakeString(), "Rte\t0\t") << "a route without legs";
    ASSERT_TRUE(r.ParseString(text));
    EXPECT_EQ(r.Waypoints(), (QList<qint16>{1, 2}));
    EXPECT_TRUE(text.startsWith("Icn"));
    EXPECT_EQ(
        prompt.Texts(),
        QStringList{"Too many waypoints in route. Remove some waypoints from the route and try again."});

    prompt.shown.clear();
    data.SetMaxNumGPSWptsPerRoute(99);
    data.AddRoute(0, "other", {1, 2, 3});
    data.SetMaxNumGPSRouteWaypoints(4);
    text = "Rte\t1\tR\t1\t2\t3";
    ASSERT_TRUE(r.ParseString(text));
    EXPECT_EQ(r.Waypoints(), (QList<qint16>{1}));
    EXPECT_EQ(prompt.Texts(), QStringList{"Too many route waypoints. Delete some route legs and try again."});

    // A route of the set that is read again does not count its old legs.
    prompt.shown.clear();
    data.SetMaxNumGPSRouteWaypoints(3);
    gpsdata::RouteObject* own = data.Route(0);
    text = own->MakeString();
    ASSERT_TRUE(own->ParseString(text));
    EXPECT_EQ(own->NumWaypoints(), 3);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(Records, TrailRoundTripGoesThroughDegrees) {
    gpsdata::TrailObject t(data);
    t.InitializeIndex(1);
    // An empty trail is its index and zero.
    EXPECT_EQ(t.MakeString(), "Trl\t1\t0");
    QString empty = t.MakeString() + "\r\nIcn\t1\t1\t1\t1";
    gpsdata::TrailObject none(data);
    ASSERT_TRUE(none.ParseString(empty));
    EXPECT_EQ(none.NumPoints(), 0);
    EXPECT_TRUE(empty.startsWith("Icn"));

    t.SetTrlName("Morning");
    t.SetPoints({100000, 200000, -300000}, {400000, -500000, 600000}, {true, false, true});
    QString text = t.MakeString();
    EXPECT_TRUE(text.startsWith("Trl\t1\t3\tMorning\t\r\n"));
    EXPECT_EQ(text.count("\r\n"), 3);
    text += "\r\nTrl\t0\t0";

    gpsdata::TrailObject u(data);
    ASSERT_TRUE(u.ParseString(text));
    EXPECT_EQ(u.TrlIndex(), 1);
    EXPECT_EQ(u.TrlName(), "Morning");
    ASSERT_EQ(u.NumPoints(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(u.PointX(i), t.PointX(i));
        EXPECT_EQ(u.PointY(i), t.PointY(i));
        EXPECT_TRUE(u.Continuous(i));
    }
    EXPECT_EQ(text, "Trl,0,0");
}

TEST_F(Records, TrailParseKeepsOnlyTheAllowedPointsAndSurvivesImpossibleDegreesShortTextAndOnePoint) {
    data.SetMaxNumGPSTrailDeltas(2);
    QString text = "Trl\t0\t3\tT\t\r\n1\t2\r\n3\t4\r\n5\t6\r\nIcn\t1\t1\t1\t1";
    gpsdata::TrailObject t(data);
    ASSERT_TRUE(t.ParseString(text));
    EXPECT_EQ(t.NumPoints(), 2);
    EXPECT_TRUE(text.startsWith("Icn"));
    EXPECT_EQ(prompt.Texts(), QStringList{"Too many trail points. Only 2 trail points allowed."});

    text = "Trl\t0\t3\tT\t95\t0\t10\t10";
    ASSERT_TRUE(t.ParseString(text));
    EXPECT_EQ(t.NumPoints(), 1);
    EXPECT_TRUE(text.isEmpty());

    QString huge = "Trl\t0\t2000000000\tT\t1\t1";
    ASSERT_TRUE(t.ParseString(huge));
    EXPECT_EQ(t.NumPoints(), 1);

    // One declared point is taken off but makes no trail.
    QString one = "Trl\t0\t1\tT\t\r\n1\t2\r\nIcn\t1\t1\t1\t1";
    ASSERT_TRUE(t.ParseString(one));
    EXPECT_EQ(t.NumPoints(), 0);
    EXPECT_TRUE(one.startsWith("Icn"));
}

// A copy takes the whole record, a waypoint its region too but not its altitude,
// and announces no change.
TEST_F(Records, CopiesTakeTheWholeRecordSilently) {
    gpsdata::WaypointObject w(data), wCopy(data);
    QString record = "Wpt\t3\tA\t1\t2\t4\t6\t1\tc";
    ASSERT_TRUE(w.ParseString(record));
    w.SetRegion(5);
    w.Altitude = 99;
    gpsdata::RouteObject r(data), rCopy(data);
    record = "Rte\t2\tR\t0\t2";
    ASSERT_TRUE(r.ParseString(record));
    gpsdata::IconObject i(data), iCopy(data);
    record = "Icn\t2\t4\t5\t6";
    ASSERT_TRUE(i.ParseString(record));
    gpsdata::TrailObject t(data), tCopy(data);
    t.InitializeIndex(1);
    t.SetTrlName("x");
    t.SetPoints({1, 3}, {2, 4}, {true, false});
    QSignalSpy changes[] = {{&wCopy, &gpsdata::WaypointObject::WaypointChanged},
                            {&rCopy, &gpsdata::RouteObject::RouteChanged},
                            {&iCopy, &gpsdata::IconObject::IconChanged},
                            {&tCopy, &gpsdata::TrailObject::TrailChanged}};
    wCopy.Copy(w);
    rCopy.Copy(r);
    iCopy.Copy(i);
    tCopy.Copy(t);
    EXPECT_EQ(wCopy.MakeString(), w.MakeString());
    EXPECT_EQ(wCopy.Region(), 5);
    EXPECT_EQ(wCopy.Altitude, 0);
    EXPECT_EQ(rCopy.MakeString(), r.MakeString());
    EXPECT_EQ(iCopy.MakeString(), i.MakeString());
    EXPECT_EQ(tCopy.MakeString(), t.MakeString());
    EXPECT_FALSE(tCopy.Continuous(1));
    for (const QSignalSpy& spy : changes)
        EXPECT_EQ(spy.size(), 0);
}
