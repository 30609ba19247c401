#include "gpsdata/DataExtent.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/SerialDate.h"

#include "support/RecordingPrompt.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using gpsdata::GPSData;

namespace {

class DataSet : public ::testing::Test {
protected:
    DataSet() { data.SetPrompt(&prompt); }
    GPSData data;
    testing_support::RecordingPrompt prompt;
};

} // namespace

TEST_F(DataSet, NewObjectsFillTheLowestGapWithTheDefaultsAndAnExistingIndexIsUpdatedInPlace) {
    data.AddNewFileWaypoint(0, 1, 1, "A", 0, 0, "", 0);
    data.AddNewFileWaypoint(2, 1, 1, "B", 0, 0, "", 0);
    data.SetDefaultSymbol(7);
    QSignalSpy added(&data, &GPSData::WaypointAdded);
    const double before = gpsdata::SerialDate::Now();

    gpsdata::WaypointObject* w = data.AddNewWaypoint();

    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->WptIndex(), 1);
    EXPECT_EQ(w->WptName(), "Wpt 002*");
    EXPECT_EQ(w->WptSymbol(), 7);
    EXPECT_EQ(w->X(), 0);
    EXPECT_GE(w->DateModified(), before);
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added[0][0].toInt(), 1);
    EXPECT_TRUE(data.Dirty());
    // Iteration keeps the order of adding, not of indexes.
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 2, 1}));
    EXPECT_EQ(data.FindWaypoint(1), 3);
    // New trails and icons get their defaults too.
    gpsdata::TrailObject* t = data.AddNewTrail();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->TrlName(), "Trl 001*");
    EXPECT_EQ(t->NumPoints(), 0);
    ASSERT_NE(data.AddNewIcon(), nullptr);
    EXPECT_EQ(data.Icons().At(0)->IcnSymbol(), 7);

    // Adding an existing index updates that object in place.
    data.AddWaypoint(5, 10, 20, 0, "first", 1, 1000, 0);
    data.AddWaypoint(6, 10, 20, 0, "second", 1, 1000, 0);
    gpsdata::WaypointObject* five = data.Waypoint(5);
    data.AddWaypoint(5, 30, 40, 0, "again", 2, 2000, 0);
    EXPECT_EQ(data.CountWaypoints(), 5);
    EXPECT_EQ(data.Waypoint(5), five);
    EXPECT_EQ(five->X(), 30);
    EXPECT_EQ(five->WptName(), "Again");
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 2, 1, 5, 6}));
}

TEST_F(DataSet, NoFreeSlotShowsEachKindsMessageUnlessTold) {
    data.SetMaxNumGPSRoutes(1);
    ASSERT_NE(data.AddNewRoute(), nullptr);
    EXPECT_EQ(data.Route(0)->RteName(), "Rte 001*");
    EXPECT_EQ(data.AddNewRoute(false), nullptr);
    EXPECT_TRUE(prompt.shown.isEmpty());

    data.SetMaxNumGPSWaypoints(0);
    data.SetMaxNumGPSIcons(0);
    data.SetMaxNumGPSTrails(0);
    EXPECT_EQ(data.AddNewRoute(), nullptr);
    EXPECT_EQ(data.AddNewWaypoint(), nullptr);
    EXPECT_EQ(data.AddNewIcon(), nullptr);
    EXPECT_EQ(data.AddNewTrail(), nullptr);
    EXPECT_EQ(prompt.Texts(),
              (QStringList{"Unable to create a new route.\r\nDelete a route and try again.",
                           "Unable to create a new waypoint.\r\nDelete a waypoint and try again.",
                           "Unable to create a new icon.\r\nDelete an icon and try again.",
                           "Unable to create a new trail.\r\nDelete a trail and try again."}));
}

