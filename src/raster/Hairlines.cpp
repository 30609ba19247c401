#include "raster/Hairlines.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <utility>

namespace raster {

namespace {

// The whole part of a number well within int's range, without a call.
inline int Floor(double x) {
    const int whole = static_cast<int>(x);
    return whole - (x < whole);
}

bool Finite(QPointF a, QPointF b) {
    return std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y());
}

// Cuts the segment to a rectangle (Liang-Barsky); false when nothing is left.
bool Cut(QPointF& a, QPointF& b, double left, double top, double right, double bottom) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1)
                return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0)
                return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, a.x() - left) || !edge(dx, right - a.x()) || !edge(-dy, a.y() - top) ||
        !edge(dy, bottom - a.y()))
        return false;
    const QPointF from = a;
    a = from + t0 * QPointF(dx, dy);
    b = from + t1 * QPointF(dx, dy);
    return true;
}

} // namespace

std::optional<Hairlines> Hairlines::Into(QPainter& painter) {
    if (!painter.testRenderHint(QPainter::Antialiasing))
        return std::nullopt;
    const std::optional<RasterTarget> target = RasterTarget::Of(painter);
    if (!target)
        return std::nullopt;
    return Hairlines(*target);
}

Hairlines::Hairlines(const RasterTarget& target)
    : target_(target), left_(target.Clip().left()), top_(target.Clip().top()), right_(target.Clip().right()),
      bottom_(target.Clip().bottom()), reachLeft_(left_ - 1), reachTop_(top_ - 1), reachRight_(right_ + 2),
      reachBottom_(bottom_ + 2) {}

std::optional<PenHairline> PenHairline::Of(QPainter& painter) {
    std::optional<Hairlines> lines = Hairlines::Into(painter);
    if (!lines)
        return std::nullopt;
    std::optional<Hairlines::Ink> ink = lines->InkOf(painter.pen());
    if (!ink)
        return std::nullopt;
    return PenHairline{*lines, std::move(*ink)};
}

std::optional<Hairlines::Ink> Hairlines::InkOf(const QPen& pen) const {
    if (pen.brush().style() != Qt::SolidPattern ||
        (pen.style() != Qt::SolidLine && pen.style() != Qt::CustomDashLine))
        return std::nullopt;
    const double width =
        pen.isCosmetic() ? pen.widthF()
                         : pen.widthF() * std::max(std::abs(target_.ScaleX()), std::abs(target_.ScaleY()));
    if (width > 1)
        return std::nullopt;
    Ink ink{{}, {1}};
    const QRgb premultiplied = qPremultiply(pen.color().rgba());
    for (quint32 coverage = 0; coverage < ink.atCoverage.size(); ++coverage)
        ink.atCoverage[coverage] = ScaledPixel(premultiplied, coverage);
    if (pen.style() == Qt::SolidLine)
        return ink;
    if (pen.dashOffset() != 0)
        return std::nullopt;
    // Dashes are counted in pen widths, a hairline's being one pixel.
    ink.drawn.clear();
    const QList<qreal> dashes = pen.dashPattern();
    for (qsizetype i = 0; i < dashes.size(); ++i) {
        const double run = dashes[i];
        if (run < 0 || run != std::floor(run) || ink.drawn.size() + run > RasterTarget::LargestSide)
            return std::nullopt;
        ink.drawn.insert(ink.drawn.end(), static_cast<std::size_t>(run), i % 2 == 0);
    }
    if (ink.drawn.empty())
        return std::nullopt;
    return ink;
}

void Hairlines::Polyline(const QPointF* points, qsizetype count, const Ink& ink) const {
    if (count < 2 || left_ > right_ || top_ > bottom_)
        return;
    std::size_t phase = 0;
    QPointF from = target_.ToDevice(points[0]);
    for (qsizetype i = 1; i < count; ++i) {
        const QPointF to = target_.ToDevice(points[i]);
        Segment(from, to, ink, phase);
        from = to;
    }
}

