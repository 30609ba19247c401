#include "mastermap/PlaceNameCache.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace mastermap {

namespace {

QImage Drawn(const QString& name, const QFont& font, const QColor& colour, double pixelRatio) {
    constexpr double Halo = PlaceNameCache::Halo;
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(name) + 2 * Halo, metrics.height() + 2 * Halo);
    QImage label(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                 static_cast<int>(std::ceil(size.height() * pixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    label.setDevicePixelRatio(pixelRatio);
    label.fill(Qt::transparent);
    QPainter painter(&label);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    // The halo is the name written in white a halo's width away all round.
    const QPointF baseline(Halo, Halo + metrics.ascent());
    painter.setPen(Qt::white);
    for (int i = 0; i < 8; ++i)
        painter.drawText(baseline + QPointF(Halo * std::cos(i * M_PI / 4), Halo * std::sin(i * M_PI / 4)),
                         name);
    painter.setPen(colour);
    painter.drawText(baseline, name);
    return label;
}

} // namespace

const QImage& PlaceNameCache::Label(std::string_view utf8, const QFont& font, const QColor& colour,
                                    double pixelRatio) {
    if (count_ >= MaxNames) {
        faces_.clear();
        count_ = 0;
    }
    auto face = std::find_if(faces_.begin(), faces_.end(), [&](const Face& f) {
        return f.pixelRatio == pixelRatio && f.colour == colour && f.font == font;
    });
    if (face == faces_.end())
        face = faces_.insert(faces_.end(), Face{font, colour, pixelRatio, {}});
    const QString name = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    auto found = face->labels.find(name);
    if (found == face->labels.end()) {
        found = face->labels.insert(name, Drawn(name, font, colour, pixelRatio));
        ++count_;
    }
    return *found;
}

} // namespace mastermap
