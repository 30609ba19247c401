#include "geo/PositionEntry.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "geo/PositionMasks.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace geo;

TEST(PositionEntry, DegreesAreZeroPaddedToTheMask) {
    const PositionEntry entry = MakePositionEntry(LongitudeToX(-93.265), LatitudeToY(5.05), 3);
    EXPECT_EQ(entry.latitudeText, u"05\u00B003.000'");
    EXPECT_EQ(entry.longitudeText, u"093\u00B015.900'");
    EXPECT_EQ(entry.northSouth, u"N");
    EXPECT_EQ(entry.eastWest, u"W");
}

TEST(PositionEntry, TextsInEachFormat) {
    const std::int32_t x = LongitudeToX(151.2093);
    const std::int32_t y = LatitudeToY(-33.8688);
    const PositionEntry degrees = MakePositionEntry(x, y, 2);
    // The text is made from the magnitude of Y, which lies a hair further from the
    // equator than the southern latitude shown in lists (S 33.86880209).
    EXPECT_EQ(degrees.latitudeText, u"33.86880206\u00B0");
    EXPECT_EQ(degrees.longitudeText, u"151.20929593\u00B0");
    const PositionEntry seconds = MakePositionEntry(x, y, 4);
    EXPECT_EQ(seconds.latitudeText, u"33\u00B052'07.7\"");
    EXPECT_EQ(seconds.longitudeText, u"151\u00B012'33.5\"");
    EXPECT_EQ(seconds.northSouth, u"S");
    EXPECT_EQ(seconds.eastWest, u"E");
}

TEST(PositionEntry, MercatorMeterDigitsFillEightPlaces) {
    const PositionEntry entry = MakePositionEntry(-10347402, 561005, 5);
    EXPECT_EQ(entry.latitudeText, u"00561005");
    EXPECT_EQ(entry.longitudeText, u"10347402");
    EXPECT_EQ(entry.eastWest, u"W");
    EXPECT_EQ(MakePositionEntry(0, -7, 5).latitudeText, u"00000007");
    // Wider values are not cut.
    EXPECT_EQ(MakePositionEntry(123456789, 0, 5).longitudeText, u"123456789");
}

TEST(PositionEntry, EquatorEntersAsTheMagnitudeNorth) {
    const PositionEntry entry = MakePositionEntry(0, 0, 2);
    EXPECT_EQ(entry.latitudeText, u"00.00000001\u00B0");
    EXPECT_EQ(entry.northSouth, u"N");
    EXPECT_EQ(entry.longitudeText, u"000.00000000\u00B0");
    EXPECT_EQ(entry.eastWest, u"E");
}

TEST(PositionEntry, MostNegativeValueHasNoMagnitude) {
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    EXPECT_THROW(MakePositionEntry(lowest, 0, 2), NumericError);
    EXPECT_THROW(MakePositionEntry(0, lowest, 5), NumericError);
}