template <bool Steep>
void Hairlines::Run(int along, int steps, int direction, int across, int step, const Ink& ink,
                    std::size_t dash) const {
    const int low = Steep ? left_ : top_, high = Steep ? right_ : bottom_;
    const std::array<QRgb, 256>& color = ink.atCoverage;
    const auto pixelAt = [&](int u, int v) -> QRgb& {
        return Steep ? target_.Pixel(v, u) : target_.Pixel(u, v);
    };
    const long long lastAcross = across + static_cast<long long>(steps - 1) * step;
    const bool within = (std::min<long long>(across, lastAcross) >> 16) >= low &&
                        (std::max<long long>(across, lastAcross) >> 16) + 1 <= high;
    if (within && ink.drawn.size() == 1) {
        // A solid line whose pixels all lie in the rectangle, as most do.
        for (int i = 0; i < steps; ++i, along += direction, across += step) {
            const int near = across >> 16;
            const quint32 farCoverage = (across >> 8) & 0xff;
            BlendPixel(pixelAt(along, near), color[255 - farCoverage]);
            BlendPixel(pixelAt(along, near + 1), color[farCoverage]);
        }
        return;
    }
    const auto blend = [&](int at, quint32 coverage) {
        if (at >= low && at <= high)
            BlendPixel(pixelAt(along, at), color[coverage]);
    };
    const std::size_t pattern = ink.drawn.size();
    for (int i = 0; i < steps; ++i, along += direction, across += step) {
        if (ink.drawn[dash]) {
            const int near = across >> 16;
            const quint32 farCoverage = (across >> 8) & 0xff;
            blend(near, 255 - farCoverage);
            blend(near + 1, farCoverage);
        }
        if (++dash == pattern)
            dash = 0;
    }
}

void Hairlines::Segment(QPointF a, QPointF b, const Ink& ink, std::size_t& phase) const {
    const bool steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    // Stepped along the major axis u, in the segment's direction, across along v.
    const double ua = steep ? a.y() : a.x(), va = steep ? a.x() : a.y();
    const double ub = steep ? b.y() : b.x(), vb = steep ? b.x() : b.y();
    const bool forward = ub >= ua;
    const int direction = forward ? 1 : -1;
    // The column owned by a point at u: the first one whose centre is not
    // behind it. The fast form holds within reach of the writable rectangle;
    // the other one anywhere.
    const auto column = [forward](double at) { return forward ? -Floor(0.5 - at) : Floor(at - 0.5); };
    const auto anyColumn = [forward](double at) {
        return forward ? std::ceil(at - 0.5) : std::floor(at - 0.5);
    };
    const std::size_t pattern = ink.drawn.size();
    const std::size_t startPhase = phase;

    const bool inside = a.x() >= reachLeft_ && a.x() <= reachRight_ && a.y() >= reachTop_ &&
                        a.y() <= reachBottom_ && b.x() >= reachLeft_ && b.x() <= reachRight_ &&
                        b.y() >= reachTop_ && b.y() <= reachBottom_;
    double uFrom = ua, vFrom = va, uTo = ub;
    // How far into the dashes the first column drawn lies past the segment's
    // first column.
    std::size_t skipped = 0;
    int owned = 0;
    if (inside) {
        owned = column(ua);
        if (pattern > 1)
            phase = (phase + static_cast<std::size_t>(std::abs(column(ub) - owned))) % pattern;
    } else {
        // A segment to or from nowhere draws nothing, and where its dashes
        // would end is not a number.
        if (!Finite(a, b))
            return;
        if (pattern > 1)
            phase = (phase + static_cast<std::size_t>(std::fmod(std::abs(anyColumn(ub) - anyColumn(ua)),
                                                                static_cast<double>(pattern)))) %
                    pattern;
        QPointF from = a, to = b;
        if (!Cut(from, to, reachLeft_, reachTop_, reachRight_, reachBottom_))
            return;
        uFrom = steep ? from.y() : from.x();
        vFrom = steep ? from.x() : from.y();
        uTo = steep ? to.y() : to.x();
        owned = column(uFrom);
        if (pattern > 1)
            skipped = static_cast<std::size_t>(
                std::fmod(std::abs(owned - anyColumn(ua)), static_cast<double>(pattern)));
    }
    const int low = steep ? top_ : left_, high = steep ? bottom_ : right_;
    const int first = forward ? std::max(owned, low) : std::min(owned, high);
    const int end = forward ? std::min(column(uTo), high + 1) : std::max(column(uTo), low - 1);
    const int steps = (end - first) * direction;
    if (steps <= 0)
        return;
    const std::size_t dash = pattern > 1 ? (startPhase + skipped + std::abs(first - owned)) % pattern : 0;
    const double slope = (vb - va) / (ub - ua);
    // The across position less half a pixel: its whole part is the nearer of
    // the two pixels, its fraction the farther one's coverage.
    const int across = Floor((vFrom + slope * (first + 0.5 - uFrom) - 0.5) * 65536 + 0.5);
    const int step = Floor(slope * direction * 65536 + 0.5);
    if (steep)
        Run<true>(first, steps, direction, across, step, ink, dash);
    else
        Run<false>(first, steps, direction, across, step, ink, dash);
}

} // namespace raster
