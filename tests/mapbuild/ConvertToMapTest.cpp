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

// A route becomes an open border through its waypoints in route order,
// repeats kept and missing waypoints left out; fewer than two waypoints
// make nothing and leave the map unchanged.
TEST_F(RouteToBorder, ARouteBecomesAnOpenBorderThroughItsWaypoints) {
    const std::pair<QList<qint16>, QList<QPoint>> cases[] = {
        {{1, 2}, {{100, 200}, {300, -400}}},
        {{3, 1, 3}, {{500, 600}, {100, 200}, {500, 600}}},
        {{1, 9, 2}, {{100, 200}, {300, -400}}},
        {{1}, {}},
        {{9, 2}, {}}};
    qint16 index = 0;
    for (const auto& [legs, vertices] : cases) {
        SCOPED_TRACE(index);
        carver.KClearAll();
        map.SetDirty(false);
        const gpsdata::RouteObject* route = data.AddRouteWithCollection(index++, "R", legs);
        const bool made = !vertices.isEmpty();
        EXPECT_EQ(mapbuild::ConvertToMap(*route, map), made);
        EXPECT_EQ(carver.KGetNumPolygons(), made ? 1 : 0);
        EXPECT_EQ(map.Dirty(), made);
        if (made) {
            EXPECT_EQ(carver.KIsPolyLineClosed(0), 0);
            EXPECT_EQ(Vertices(0), vertices);
        }
    }
}

} // namespace
