#include "mapview/NameLabels.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace mapview {

const QImage& NameLabels::Label(const QString& name, const QFont& font, const QColor& colour,
                                double pixelRatio) {
    if (font != font_ || colour != colour_ || pixelRatio != pixelRatio_ || labels_.size() >= MaxLabels) {
        labels_.clear();
        font_ = font;
        colour_ = colour;
        pixelRatio_ = pixelRatio;
    }
    auto found = labels_.find(name);
    if (found != labels_.end())
        return *found;
    const QFontMetricsF metrics(font);
    const QSizeF size(std::max(1.0, metrics.horizontalAdvance(name)), metrics.height());
    QImage label(std::ceil(size.width() * pixelRatio), std::ceil(size.height() * pixelRatio),
                 QImage::Format_RGB32);
    label.setDevicePixelRatio(pixelRatio);
    label.fill(Qt::white);
    {
        QPainter painter(&label);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(0, metrics.ascent()), name);
    }
    return *labels_.insert(name, label);
}

} // namespace mapview
