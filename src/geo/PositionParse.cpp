#include "geo/PositionParse.h"

#include "geo/Coordinates.h"
#include "geo/LeadingNumber.h"
#include "geo/PositionFormat.h"
#include "geo/PositionText.h"

#include <algorithm>
#include <cmath>

namespace geo {

namespace {

using RawToDegrees = double (*)(std::int32_t);

// The unsigned angle of an entry text; rawToDegrees reads a format 5 internal value.
double EntryDegrees(QStringView text, std::int32_t format, RawToDegrees rawToDegrees) {
    const qsizetype p = text.indexOf(DegreeSign) + 1;
    switch (format) {
    case PositionFormatDegMinSec:
        return LeadingNumber(text) + LeadingNumber(MidText(text, p + 1, 2)) / 60 +
               LeadingNumber(MidText(text, p + 4, 4)) / 3600;
    case PositionFormatDegMin:
        return LeadingNumber(text) + LeadingNumber(MidText(text, p + 1, 6)) / 60;
    case PositionFormatDegrees:
        return LeadingNumber(text);
    case PositionFormatMercatorMeter:
        return rawToDegrees(RoundToInt32(LeadingNumber(text)));
    default:
        return 0;
    }
}

double Signed(double degrees, bool positive) {
    const double magnitude = std::fabs(degrees);
    // A zero stays a plain zero whichever button is set.
    return positive || magnitude == 0 ? magnitude : -magnitude;
}

} // namespace

QStringView MidText(QStringView text, qsizetype start, qsizetype n) {
    if (start < 1 || start > text.size())
        return {};
    return text.sliced(start - 1, std::min(n, text.size() - start + 1));
}

double ParseLatitude(QStringView text, bool isNorth, std::int32_t format) {
    return Signed(EntryDegrees(text, format, YToLatitude), isNorth);
}

double ParseLongitude(QStringView text, bool isEast, std::int32_t format) {
    return Signed(EntryDegrees(text, format, XToLongitude), isEast);
}

} // namespace geo