TEST_F(DataSet, FileAddsRaiseNoAddedEventLeaveDirtyAloneAndRefuseImpossibleDegrees) {
    QSignalSpy added(&data, &GPSData::WaypointAdded);
    QSignalSpy iconAdded(&data, &GPSData::IconAdded);
    data.AddNewFileWaypoint(3, 1, 2, "x", 0, 0, "note", 0);
    data.AddFileWaypoint(4, 45.5, -122.25, "y", 0, 0, "", 0);
    data.AddFileIcon(1, 2, 10, 20);
    data.SetDirty(false);
    EXPECT_EQ(added.size(), 0);
    EXPECT_EQ(iconAdded.size(), 0);
    EXPECT_EQ(data.Waypoint(3)->Comment, "note");
    EXPECT_NEAR(data.Waypoint(4)->Latitude(), 45.5, 1e-5);
    EXPECT_NEAR(data.Icon(1)->Longitude(), 20, 1e-5);

    data.AddLurchIcon(2, 0, 0, 1);
    EXPECT_EQ(iconAdded.size(), 1);
    EXPECT_TRUE(data.Dirty());

    EXPECT_THROW(data.AddFileWaypoint(1, 95, 0, "pole", 0, 0, "", 0), std::domain_error);
    EXPECT_THROW(data.AddFileIcon(5, 0, 0, 1e12), std::domain_error);
    EXPECT_EQ(data.CountWaypoints(), 2);
    EXPECT_EQ(data.CountIcons(), 2);
}

// Changes reaching the set: WaypointTest.
TEST_F(DataSet, RemovalsReachTheSetWithTheirIndex) {
    data.AddLurchIcon(3, 1, 2, 0);
    gpsdata::IconObject* icon = data.Icon(3);
    // Deleting announces the removal while the object still lives.
    QSignalSpy ownRemoved(icon, &gpsdata::IconObject::IconRemoved);
    QSignalSpy setRemoved(&data, &GPSData::IconRemoved);
    data.DeleteIcon(3);
    EXPECT_EQ(ownRemoved.size(), 1);
    ASSERT_EQ(setRemoved.size(), 1);
    EXPECT_EQ(setRemoved[0][0].toInt(), 3);
    EXPECT_EQ(data.Icon(3), nullptr);
    data.DeleteIcon(3); // nothing left to delete
    EXPECT_EQ(setRemoved.size(), 1);
}

TEST_F(DataSet, NewFileEmptiesEverythingAndAReplacedCollectionRaisesListModified) {
    data.SetPath("/tmp/x.nrv");
    data.AddWaypoint(0, 0, 0, 0, "a", 0, 0, 0);
    data.AddRoute(0, "r", {0});
    data.AddNewTrail();
    data.AddNewIcon();
    data.NewGPSDataFile();
    EXPECT_EQ(data.CountWaypoints() + data.CountRoutes() + data.CountTrails() + data.CountIcons(), 0);
    EXPECT_TRUE(data.Path().isEmpty());

    data.AddWaypoint(0, 0, 0, 0, "a", 0, 0, 0);
    const gpsdata::WaypointCollection snapshot = data.Waypoints();
    data.AddWaypoint(1, 0, 0, 0, "b", 0, 0, 0);
    data.SetDirty(false);
    QSignalSpy modified(&data, &GPSData::WaypointListModified);

    data.SetWaypoints(snapshot);
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0}));
    EXPECT_EQ(modified.size(), 1);
    EXPECT_TRUE(data.Dirty());

    data.SetWaypoints();
    EXPECT_EQ(data.CountWaypoints(), 0);
}

// Waypoints, icons and every trail point count, whichever lies outermost.
TEST(DataExtent, SpansWaypointsIconsAndTrailPointsAndAnEmptySetHasNone) {
    GPSData data;
    EXPECT_FALSE(gpsdata::DataExtent(data));
    data.AddWaypoint(0, -500, 300, 0, "w", 0, 0, 0);
    data.AddLurchIcon(0, 900, -40, 0);
    data.AddTrail(0, "t", 0, 0, {0, 100, 50}, {0, 2000, -700}, QList<bool>{true, true, true});
    const auto extent = gpsdata::DataExtent(data);
    ASSERT_TRUE(extent);
    // The smallest Y, the southern edge, is the top.
    EXPECT_EQ(*extent, QRect(QPoint(-500, -700), QPoint(900, 2000)));
}
