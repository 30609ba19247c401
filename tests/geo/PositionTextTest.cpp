#include "geo/PositionText.h"
#include "geo/Coordinates.h"
#include "geo/PositionFormat.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace geo;

// The equator shows in the south, a hair below it; beyond the date line a
// longitude shows as 180, and zero as east.
TEST(PositionText, EachFormatShowsTheHemisphereAndTheDigits) {
    struct Case {
        bool latitude;
        std::int32_t value;
        const char16_t* texts[3]; // formats 2, 3 and 4
    };
    const Case cases[] = {
        {true, 0, {u"S 0.00000001\u00B0", u"S  0\u00B000.000'", u"S  0\u00B000'00.0\""}},
        {true, LatitudeToY(-33.8688), {u"S 33.86880209\u00B0", u"S 33\u00B052.128'", u"S 33\u00B052'07.7\""}},
        {true,
         LatitudeToY(89.99999999),
         {u"N 89.99999999\u00B0", u"N 90\u00B000.000'", u"N 90\u00B000'00.0\""}},
        {false,
         LongitudeToX(151.2093),
         {u"E 151.20929593\u00B0", u"E 151\u00B012.558'", u"E 151\u00B012'33.5\""}},
        {false, LongitudeToX(180), {u"E 180.00000000\u00B0", u"E 180\u00B000.000'", u"E 180\u00B000'00.0\""}},
        {false, LongitudeToX(181), {u"E 180.00000000\u00B0", u"E 180\u00B000.000'", u"E 180\u00B000'00.0\""}},
        {false, LongitudeToX(500), {u"E 180.00000000\u00B0", u"E 180\u00B000.000'", u"E 180\u00B000'00.0\""}},
        {false,
         LongitudeToX(-180),
         {u"W 180.00000000\u00B0", u"W 180\u00B000.000'", u"W 180\u00B000'00.0\""}},
        {false,
         LongitudeToX(-181),
         {u"W 180.00000000\u00B0", u"W 180\u00B000.000'", u"W 180\u00B000'00.0\""}},
        {false,
         LongitudeToX(-500),
         {u"W 180.00000000\u00B0", u"W 180\u00B000.000'", u"W 180\u00B000'00.0\""}},
    };
    for (const Case& c : cases)
        for (const std::int32_t format : {2, 3, 4})
            EXPECT_EQ(c.latitude ? FormatLatitude(c.value, format) : FormatLongitude(c.value, format),
                      QStringView(c.texts[format - 2]))
                << c.value << " in format " << format;
    EXPECT_EQ(FormatLongitude(std::numeric_limits<std::int32_t>::max(), 2), u"E 180.00000000\u00B0");
    EXPECT_EQ(FormatLongitude(0, 2), u"E 0.00000000\u00B0");
    EXPECT_EQ(FormatLongitude(-1, 2), u"W 0.00000901\u00B0");
}

TEST(PositionText, MinutesOrSecondsThatRoundToSixtyCarry) {
    // Y 110951 is 0.9999919907 degrees: 59.99952 minutes, 59.97 seconds.
    EXPECT_EQ(FormatLatitude(110951, 3), u"N  1\u00B000.000'");
    EXPECT_EQ(FormatLatitude(110951, 4), u"N  1\u00B000'00.0\"");
    EXPECT_EQ(FormatLatitude(-110951, 3), u"S  1\u00B000.000'");
    // Y 332990 is 2.9999914375 degrees: 59.999486 minutes would show as 59.999 on their
    // own, but the seconds (59.969) show as 60.0 and carry through to the degrees.
    EXPECT_EQ(FormatLatitude(332990, 3), u"N  3\u00B000.000'");
    EXPECT_EQ(FormatLatitude(332990, 4), u"N  3\u00B000'00.0\"");
    // X 1176029 is 10.5999883214 degrees: 35.999299 minutes, 59.958 seconds. Format 4
    // carries into the minutes; format 3 shows the decimal minutes as they are.
    EXPECT_EQ(FormatLongitude(1176029, 4), u"E  10\u00B036'00.0\"");
    EXPECT_EQ(FormatLongitude(1176029, 3), u"E  10\u00B035.999'");
}

TEST(PositionText, UnknownFormatsShowDegreesAndMinutesMercatorMetresTheRawValue) {
    const std::int32_t x = LongitudeToX(151.2093);
    for (const std::int32_t unknown : {0, 6, -1, 1000})
        EXPECT_EQ(FormatLongitude(x, unknown), u"E 151\u00B012.558'");
    // Mercator metres show the raw value.
    EXPECT_EQ(FormatLatitude(-750, 5), u"Y: -750");
    EXPECT_EQ(FormatLatitude(0, 5), u"Y: +0");
    EXPECT_EQ(FormatLatitude(561005, 5), u"Y: +561005");
    EXPECT_EQ(FormatLongitude(0, 5), u"X: +0");
    // Not clamped to the date line.
    EXPECT_EQ(FormatLongitude(LongitudeToX(181), 5), u"X: +20081272");
    EXPECT_EQ(FormatLongitude(std::numeric_limits<std::int32_t>::min(), 5), u"X: -2147483648");
}

TEST(PositionText, CursorReadoutOrderFollowsTheFormat) {
    const std::int32_t x = LongitudeToX(-93.265);
    const std::int32_t y = LatitudeToY(5.05);
    EXPECT_EQ(CursorReadout(x, y, PositionFormatNone), QString());
    EXPECT_EQ(CursorReadout(x, y, 2), u"N 5.04999624\u00B0  W 93.26499632\u00B0");
    EXPECT_EQ(CursorReadout(x, y, 3), u"N  5\u00B003.000'  W  93\u00B015.900'");
    EXPECT_EQ(CursorReadout(x, y, 4), u"N  5\u00B003'00.0\"  W  93\u00B015'54.0\"");
    EXPECT_EQ(CursorReadout(x, y, 5), u"X: -10347402  Y: +561005");
}
