#include "gpsdata/DataExtent.h"
#include "gpsdata/GPSData.h"

#include <gtest/gtest.h>

using gpsdata::DataExtent;
using gpsdata::GPSData;

// Waypoints, icons and every trail point count, whichever lies outermost.
TEST(DataExtent, SpansWaypointsIconsAndTrailPointsAndAnEmptySetHasNone) {
    GPSData data;
    EXPECT_FALSE(DataExtent(data));
    data.AddWaypoint(0, -500, 300, 0, "w", 0, 0, 0);
    data.AddLurchIcon(0, 900, -40, 0);
    data.AddTrail(0, "t", 0, 0, {0, 100, 50}, {0, 2000, -700}, QList<bool>{true, true, true});
    const auto extent = DataExtent(data);
    ASSERT_TRUE(extent);
    // The smallest Y, the southern edge, is the top.
    EXPECT_EQ(*extent, QRect(QPoint(-500, -700), QPoint(900, 2000)));
}
