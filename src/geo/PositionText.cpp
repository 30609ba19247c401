#include "geo/PositionText.h"

#include "geo/Coordinates.h"
#include "geo/NumberFormat.h"
#include "geo/PositionFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace geo {

namespace {

// What differs between latitude and longitude text.
struct AxisStyle {
    char16_t positive;
    char16_t negative;
    const char16_t* degreesPattern;
    qsizetype degreePlaces;
    const char16_t* rawPrefix;
};

constexpr AxisStyle LatitudeStyle{u'N', u'S', u"#0.00000000", 2, u"Y: "};
constexpr AxisStyle LongitudeStyle{u'E', u'W', u"##0.00000000", 3, u"X: "};

// An angle split for degrees-and-minutes text. The seconds are checked first: when they
// would show as 60.0 the minute count goes up, and when the minutes then reach 60, or
// the decimal minutes would show as 60.000, the degrees go up instead.
struct AngleParts {
    int degrees;
    double decimalMinutes;
    int minutes;
    double seconds;
};

AngleParts SplitAngle(double magnitude) {
    AngleParts parts;
    parts.degrees = static_cast<int>(magnitude);
    parts.decimalMinutes = (magnitude - parts.degrees) * 60;
    parts.minutes = static_cast<int>(parts.decimalMinutes);
    parts.seconds = (parts.decimalMinutes - parts.minutes) * 60;
    if (RoundToInt32(parts.seconds * 10) == 600) {
        ++parts.minutes;
        parts.seconds = 0;
    }
    if (RoundToInt32(parts.decimalMinutes * 1000) == 60000 || parts.minutes == 60) {
        ++parts.degrees;
        parts.decimalMinutes = 0;
        parts.minutes = 0;
    }
    return parts;
}

QString RawText(std::int32_t value, const AxisStyle& style) {
    // Widened so that the most negative value has a magnitude.
    const long long wide = value;
    return QString::fromUtf16(style.rawPrefix) + (wide < 0 ? u'-' : u'+') + QString::number(std::llabs(wide));
}

QString AngleText(double angle, std::int32_t format, const AxisStyle& style) {
    const double magnitude = std::fabs(angle);
    QString text = QChar(angle < 0 ? style.negative : style.positive) + QStringLiteral(" ");
    if (format == PositionFormatDegrees)
        return text + NumberFormat::Apply(magnitude, QStringView(style.degreesPattern)) + DegreeSign;

    const AngleParts parts = SplitAngle(magnitude);
    text += QString::number(parts.degrees).rightJustified(style.degreePlaces, u' ') + DegreeSign;
    if (format == PositionFormatDegMinSec)
        return text + NumberFormat::Apply(parts.minutes, u"00") + u'\'' +
               NumberFormat::Apply(parts.seconds, u"00.0") + u'"';
    return text + NumberFormat::Apply(parts.decimalMinutes, u"00.000") + u'\'';
}

} // namespace

QString FormatLatitude(std::int32_t y, std::int32_t format) {
    format = TextPositionFormat(format);
    if (format == PositionFormatMercatorMeter)
        return RawText(y, LatitudeStyle);
    return AngleText(YToLatitude(y), format, LatitudeStyle);
}

QString FormatLongitude(std::int32_t x, std::int32_t format) {
    format = TextPositionFormat(format);
    if (format == PositionFormatMercatorMeter)
        return RawText(x, LongitudeStyle);
    const double longitude = std::clamp(XToLongitude(x), -180.0, 180.0);
    return AngleText(longitude, format, LongitudeStyle);
}

QString CursorReadout(std::int32_t x, std::int32_t y, std::int32_t format) {
    if (format == PositionFormatNone)
        return QString();
    if (format == PositionFormatMercatorMeter)
        return FormatLongitude(x, format) + QStringLiteral("  ") + FormatLatitude(y, format);
    return FormatLatitude(y, format) + QStringLiteral("  ") + FormatLongitude(x, format);
}

} // namespace geo
