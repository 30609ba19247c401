#include "geo/PositionParse.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "geo/PositionEntry.h"
#include "geo/PositionMasks.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace geo;

TEST(PositionParse, ZeroHasNoSignAndMercatorMetersBeyondTheUnitsAreErrors) {
    EXPECT_FALSE(std::signbit(ParseLatitude(u"00.00000000\u00B0", false, 2)));
    EXPECT_FALSE(std::signbit(ParseLongitude(u"", false, 2)));
    EXPECT_THROW(ParseLatitude(u"99999999999", true, 5), NumericError);
    EXPECT_THROW(ParseLongitude(u"1e400", true, 5), NumericError);
}

// Unknown formats and unreadable texts give zero; fields are read at the degree sign.
TEST(PositionParse, FieldsAreReadAtTheDegreeSign) {
    for (const std::int32_t format : {0, 1, 6, -1})
        EXPECT_EQ(ParseLatitude(u"45\u00B030'00.0\"", true, format), 0.0);
    for (const char16_t* text : {u"", u"\u00B0", u"abc\u00B0de'fg\"", u"''''"})
        EXPECT_EQ(ParseLongitude(text, true, 4), 0.0);
    // Minutes are the two characters after the degree sign, seconds four from p + 4.
    EXPECT_DOUBLE_EQ(ParseLatitude(u"5\u00B030'09.0\"", true, 4), 5 + 30 / 60.0 + 9 / 3600.0);
    EXPECT_DOUBLE_EQ(ParseLatitude(u"5\u00B03009.0\"", true, 4), 5 + 30 / 60.0 + 9 / 3600.0);
    // Decimal degrees take only the leading number.
    EXPECT_DOUBLE_EQ(ParseLatitude(u"45\u00B030.000'", true, 2), 45);
    // Without a degree sign the fields are read from the start of the text.
    EXPECT_DOUBLE_EQ(ParseLatitude(u"12.500", true, 3), 12.5 + 12.5 / 60);
    // Fields beyond the text are empty.
    EXPECT_EQ(MidText(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(MidText(u"abcdef", 5, 9), u"ef");
    EXPECT_EQ(MidText(u"abcdef", 7, 1), u"");
    EXPECT_EQ(MidText(u"", 1, 2), u"");
}

namespace {

// Every '#' of the mask holds a digit and every other place its literal.
::testing::AssertionResult FitsMask(const QString& text, const QString& mask) {
    if (text.size() != mask.size())
        return ::testing::AssertionFailure() << qPrintable(text) << " is not as wide as " << qPrintable(mask);
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const bool fits = mask[i] == u'#' ? text[i].isDigit() : text[i] == mask[i];
        if (!fits)
            return ::testing::AssertionFailure()
                   << qPrintable(text) << " breaks " << qPrintable(mask) << " at " << i;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

// Across the range (and a little past the date line), the entry texts fit
// their masks and read back to the shown position.
TEST(PositionParse, EntryTextsFitTheMasksAndReadBackToTheShownPosition) {
    for (const std::int32_t format : {2, 3, 4}) {
        for (double latitude = -89.99999999; latitude < 90; latitude += 0.7311) {
            const std::int32_t x = LongitudeToX(latitude * 2.01);
            const std::int32_t y = LatitudeToY(latitude);
            const PositionEntry entry = MakePositionEntry(x, y, format);
            EXPECT_TRUE(FitsMask(entry.latitudeText, LatitudeMask(format)));
            EXPECT_TRUE(FitsMask(entry.longitudeText, LongitudeMask(format)));
            // Half the last place of the format's text, in degrees.
            const double tolerance = (format == 2 ? 0.5e-8 : format == 3 ? 0.0005 / 60 : 0.05 / 3600) + 1e-12;
            const double latitudeBack = ParseLatitude(entry.latitudeText, entry.northSouth == u"N", format);
            const double longitudeBack = ParseLongitude(entry.longitudeText, entry.eastWest == u"E", format);
            // The texts are made from the magnitudes of X and Y, 180 at most.
            EXPECT_NEAR(std::fabs(latitudeBack), YToLatitude(std::abs(y)), tolerance);
            EXPECT_NEAR(std::fabs(longitudeBack), std::min(XToLongitude(std::abs(x)), 180.0), tolerance);
            EXPECT_EQ(latitudeBack < 0, y < 0);
            EXPECT_EQ(longitudeBack < 0, x < 0);
        }
    }
}

// Mercator meter digits fill eight places, wider values are not cut, and
// entries read back exactly.
TEST(PositionParse, MercatorMeterEntriesFillEightPlacesAndReadBackExactly) {
    const PositionEntry entry = MakePositionEntry(-10347402, 561005, 5);
    EXPECT_EQ(entry.latitudeText, u"00561005");
    EXPECT_EQ(entry.longitudeText, u"10347402");
    EXPECT_EQ(entry.eastWest, u"W");
    EXPECT_EQ(MakePositionEntry(0, -7, 5).latitudeText, u"00000007");
    EXPECT_EQ(MakePositionEntry(123456789, 0, 5).longitudeText, u"123456789");
    // Near the poles a southern value does not come back exactly: the hemispheres are
    // not symmetric, and a unit of Y is a tiny fraction of a degree there.
    for (const std::int32_t y : {0, 1, -1, 561005, -3997750, 99999999, -9999999}) {
        const PositionEntry entry = MakePositionEntry(-y, y, 5);
        EXPECT_EQ(LatitudeToY(ParseLatitude(entry.latitudeText, entry.northSouth == u"N", 5)), y);
        EXPECT_EQ(LongitudeToX(ParseLongitude(entry.longitudeText, entry.eastWest == u"E", 5)), -y);
    }
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
