#include "mapbuild/ConvertToMap.h"
#include "carver/Carver.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/RouteObject.h"
#include "mapbuild/MapData.h"

#include <gtest/gtest.h>

namespace {

class RouteToBorder : public ::testing::Test {
protected:
    void SetUp() override {
        data.AddWaypoint(1, 100, 200, 0, "A", 0, 0, 0);
        data.AddWaypoint(2, 300, -400, 0, "B", 0, 0, 0);
        data.AddWaypoint(3, 500, 600, 0, "C", 0, 0, 0);
    }
    QList<QPoint> Vertices(int border) const {
        QList<QPoint> points;
        const int n = carver.KGetNumPoints(border);
        int x = 0, y = 0;
        for (int i = 0; i < n; ++i)
            if (carver.KGetPoint(border, i, 0, x, y))
                points << QPoint(x, y);
        if (carver.KGetPoint(border, n - 1, 1, x, y))
            points << QPoint(x, y);
        return points;
    }

    gpsdata::GPSData data;
    Carver carver;
    mapbuild::MapData map{carver};
};

TEST_F(RouteToBorder, TwoWaypointRouteMakesAnOpenLineOfTwoPoints) {
    const gpsdata::RouteObject* route = data.AddRoute(0, "R", {1, 2});
    ASSERT_TRUE(mapbuild::ConvertToMap(*route, map));
    ASSERT_EQ(carver.KGetNumPolygons(), 1);
    EXPECT_EQ(carver.KIsPolyLineClosed(0), 0);
    EXPECT_EQ(Vertices(0), QList<QPoint>({{100, 200}, {300, -400}}));
    EXPECT_TRUE(map.Dirty());
    EXPECT_TRUE(map.CartridgeDirty());
}

TEST_F(RouteToBorder, LegsFollowTheRouteOrderWithRepeats) {
    const gpsdata::RouteObject* route = data.AddRoute(0, "R", {3, 1, 3});
    ASSERT_TRUE(mapbuild::ConvertToMap(*route, map));
    EXPECT_EQ(Vertices(0), QList<QPoint>({{500, 600}, {100, 200}, {500, 600}}));
}

TEST_F(RouteToBorder, ShortRouteAddsNothing) {
    map.SetDirty(false);
    const gpsdata::RouteObject* route = data.AddRoute(0, "R", {1});
    EXPECT_FALSE(mapbuild::ConvertToMap(*route, map));
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    EXPECT_FALSE(map.Dirty());
}

TEST_F(RouteToBorder, MissingWaypointsAreLeftOut) {
    const gpsdata::RouteObject* route = data.AddRouteWithCollection(0, "R", {1, 9, 2});
    ASSERT_TRUE(mapbuild::ConvertToMap(*route, map));
    EXPECT_EQ(Vertices(0), QList<QPoint>({{100, 200}, {300, -400}}));
    // Only one waypoint left: no border of one point.
    const gpsdata::RouteObject* lone = data.AddRouteWithCollection(1, "S", {9, 2});
    EXPECT_FALSE(mapbuild::ConvertToMap(*lone, map));
    EXPECT_EQ(carver.KGetNumPolygons(), 1);
}

} // namespace
