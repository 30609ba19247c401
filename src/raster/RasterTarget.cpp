#include "raster/RasterTarget.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <cmath>

namespace raster {

namespace {

// The pixels of a rectangle in device coordinates that lie wholly inside it,
// rounded as the raster engine rounds a clip rectangle.
QRect Pixels(const QRectF& r) {
    return QRect(
        QPoint(static_cast<int>(std::lround(r.left())), static_cast<int>(std::lround(r.top()))),
        QPoint(static_cast<int>(std::lround(r.right())) - 1, static_cast<int>(std::lround(r.bottom())) - 1));
}

} // namespace

std::optional<RasterTarget> RasterTarget::Of(QPainter& painter) {
    QPaintEngine* engine = painter.isActive() ? painter.paintEngine() : nullptr;
    if (!engine || engine->type() != QPaintEngine::Raster || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    // A window paints into its backing store's image: the engine's device.
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    if ((image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32) ||
        image->width() > LargestSide || image->height() > LargestSide)
        return std::nullopt;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale)
        return std::nullopt;
    QRect clip = image->rect();
    // A window's system clip (what of the backing store is the window's and
    // needs painting) is in device pixels already.
    const QRegion system = engine->systemClip();
    if (!system.isEmpty()) {
        if (system.rectCount() > 1)
            return std::nullopt;
        clip &= system.boundingRect();
    }
    if (painter.hasClipping()) {
        // The region tells a rectangle from a path; its whole logical pixels
        // would lose a clip's fraction under a scale, the bounding rectangle
        // does not.
        if (painter.clipRegion().rectCount() > 1)
            return std::nullopt;
        clip &= Pixels(t.mapRect(painter.clipBoundingRect()));
    }
    return RasterTarget(*image, clip, t.m11(), t.m22(), t.dx(), t.dy());
}

RasterTarget::RasterTarget(QImage& image, const QRect& clip, double scaleX, double scaleY, double dx,
                           double dy)
    : bits_(image.bits()), stride_(image.bytesPerLine()), clip_(clip), scaleX_(scaleX), scaleY_(scaleY),
      dx_(dx), dy_(dy) {}

} // namespace raster
