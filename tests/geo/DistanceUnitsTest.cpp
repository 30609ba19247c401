#include "geo/DistanceUnits.h"
#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"
#include "geo/NumericError.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace geo;

TEST(DistanceUnits, EachUnitShowsItsSuffixAndOneOrTwoDecimals) {
    EXPECT_EQ(FormatDistance(12.5, DistanceUnitsMiles, 0), u"12.5 miles");
    EXPECT_EQ(FormatDistance(10, DistanceUnitsNauticalMiles, 0), u"8.69 nm");
    EXPECT_EQ(FormatDistance(10, DistanceUnitsKilometres, 0), u"16.09 km");
    EXPECT_EQ(FormatDistance(1, DistanceUnitsMercatorMetres, 0), u"1609.34 mm");
    EXPECT_EQ(
        FormatDistance(DistanceToMiles(3.14159, DistanceUnitsKilometres, 0), DistanceUnitsKilometres, 0),
        u"3.14 km");
    EXPECT_EQ(FormatDistance(0, DistanceUnitsMiles, 0), u"0.0 miles");
    EXPECT_EQ(FormatDistance(1234567.0, DistanceUnitsMiles, 0), u"1234567.0 miles");
    // One degree of latitude shows as sixty nautical miles.
    const double miles = GreatCircleMiles(0, 0, 0, LatitudeToY(1));
    EXPECT_EQ(FormatDistance(miles, DistanceUnitsMiles, 0), u"69.05 miles");
    EXPECT_EQ(FormatDistance(miles, DistanceUnitsNauticalMiles, 0), u"60.0 nm");
}

// Mercator metres depend on the view's centre; the conversions undo each
// other; an unknown unit gives zero without a suffix.
TEST(DistanceUnits, ConversionsDependOnTheViewCentreAndUndoEachOther) {
    EXPECT_DOUBLE_EQ(MilesToDistance(1, DistanceUnitsMercatorMetres, 0), 1609.344);
    EXPECT_NEAR(MilesToDistance(1, DistanceUnitsMercatorMetres, LatitudeToY(60)), 2 * 1609.344, 0.01);
    EXPECT_NEAR(MilesToDistance(1, DistanceUnitsMercatorMetres, LatitudeToY(-60)), 2 * 1609.344, 0.01);
    EXPECT_NEAR(DistanceToMiles(2 * 1609.344, DistanceUnitsMercatorMetres, LatitudeToY(60)), 1, 1e-5);
    for (const std::int32_t units : {0, 1, 2, 3})
        for (const std::int32_t midY : {0, LatitudeToY(45), LatitudeToY(-80)})
            for (const double miles : {0.0, 0.001, 1.0, 69.05, 12500.0})
                EXPECT_NEAR(DistanceToMiles(MilesToDistance(miles, units, midY), units, midY), miles,
                            miles * 1e-14)
                    << units;
    for (const std::int32_t units : {4, -1, 1000}) {
        EXPECT_EQ(MilesToDistance(10, units, 0), 0);
        EXPECT_EQ(DistanceToMiles(10, units, 0), 0);
        EXPECT_EQ(FormatDistance(10, units, 0), u"0.0");
    }
}

TEST(GreatCircle, AFewMetresUseThePlanarFallbackAndNoneHaveNoArcCosine) {
    const double miles = GreatCircleMiles(1000, 1000, 1003, 1004);
    EXPECT_GT(miles, 0.0);
    EXPECT_LT(miles, 0.01);
    // Identical positions have no arc cosine.
    EXPECT_THROW(GreatCircleMiles(5, 5, 5, 5), NumericError);
    EXPECT_THROW(ArcCos(1.0), NumericError);
    EXPECT_THROW(ArcCos(-1.5), NumericError);
    EXPECT_NEAR(ArcCos(0.0), Pi / 2, 1e-9);
}
