#include "gpsdata/GPSData.h"

#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using gpsdata::GPSData;
using gpsdata::RouteObject;

namespace {

class Route : public ::testing::Test {
protected:
    Route() {
        data.AddWaypoint(0, geo::LongitudeToX(-122), geo::LatitudeToY(45), 0, "A", 0, 0, 0);
        data.AddWaypoint(1, geo::LongitudeToX(-121), geo::LatitudeToY(46), 0, "B", 0, 0, 0);
        data.AddWaypoint(2, geo::LongitudeToX(-120), geo::LatitudeToY(45), 0, "C", 0, 0, 0);
    }

    RouteObject* Make(const QList<qint16>& legs) { return data.AddRoute(0, "r", legs); }

    double AB() const {
        return geo::GreatCircleMiles(data.Waypoint(0)->X(), data.Waypoint(0)->Y(), data.Waypoint(1)->X(),
                                     data.Waypoint(1)->Y());
    }

    GPSData data;
};

} // namespace

TEST_F(Route, LegDistancesCountEntriesFromOne) {
    RouteObject* r = Make({0, 1, 0});
    EXPECT_DOUBLE_EQ(r->LegDistance(1), AB());
    EXPECT_DOUBLE_EQ(r->LegDistance(2), AB());
    EXPECT_EQ(r->LegDistance(3), 0);
    EXPECT_EQ(r->LegDistance(0), 0);
    EXPECT_DOUBLE_EQ(r->TotalDistance(), 2 * AB());
    EXPECT_GT(AB(), 50);
    // Single points, missing waypoints and repeats give no distance.
    EXPECT_EQ(Make({1})->TotalDistance(), 0);
    // The same waypoint twice: the arc cosine fails, the leg is 0.
    EXPECT_EQ(Make({1, 1})->LegDistance(1), 0);
    EXPECT_EQ(Make({1, 77})->LegDistance(1), 0);
    EXPECT_EQ(Make({})->TotalDistance(), 0);
}

TEST_F(Route, AddWaypointInsertsOrAppendsAndRefusesPastEitherLimit) {
    RouteObject* r = Make({});
    QSignalSpy changed(r, &RouteObject::RouteChanged);
    EXPECT_EQ(r->AddWaypoint(1), "");
    EXPECT_EQ(r->AddWaypoint(2, 0), "");
    EXPECT_EQ(r->AddWaypoint(0, 99), "");
    EXPECT_EQ(r->AddWaypoint(0, 1), "");
    EXPECT_EQ(r->Waypoints(), (QList<qint16>{2, 0, 1, 0}));
    EXPECT_EQ(changed.size(), 4);

    // Past either limit the route is left as it was.
    data.SetMaxNumGPSWptsPerRoute(2);
    r = Make({0, 1});
    EXPECT_EQ(r->AddWaypoint(2), "Route is already full. Remove some legs from the route and try again.");
    data.AddRoute(1, "s", {0});
    data.SetMaxNumGPSRouteWaypoints(3);
    EXPECT_EQ(data.Route(1)->AddWaypoint(2),
              "Too many route waypoints. Delete some route legs and try again.");
    EXPECT_EQ(data.Route(1)->NumWaypoints(), 1);
    EXPECT_EQ(r->NumWaypoints(), 2);
}

TEST_F(Route, RemoveLegKeepsTheEditorOnItsWaypoint) {
    RouteObject* r = Make({0, 1, 2, 0});
    data.SetEditingRoute(0);
    data.SetEditingRouteLeg(2);
    r->RemoveLeg(1);
    EXPECT_EQ(data.EditingRouteLeg(), 1);
    r->RemoveLeg(2);
    EXPECT_EQ(data.EditingRouteLeg(), 1);
    r->RemoveLeg(0);
    EXPECT_EQ(data.EditingRouteLeg(), 0);
    r->RemoveLeg(0);
    EXPECT_EQ(data.EditingRouteLeg(), 0);
    EXPECT_EQ(r->NumWaypoints(), 0);
    QSignalSpy changed(r, &RouteObject::RouteChanged);
    r->RemoveLeg(0);
    r->RemoveLeg(-1);
    EXPECT_EQ(changed.size(), 0) << "a leg outside the list is no change";
}

TEST_F(Route, DeletingAWaypointRemovesEveryLegThatUsesIt) {
    Make({0, 1, 0, 2, 0});
    data.AddRoute(1, "s", {0});
    data.AddRoute(2, "t", {1});
    data.DeleteWaypoint(0);
    EXPECT_EQ(data.Waypoint(0), nullptr);
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{1, 2}));
    EXPECT_EQ(data.Route(1)->NumWaypoints(), 0);
    EXPECT_EQ(data.Route(2)->Waypoints(), (QList<qint16>{1}));
}
