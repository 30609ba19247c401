#include "files/PositionLine.h"

#include "geo/LeadingNumber.h"
#include "geo/NumberFormat.h"

#include <algorithm>

namespace files {
namespace {

bool IsSeparator(QChar c) {
    return c == u' ' || c == u'\t';
}

// Splits the front field off a text that starts with no separator: the field
// and the rest after the run of separators behind it.
struct Split {
    QStringView field;
    QStringView rest;
};

Split TakeField(QStringView text) {
    qsizetype end = 0;
    while (end < text.size() && !IsSeparator(text[end]))
        ++end;
    qsizetype next = end;
    while (next < text.size() && IsSeparator(text[next]))
        ++next;
    return {text.left(end), text.mid(next)};
}

} // namespace

PositionLine PositionLine::Parse(const QString& line) {
    PositionLine out;
    const QString text = line.trimmed();
    const Split latitude = TakeField(text);
    const Split longitude = TakeField(latitude.rest);
    out.latitude = geo::LeadingNumber(latitude.field);
    out.longitude = geo::LeadingNumber(longitude.field);
    out.name = longitude.rest.toString();
    return out;
}

bool PositionLine::InRange() const {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

QString PositionLine::Format(double latitude, double longitude, const QString& name) {
    static const geo::NumberFormat Degrees(u"#0.00000000");
    QString line = Degrees.Format(std::clamp(latitude, -90.0, 90.0)) + ", " +
                   Degrees.Format(std::clamp(longitude, -180.0, 180.0));
    if (!name.isEmpty())
        line += ", " + name;
    return line;
}

} // namespace files
