#include "geo/PositionFormat.h"

namespace geo {

QString PositionFormatCaption(std::int32_t format) {
    switch (format) {
    case PositionFormatNone:
        return QStringLiteral("None");
    case PositionFormatDegrees:
        return QStringLiteral("Degrees");
    case PositionFormatDegMin:
        return QStringLiteral("Deg, Min");
    case PositionFormatDegMinSec:
        return QStringLiteral("Deg, Min, Sec");
    case PositionFormatMercatorMeter:
        return QStringLiteral("Mercator Meter");
    default:
        return QString();
    }
}

std::int32_t TextPositionFormat(std::int32_t format) {
    return format == PositionFormatNone ? PositionFormatDegMinSec : format;
}

} // namespace geo
