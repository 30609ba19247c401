#include "mapview/MasterMapPicture.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace mapview {

bool MasterMapPicture::Suits(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && painter.worldTransform().isIdentity();
}

void MasterMapPicture::Paint(QPainter& painter, const Key& key, const Drawing& draw) {
    if (picture_.isNull() || !(key == key_)) {
        const QSize pixels(static_cast<int>(std::ceil(key.size.width() * key.ratio)),
                           static_cast<int>(std::ceil(key.size.height() * key.ratio)));
        // Opaque, on the map's white: showing it is then a copy rather than
        // a blend of every pixel.
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(key.ratio);
        picture_.fill(Qt::white);
        QPainter into(&picture_);
        draw(into);
        key_ = key;
    }
    painter.drawImage(QPointF(0, 0), picture_);
}

} // namespace mapview
