#include "raster/AreaFill.h"

#include <algorithm>
#include <cmath>

namespace raster {

namespace {

// The first pixel (row or column) whose centre lies after `at`, kept within
// [low, high + 1]: a centre exactly on an edge belongs to the pixel after
// it, as with the painter, so that areas sharing an edge share no pixel.
inline int FirstCentreAfter(double at, int low, int high) {
    const double shifted = at - 0.5;
    if (!(shifted >= low))
        return low;
    if (!(shifted < high + 1))
        return high + 1;
    const int whole = static_cast<int>(shifted); // floor: shifted >= low >= 0
    return whole + 1;
}

// Source-over of a premultiplied colour onto a run of pixels, exactly as
// BlendPixel, four pixels at a time where the processor has SSE2 (every
// x86-64 does): a tint over a country is a million pixels a frame.
void BlendRun(QRgb* pixels, int count, QRgb colour) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i remaining = _mm_set1_epi16(static_cast<short>(255 - qAlpha(colour)));
    const __m128i drawn = _mm_set1_epi32(static_cast<int>(colour));
    for (; x + 4 <= count; x += 4) {
        auto* at = reinterpret_cast<__m128i*>(pixels + x);
        _mm_storeu_si128(at, BlendFour(_mm_loadu_si128(at), drawn, remaining, remaining));
    }
#endif
    for (; x < count; ++x)
        BlendPixel(pixels[x], colour);
}

} // namespace

bool AreaFill::Fill(const std::vector<QPolygonF>& rings, QRgb colour) {
    if (target_.Clip().isEmpty() || colour == 0)
        return true;
    rowOf_.clear();
    xOf_.clear();
    for (const QPolygonF& ring : rings) {
        if (ring.size() < 3)
            continue;
        QPointF from = target_.ToDevice(ring.back());
        for (const QPointF& p : ring) {
            const QPointF to = target_.ToDevice(p);
            if (!AddEdge(from, to))
                return false;
            from = to;
        }
    }
    FillRows(colour);
    return true;
}

bool AreaFill::AddEdge(QPointF a, QPointF b) {
    // Not a number fails every comparison: such an edge is left out.
    if (!(a.y() < b.y()) && !(b.y() < a.y()))
        return true;
    if (a.y() > b.y())
        std::swap(a, b);
    const QRect& clip = target_.Clip();
    // The rows whose centres lie after the upper end, up to and including
    // the lower one: a vertex where two edges meet is crossed once.
    const int first = FirstCentreAfter(a.y(), clip.top(), clip.bottom());
    const int end = FirstCentreAfter(b.y(), clip.top(), clip.bottom());
    if (first >= end)
        return true;
    if (rowOf_.size() + static_cast<std::size_t>(end - first) > MaxCrossings)
        return false;
    const double slope = (b.x() - a.x()) / (b.y() - a.y());
    double x = a.x() + (first + 0.5 - a.y()) * slope;
    for (int row = first; row < end; ++row, x += slope) {
        rowOf_.push_back(row);
        // Far beyond the picture (or not a number, from an endless edge)
        // any x is as good as the picture's side.
        xOf_.push_back(x >= -1e7 ? (x <= 1e7 ? static_cast<float>(x) : 1e7f) : -1e7f);
    }
    return true;
}

void AreaFill::FillRows(QRgb colour) {
    if (rowOf_.empty())
        return;
    const QRect& clip = target_.Clip();
    // The crossings grouped by row (counted, then placed), over the rows
    // the area spans only: most areas of a map are small.
    const auto [lowest, highest] = std::minmax_element(rowOf_.begin(), rowOf_.end());
    const int top = *lowest, rows = *highest - *lowest + 1;
    rowStart_.assign(static_cast<std::size_t>(rows) + 1, 0);
    for (const int row : rowOf_)
        ++rowStart_[static_cast<std::size_t>(row - top) + 1];
    for (int r = 0; r < rows; ++r)
        rowStart_[r + 1] += rowStart_[r];
    byRow_.resize(xOf_.size());
    next_.assign(rowStart_.begin(), rowStart_.end() - 1);
    for (std::size_t i = 0; i < rowOf_.size(); ++i)
        byRow_[static_cast<std::size_t>(next_[static_cast<std::size_t>(rowOf_[i] - top)]++)] = xOf_[i];
    const bool opaque = qAlpha(colour) == 255;
    for (int r = 0; r < rows; ++r) {
        float* const begin = byRow_.data() + rowStart_[r];
        float* const end = byRow_.data() + rowStart_[r + 1];
        if (end - begin < 2)
            continue;
        std::sort(begin, end);
        QRgb* const pixels = target_.Row(top + r);
        // Odd-even: from the first crossing to the second, the third to the
        // fourth, and so on; closed rings cross a row an even number of times.
        for (float* at = begin; at + 1 < end; at += 2) {
            const int from = FirstCentreAfter(at[0], clip.left(), clip.right());
            const int to = FirstCentreAfter(at[1], clip.left(), clip.right());
            if (from >= to)
                continue;
            if (opaque)
                std::fill(pixels + from, pixels + to, colour);
            else
                BlendRun(pixels + from, to - from, colour);
        }
    }
}

} // namespace raster
