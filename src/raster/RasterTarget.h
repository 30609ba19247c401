#pragma once

#include <QPointF>
#include <QRect>
#include <QRgb>

#include <optional>

class QImage;
class QPainter;

namespace raster {

// The 32-bit pixels a painter draws on, when drawing may write them
// directly rather than through the painter: an image (or the image behind a
// window's backing store) of premultiplied or opaque 32-bit pixels, painted
// by the raster engine at full opacity with source-over, without rotation or
// shear, and clipped to a rectangle at most. Anything else (a printer, a PDF,
// a clip path, translucency) gives nothing: draw through the painter.
//
// Qt's own drawing of a thousand small things (symbols, names, short lines)
// spends a few thousand instructions on each before it touches a pixel;
// written here, a thing costs its pixels.
class RasterTarget {
public:
    // Positions are stepped in 16.16 fixed point, which holds any row or
    // column of an image up to this size.
    static constexpr int LargestSide = 16384;

    static std::optional<RasterTarget> Of(QPainter& painter);

    // The device pixels that may be written, inclusive.
    const QRect& Clip() const { return clip_; }
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
    QRgb& Pixel(int x, int y) const { return Row(y)[x]; }

    // From the painter's coordinates to device pixels.
    QPointF ToDevice(QPointF p) const { return {p.x() * scaleX_ + dx_, p.y() * scaleY_ + dy_}; }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

private:
    RasterTarget(QImage& image, const QRect& clip, double scaleX, double scaleY, double dx, double dy);

    uchar* bits_;
    qsizetype stride_;
    QRect clip_;
    double scaleX_, scaleY_, dx_, dy_;
};

// Source-over of a premultiplied colour onto a pixel, exactly as Qt blends.
inline QRgb ScaledPixel(QRgb x, quint32 a) {
    quint32 t = (x & 0xff00ff) * a;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return x | t;
}
inline void BlendPixel(QRgb& pixel, QRgb drawn) {
    pixel = drawn + ScaledPixel(pixel, 255 - qAlpha(drawn));
}

} // namespace raster
