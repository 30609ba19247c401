#include "gpsdata/DataExtent.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/IconObject.h"
#include "gpsdata/TrailObject.h"
#include "gpsdata/WaypointObject.h"

#include <gtest/gtest.h>

using gpsdata::DataExtent;
using gpsdata::GPSData;

TEST(DataExtent, EmptyDataSetHasNoExtent) {
    GPSData data;
    EXPECT_FALSE(DataExtent(data));
}

// Waypoints, icons and every trail point count, whichever lies outermost.
TEST(DataExtent, SpansWaypointsIconsAndTrailPoints) {
    GPSData data;
    gpsdata::WaypointObject* w = data.AddNewWaypoint(false);
    ASSERT_NE(w, nullptr);
    w->SetX(-500);
    w->SetY(300);
    gpsdata::IconObject* icon = data.AddNewIcon(false);
    ASSERT_NE(icon, nullptr);
    icon->SetX(900);
    icon->SetY(-40);
    gpsdata::TrailObject* trail = data.AddNewTrail(false);
    ASSERT_NE(trail, nullptr);
    trail->SetPoints({0, 100, 50}, {0, 2000, -700}, {true, true, true});

    const auto extent = DataExtent(data);
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->left(), -500);
    EXPECT_EQ(extent->right(), 900);
    EXPECT_EQ(extent->top(), -700); // smallest Y: the southern edge
    EXPECT_EQ(extent->bottom(), 2000);
}
