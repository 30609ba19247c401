#include "geo/PositionValidation.h"

#include "geo/LeadingNumber.h"
#include "geo/PositionFormat.h"
#include "geo/PositionParse.h"

#include <span>

namespace geo {

namespace {

enum class Field { Latitude, Longitude };

// One check: the value of a field (or of the characters from start, when start is not
// 0) above limit fails; or, with whole180, a longitude of 180 whose characters from
// start are not whole180 fails.
struct Check {
    Field field;
    qsizetype start;
    qsizetype length;
    double limit;
    const char16_t* whole180;
    const char* message;
};

constexpr const char* LatitudeValue = "Latitude value must be < 90 degrees.";
constexpr const char* LatitudeMinutes = "Latitude minutes must be < 60 minutes.";
constexpr const char* LatitudeSeconds = "Latitude seconds must be < 60 seconds.";
constexpr const char* LongitudeValue = "Longitude value must be <= 180 degrees.";
constexpr const char* LongitudeMinutes = "Longitude minutes must be < 60 minutes.";
constexpr const char* LongitudeSeconds = "Longitude seconds must be < 60 seconds.";

constexpr Check DegreesChecks[] = {
    {Field::Longitude, 0, 0, 180, nullptr, LongitudeValue},
    {Field::Latitude, 0, 0, 89.99999999, nullptr, LatitudeValue},
};

constexpr Check DegMinChecks[] = {
    {Field::Latitude, 0, 0, 89, nullptr, LatitudeValue},
    {Field::Latitude, 4, 6, 59.999, nullptr, LatitudeMinutes},
    {Field::Longitude, 5, 6, 0, u"00.000", LongitudeValue},
    {Field::Longitude, 0, 0, 180, nullptr, "Longitude angle must be <= 180 degrees."},
    {Field::Longitude, 5, 6, 59.999, nullptr, LongitudeMinutes},
};

constexpr Check DegMinSecChecks[] = {
    {Field::Latitude, 0, 0, 89, nullptr, LatitudeValue},
    {Field::Latitude, 4, 2, 59, nullptr, LatitudeMinutes},
    {Field::Latitude, 7, 4, 59.9, nullptr, LatitudeSeconds},
    {Field::Longitude, 5, 7, 0, u"00'00.0", LongitudeValue},
    {Field::Longitude, 0, 0, 180, nullptr, LongitudeValue},
    {Field::Longitude, 5, 2, 59, nullptr, LongitudeMinutes},
    {Field::Longitude, 8, 4, 59.9, nullptr, LongitudeSeconds},
};

std::span<const Check> ChecksOf(std::int32_t format) {
    switch (format) {
    case PositionFormatDegrees:
        return DegreesChecks;
    case PositionFormatDegMin:
        return DegMinChecks;
    case PositionFormatDegMinSec:
        return DegMinSecChecks;
    default:
        return {};
    }
}

bool Fails(const Check& check, QStringView text) {
    if (check.whole180)
        return LeadingNumber(text) == 180 &&
               MidText(text, check.start, check.length) != QStringView(check.whole180);
    const QStringView part = check.start == 0 ? text : MidText(text, check.start, check.length);
    return LeadingNumber(part) > check.limit;
}

} // namespace

QString ValidatePosition(std::int32_t format, QStringView latitudeText, QStringView longitudeText) {
    for (const Check& check : ChecksOf(format)) {
        if (Fails(check, check.field == Field::Latitude ? latitudeText : longitudeText))
            return QString::fromLatin1(check.message);
    }
    return QString();
}

} // namespace geo
