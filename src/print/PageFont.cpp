#include "print/PageFont.h"

namespace print {

namespace {
// Liberation Sans has the metrics of the common office sans-serif face and is
// free to install everywhere (Debian: fonts-liberation2).
const QString Family = QStringLiteral("Liberation Sans");
} // namespace

QFont PageFont::Text(double points) {
    QFont font(Family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont PageFont::Bold(double points) {
    QFont font = Text(points);
    font.setBold(true);
    return font;
}

} // namespace print
