#include "geo/GreatCircle.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"

#include <gtest/gtest.h>

using namespace geo;

TEST(GreatCircle, AFewMetresUseThePlanarFallback) {
    const double miles = GreatCircleMiles(1000, 1000, 1003, 1004);
    EXPECT_GT(miles, 0.0);
    EXPECT_LT(miles, 0.01);
}

TEST(GreatCircle, IdenticalPositionsHaveNoArcCosine) {
    EXPECT_THROW(GreatCircleMiles(5, 5, 5, 5), NumericError);
    EXPECT_THROW(ArcCos(1.0), NumericError);
    EXPECT_THROW(ArcCos(-1.5), NumericError);
    EXPECT_NEAR(ArcCos(0.0), Pi / 2, 1e-9);
}
