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

// Each format's fields are read at fixed places (the degree-minute minutes are
// six characters after the degrees, so a seventh digit is beyond them), the
// latitude checked before the longitude, degrees before minutes before seconds.
TEST(ValidatePosition, ChecksEachFieldInOrder) {
    const struct {
        int format;
        const char16_t* latitude;
        const char16_t* longitude;
        QString error;
    } cases[] = {
        {2, u"89.99999999\u00B0", u"180.00000000\u00B0", {}},
        {2, u"90.00000000\u00B0", u"000.00000000\u00B0", LatitudeValue},
        {2, u"00.00000000\u00B0", u"180.00000001\u00B0", LongitudeValue},
        {2, u"90.00000000\u00B0", u"181.00000000\u00B0", LongitudeValue},
        {3, u"89\u00B059.999'", u"180\u00B000.000'", {}},
        {3, u"90\u00B000.000'", u"181\u00B060.000'", LatitudeValue},
        {3, u"45\u00B060.000'", u"181\u00B060.000'", LatitudeMinutes},
        {3, u"45\u00B000.000'", u"180\u00B060.000'", LongitudeValue},
        {3, u"45\u00B000.000'", u"181\u00B060.000'", LongitudeAngle},
        {3, u"45\u00B000.000'", u"093\u00B060.000'", LongitudeMinutes},
        {3, u"00\u00B000.000'", u"180\u00B000.001'", LongitudeValue},
        {3, u"00\u00B000.000'", u"181\u00B000.000'", LongitudeAngle},
        {3, u"00\u00B000.000'", u"179\u00B059.999'", {}},
        {3, u"45\u00B059.9999'", u"093\u00B059.9999'", {}},
        {3, u"45\u00B059.9990'", u"093\u00B060.0000'", LongitudeMinutes},
        {4, u"89\u00B059'59.9\"", u"180\u00B000'00.0\"", {}},
        {4, u"90\u00B060'60.0\"", u"181\u00B060'60.0\"", LatitudeValue},
        {4, u"45\u00B060'60.0\"", u"181\u00B060'60.0\"", LatitudeMinutes},
        {4, u"45\u00B059'60.0\"", u"181\u00B060'60.0\"", LatitudeSeconds},
        {4, u"45\u00B059'59.9\"", u"180\u00B000'00.1\"", LongitudeValue},
        {4, u"45\u00B059'59.9\"", u"181\u00B000'00.0\"", LongitudeValue},
        {4, u"45\u00B059'59.9\"", u"093\u00B060'60.0\"", LongitudeMinutes},
        {4, u"45\u00B059'59.9\"", u"093\u00B059'60.0\"", LongitudeSeconds},
        {4, u"45\u00B059'59.95\"", u"093\u00B059'59.95\"", {}},
        {4, u"00\u00B000'00.0\"", u"180\u00B001'00.0\"", LongitudeValue},
        {4, u"00\u00B000'00.0\"", u"180\u00B000'00.05\"", {}},
        {2, u"", u"", {}},
        {3, u"1e400", u"0", LatitudeValue},
        {4, u"\u00B0", u"\"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidatePosition(c.format, c.latitude, c.longitude), c.error)
            << QString::fromUtf16(c.latitude).toStdString() << " "
            << QString::fromUtf16(c.longitude).toStdString();
    // Mercator metres and unknown formats have no checks.
    for (const std::int32_t format : {5, 1, 0, 6})
        EXPECT_EQ(ValidatePosition(format, u"99999999999", u"not a number"), QString());
}
