#include "geo/PositionEntry.h"

#include "geo/NumericError.h"
#include "geo/PositionFormat.h"
#include "geo/PositionMasks.h"
#include "geo/PositionText.h"

#include <limits>

namespace geo {

namespace {

std::int32_t Magnitude(std::int32_t value) {
    if (value == std::numeric_limits<std::int32_t>::min())
        throw NumericError("Overflow: the internal value has no 32-bit magnitude");
    return value < 0 ? -value : value;
}

// The formatted text without its hemisphere letter (or axis name) and sign, padded
// with leading zeros to the width of the mask.
QString EntryText(const QString& formatted, const QString& mask) {
    QString text = formatted.sliced(formatted.indexOf(u' ') + 1).trimmed();
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    if (text.size() < mask.size())
        text.prepend(QString(mask.size() - text.size(), u'0'));
    return text;
}

} // namespace

PositionEntry MakePositionEntry(std::int32_t x, std::int32_t y, std::int32_t format) {
    format = TextPositionFormat(format);
    PositionEntry entry;
    entry.latitudeText = EntryText(FormatLatitude(Magnitude(y), format), LatitudeMask(format));
    entry.longitudeText = EntryText(FormatLongitude(Magnitude(x), format), LongitudeMask(format));
    entry.northSouth = y < 0 ? QStringLiteral("S") : QStringLiteral("N");
    entry.eastWest = x < 0 ? QStringLiteral("W") : QStringLiteral("E");
    return entry;
}

} // namespace geo
