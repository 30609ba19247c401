#include "raster/Stamp.h"

#include <QImage>

#include <cmath>
#include <cstring>

namespace raster {

namespace {

// Source-over of a row of premultiplied pixels, exactly as BlendPixel, four
// at a time where the processor has SSE2 (every x86-64 does); four clear
// pixels are skipped and four solid ones copied, as most of a symbol is.
void BlendRow(QRgb* to, const QRgb* from, int count) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), full = _mm_set1_epi16(255);
    const __m128i solid = _mm_set1_epi32(static_cast<int>(0xff000000u));
    for (; x + 4 <= count; x += 4) {
        const __m128i drawn = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        auto* at = reinterpret_cast<__m128i*>(to + x);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(drawn, zero)) == 0xffff)
            continue;
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(drawn, solid), solid)) == 0xffff) {
            _mm_storeu_si128(at, drawn);
            continue;
        }
        // Each pixel's alpha in the four 16-bit lanes of its channels.
        __m128i alpha = _mm_srli_epi32(drawn, 24);
        alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
        _mm_storeu_si128(at, BlendFour(_mm_loadu_si128(at), drawn,
                                       _mm_sub_epi16(full, _mm_unpacklo_epi32(alpha, alpha)),
                                       _mm_sub_epi16(full, _mm_unpackhi_epi32(alpha, alpha))));
    }
#endif
    for (; x < count; ++x) {
        const QRgb drawn = from[x];
        if (drawn >= 0xff000000u)
            to[x] = drawn;
        else if (drawn != 0)
            BlendPixel(to[x], drawn);
    }
}

} // namespace

bool Stamp(const RasterTarget& target, QPointF at, const QImage& picture, const QRect& cell) {
    const bool opaque = picture.format() == QImage::Format_RGB32;
    if ((!opaque && picture.format() != QImage::Format_ARGB32_Premultiplied) ||
        target.ScaleX() != picture.devicePixelRatio() || target.ScaleY() != picture.devicePixelRatio() ||
        !picture.rect().contains(cell))
        return false;
    const QPointF corner = target.ToDevice(at);
    if (!std::isfinite(corner.x()) || !std::isfinite(corner.y()))
        return true;
    // Beyond any image side the corner is surely outside; this also keeps
    // the rounding within int.
    constexpr double Far = 2.0 * RasterTarget::LargestSide;
    if (std::abs(corner.x()) > Far || std::abs(corner.y()) > Far)
        return true;
    const QRect placed(
        QPoint(static_cast<int>(std::lround(corner.x())), static_cast<int>(std::lround(corner.y()))),
        cell.size());
    const QRect shown = placed & target.Clip();
    if (shown.isEmpty())
        return true;
    const int fromX = cell.left() + shown.left() - placed.left();
    const int fromY = cell.top() + shown.top() - placed.top();
    for (int row = 0; row < shown.height(); ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(picture.constScanLine(fromY + row)) + fromX;
        QRgb* to = target.Row(shown.top() + row) + shown.left();
        if (opaque)
            std::memcpy(to, from, static_cast<std::size_t>(shown.width()) * sizeof(QRgb));
        else
            BlendRow(to, from, shown.width());
    }
    return true;
}

} // namespace raster
