#include "geo/PositionValidation.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using geo::ValidatePosition;

namespace {

const QString LatitudeValue = QStringLiteral("Latitude value must be < 90 degrees.");
const QString LatitudeMinutes = QStringLiteral("Latitude minutes must be < 60 minutes.");
const QString LatitudeSeconds = QStringLiteral("Latitude seconds must be < 60 seconds.");
const QString LongitudeValue = QStringLiteral("Longitude value must be <= 180 degrees.");
const QString LongitudeAngle = QStringLiteral("Longitude angle must be <= 180 degrees.");
const QString LongitudeMinutes = QStringLiteral("Longitude minutes must be < 60 minutes.");
const QString LongitudeSeconds = QStringLiteral("Longitude seconds must be < 60 seconds.");

} // namespace

TEST(ValidatePosition, DegreesChecks) {
    EXPECT_EQ(ValidatePosition(2, u"89.99999999\u00B0", u"180.00000000\u00B0"), QString());
    EXPECT_EQ(ValidatePosition(2, u"90.00000000\u00B0", u"000.00000000\u00B0"), LatitudeValue);
    EXPECT_EQ(ValidatePosition(2, u"00.00000000\u00B0", u"180.00000001\u00B0"), LongitudeValue);
    // The longitude is checked first.
    EXPECT_EQ(ValidatePosition(2, u"90.00000000\u00B0", u"181.00000000\u00B0"), LongitudeValue);
}

TEST(ValidatePosition, DegMinChecksInOrder) {
    EXPECT_EQ(ValidatePosition(3, u"89\u00B059.999'", u"180\u00B000.000'"), QString());
    EXPECT_EQ(ValidatePosition(3, u"90\u00B000.000'", u"181\u00B060.000'"), LatitudeValue);
    EXPECT_EQ(ValidatePosition(3, u"45\u00B060.000'", u"181\u00B060.000'"), LatitudeMinutes);
    EXPECT_EQ(ValidatePosition(3, u"45\u00B000.000'", u"180\u00B060.000'"), LongitudeValue);
    EXPECT_EQ(ValidatePosition(3, u"45\u00B000.000'", u"181\u00B060.000'"), LongitudeAngle);
    EXPECT_EQ(ValidatePosition(3, u"45\u00B000.000'", u"093\u00B060.000'"), LongitudeMinutes);
}

TEST(ValidatePosition, DegMinLongitudeAt180) {
    EXPECT_EQ(ValidatePosition(3, u"00\u00B000.000'", u"180\u00B000.001'"), LongitudeValue);
    EXPECT_EQ(ValidatePosition(3, u"00\u00B000.000'", u"181\u00B000.000'"), LongitudeAngle);
    EXPECT_EQ(ValidatePosition(3, u"00\u00B000.000'", u"179\u00B059.999'"), QString());
}

TEST(ValidatePosition, DegMinMinutesAreSixCharactersAfterTheDegrees) {
    // Only "59.999" is read of the minutes: a seventh digit is beyond the field.
    EXPECT_EQ(ValidatePosition(3, u"45\u00B059.9999'", u"093\u00B059.9999'"), QString());
    EXPECT_EQ(ValidatePosition(3, u"45\u00B059.9990'", u"093\u00B060.0000'"), LongitudeMinutes);
}

TEST(ValidatePosition, DegMinSecChecksInOrder) {
    EXPECT_EQ(ValidatePosition(4, u"89\u00B059'59.9\"", u"180\u00B000'00.0\""), QString());
    EXPECT_EQ(ValidatePosition(4, u"90\u00B060'60.0\"", u"181\u00B060'60.0\""), LatitudeValue);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B060'60.0\"", u"181\u00B060'60.0\""), LatitudeMinutes);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'60.0\"", u"181\u00B060'60.0\""), LatitudeSeconds);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'59.9\"", u"180\u00B000'00.1\""), LongitudeValue);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'59.9\"", u"181\u00B000'00.0\""), LongitudeValue);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'59.9\"", u"093\u00B060'60.0\""), LongitudeMinutes);
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'59.9\"", u"093\u00B059'60.0\""), LongitudeSeconds);
}

TEST(ValidatePosition, DegMinSecFieldsAreReadAtFixedPlaces) {
    EXPECT_EQ(ValidatePosition(4, u"45\u00B059'59.95\"", u"093\u00B059'59.95\""), QString());
    EXPECT_EQ(ValidatePosition(4, u"00\u00B000'00.0\"", u"180\u00B001'00.0\""), LongitudeValue);
    EXPECT_EQ(ValidatePosition(4, u"00\u00B000'00.0\"", u"180\u00B000'00.05\""), QString());
}

TEST(ValidatePosition, MercatorMeterAndUnknownFormatsHaveNoChecks) {
    for (const std::int32_t format : {5, 1, 0, 6})
        EXPECT_EQ(ValidatePosition(format, u"99999999999", u"not a number"), QString());
}

TEST(ValidatePosition, UnreadableTextsAreChecked) {
    EXPECT_EQ(ValidatePosition(2, u"", u""), QString());
    EXPECT_EQ(ValidatePosition(3, u"1e400", u"0"), LatitudeValue);
    EXPECT_EQ(ValidatePosition(4, u"\u00B0", u"\""), QString());
}
