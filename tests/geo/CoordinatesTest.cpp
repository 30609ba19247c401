#include "geo/Coordinates.h"
#include "geo/NumericError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geo;

// The equator reads back a hair south, the date line a little past 180 (not
// wrapped), and a latitude loses the fraction of a unit.
TEST(Coordinates, ReadBackIsNotQuiteWhatWentIn) {
    EXPECT_EQ(LatitudeToY(0), 0);
    EXPECT_NEAR(YToLatitude(0), -1.175e-8, 1e-10);
    EXPECT_NEAR(XToLongitude(LongitudeToX(180)), 180.000002, 1e-6);
    EXPECT_NEAR(YToLatitude(LatitudeToY(45)), 44.999997575, 1e-9);
    // Half way rounds to even; out of range is a numeric error.
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(-0.5), 0);
    EXPECT_THROW(LatitudeToY(90.5), NumericError);
    EXPECT_THROW(LatitudeToY(-91), NumericError);
    EXPECT_THROW(RoundToInt32(3e9), NumericError);
    EXPECT_THROW(LongitudeToX(1e300), NumericError);
    EXPECT_THROW(RoundToInt32(std::nan("")), NumericError);
}
