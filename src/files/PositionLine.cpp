#include "files/PositionLine.h"

#include "geo/LeadingNumber.h"
#include "geo/NumberFormat.h"

namespace files {

PositionLine PositionLine::Parse(const QString& line) {
    const QString text = line.trimmed();
    PositionLine out;
    const qsizetype first = text.indexOf(' ');
    out.latitude = geo::LeadingNumber(QStringView(text).left(first < 0 ? text.size() : first));
    if (first < 0)
        return out;
    const qsizetype next = text.indexOf(' ', first + 1);
    const QStringView longitude = QStringView(text).mid(first + 1, next < 0 ? -1 : next - first - 1);
    out.longitude = geo::LeadingNumber(longitude);
    if (next >= 0)
        out.name = text.mid(next + 1);
    return out;
}

bool PositionLine::InRange() const {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

QString PositionLine::Format(double latitude, double longitude, const QString& name) {
    static const geo::NumberFormat Degrees(u"#0.00000000");
    QString line = Degrees.Format(latitude) + ", " + Degrees.Format(longitude);
    if (!name.isEmpty())
        line += ", " + name;
    return line;
}

} // namespace files
