#pragma once

#include <QPointF>
#include <QRect>
#include <QRgb>

#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// BlendPixel on four pixels at once (SSE2, which every x86-64 has):
// `remainingLow` and `remainingHigh` hold 255 less the alpha drawn over the
// first two pixels and the last two, in the 16-bit lanes of their channels.
inline __m128i BlendFour(__m128i under, __m128i drawn, __m128i remainingLow, __m128i remainingHigh) {
    const __m128i zero = _mm_setzero_si128(), rounding = _mm_set1_epi16(0x80);
    // Each channel c becomes (m + (m >> 8) + 0x80) >> 8 with m = c * remaining.
    const auto scaled = [&](__m128i channels, __m128i remaining) {
        const __m128i m = _mm_mullo_epi16(channels, remaining);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m, _mm_srli_epi16(m, 8)), rounding), 8);
    };
    const __m128i low = scaled(_mm_unpacklo_epi8(under, zero), remainingLow);
    const __m128i high = scaled(_mm_unpackhi_epi8(under, zero), remainingHigh);
    return _mm_add_epi32(_mm_packus_epi16(low, high), drawn);
}
#endif

} // namespace raster
