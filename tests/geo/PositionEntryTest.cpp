#include "geo/PositionEntry.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace geo;

TEST(PositionEntry, MercatorMeterDigitsFillEightPlaces) {
    const PositionEntry entry = MakePositionEntry(-10347402, 561005, 5);
    EXPECT_EQ(entry.latitudeText, u"00561005");
    EXPECT_EQ(entry.longitudeText, u"10347402");
    EXPECT_EQ(entry.eastWest, u"W");
    EXPECT_EQ(MakePositionEntry(0, -7, 5).latitudeText, u"00000007");
    // Wider values are not cut.
    EXPECT_EQ(MakePositionEntry(123456789, 0, 5).longitudeText, u"123456789");
}

// The equator enters as the magnitude north; the most negative value has none.
TEST(PositionEntry, DegreesEnterAsMagnitudeAndHemisphere) {
    const PositionEntry entry = MakePositionEntry(0, 0, 2);
    EXPECT_EQ(entry.latitudeText, u"00.00000001\u00B0");
    EXPECT_EQ(entry.northSouth, u"N");
    EXPECT_EQ(entry.longitudeText, u"000.00000000\u00B0");
    EXPECT_EQ(entry.eastWest, u"E");
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    EXPECT_THROW(MakePositionEntry(lowest, 0, 2), NumericError);
    EXPECT_THROW(MakePositionEntry(0, lowest, 5), NumericError);
}
