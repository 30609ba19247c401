#include "raster/Lines.h"

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

// Where the segment from a to b lies within a rectangle, as the fractions
// t0 to t1 of the way (Liang-Barsky); false when it lies outside.
bool Within(QPointF a, QPointF b, double left, double top, double right, double bottom, double& t0,
            double& t1) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    t0 = 0;
    t1 = 1;
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
    return edge(-dx, a.x() - left) && edge(dx, right - a.x()) && edge(-dy, a.y() - top) &&
           edge(dy, bottom - a.y());
}

// Cuts the segment to a rectangle; false when nothing is left.
bool Cut(QPointF& a, QPointF& b, double left, double top, double right, double bottom) {
    double t0, t1;
    if (!Within(a, b, left, top, right, bottom, t0, t1))
        return false;
    const QPointF from = a, along = b - a;
    a = from + t0 * along;
    b = from + t1 * along;
    return true;
}

// The point `by` past `end`, going on from `from`.
QPointF Beyond(QPointF from, QPointF end, double by) {
    const QPointF along = end - from;
    const double length = std::sqrt(along.x() * along.x() + along.y() * along.y());
    return length > 0 ? end + along * (by / length) : end;
}

// Whether the columns (or rows) of two segments meeting at `at` leave a
// notch of a tenth of a pixel or more on the outer side for a pen this wide:
// always where one is steep and the other not, else where they turn by more
// than about 2 atan(0.2 / width).
bool Notched(QPointF before, QPointF at, QPointF after, double width) {
    const QPointF d1 = at - before, d2 = after - at;
    const bool steep1 = std::abs(d1.y()) > std::abs(d1.x()), steep2 = std::abs(d2.y()) > std::abs(d2.x());
    if (steep1 != steep2)
        return true;
    const double cross = d1.x() * d2.y() - d1.y() * d2.x(), dot = d1.x() * d2.x() + d1.y() * d2.y();
    // tan of half the turn is |cross| / (|d1||d2| + dot).
    const double lengths =
        std::sqrt((d1.x() * d1.x() + d1.y() * d1.y()) * (d2.x() * d2.x() + d2.y() * d2.y()));
    return width * std::abs(cross) > 0.2 * (lengths + dot);
}

} // namespace

std::optional<Lines> Lines::Into(QPainter& painter) {
    if (!painter.testRenderHint(QPainter::Antialiasing))
        return std::nullopt;
    const std::optional<RasterTarget> target = RasterTarget::Of(painter);
    if (!target)
        return std::nullopt;
    return Lines(*target);
}

Lines::Lines(const RasterTarget& target)
    : target_(target), left_(target.Clip().left()), top_(target.Clip().top()), right_(target.Clip().right()),
      bottom_(target.Clip().bottom()) {}

std::optional<PenLine> PenLine::Of(QPainter& painter) {
    std::optional<Lines> lines = Lines::Into(painter);
    if (!lines)
        return std::nullopt;
    std::optional<Lines::Ink> ink = lines->InkOf(painter.pen());
    if (!ink)
        return std::nullopt;
    return PenLine{*lines, std::move(*ink)};
}

std::optional<Lines::Ink> Lines::InkOf(const QPen& pen) const {
    if (pen.brush().style() != Qt::SolidPattern ||
        (pen.style() != Qt::SolidLine && pen.style() != Qt::CustomDashLine))
        return std::nullopt;
    const double width =
        pen.isCosmetic() ? pen.widthF()
                         : pen.widthF() * std::max(std::abs(target_.ScaleX()), std::abs(target_.ScaleY()));
    if (!(width <= WidestPen))
        return std::nullopt;
    Ink ink{{}, {1}, 1, 1, {}, 0};
    if (width > 1) {
        // Where two segments or dashes overlap, a translucent pen would show
        // twice; a mitre reaches past the round patch that stands for joins.
        const Qt::PenCapStyle cap = pen.capStyle();
        if (pen.color().alpha() != 255 ||
            (pen.joinStyle() != Qt::BevelJoin && pen.joinStyle() != Qt::RoundJoin) ||
            (cap != Qt::SquareCap && cap != Qt::FlatCap))
            return std::nullopt;
        ink.width = width;
        // Half the stretch a column of a diagonal takes, and a pixel more.
        ink.reach = static_cast<int>(std::ceil(width * M_SQRT1_2)) + 1;
        ink.cap = cap == Qt::SquareCap ? width / 2 : 0;
    }
    const QRgb premultiplied = qPremultiply(pen.color().rgba());
    for (quint32 coverage = 0; coverage < ink.atCoverage.size(); ++coverage)
        ink.atCoverage[coverage] = ScaledPixel(premultiplied, coverage);
    if (pen.style() == Qt::SolidLine)
        return ink;
    if (pen.dashOffset() != 0)
        return std::nullopt;
    const QList<qreal> dashes = pen.dashPattern();
    if (width > 1) {
        // Counted in pen widths, along the line.
        double length = 0;
        for (const qreal run : dashes) {
            if (!(run >= 0 && run <= RasterTarget::LargestSide))
                return std::nullopt;
            ink.dashes.push_back(run * width);
            length += run;
        }
        // A pattern shorter than a pixel would be walked a dash at a time for
        // nothing to see.
        if (ink.dashes.size() % 2 || length * width < 1)
            return std::nullopt;
        return ink;
    }
    // Counted in pixels, a hairline's width being one.
    ink.drawn.clear();
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

void Lines::Polyline(const QPointF* points, qsizetype count, const Ink& ink) const {
    if (count < 2 || left_ > right_ || top_ > bottom_)
        return;
    if (ink.width > 1) {
        WidePolyline(points, count, ink);
        return;
    }
    std::size_t phase = 0;
    QPointF from = target_.ToDevice(points[0]);
    for (qsizetype i = 1; i < count; ++i) {
        const QPointF to = target_.ToDevice(points[i]);
        Segment(from, to, ink, phase);
        from = to;
    }
}

void Lines::WidePolyline(const QPointF* points, qsizetype count, const Ink& ink) const {
    device_.resize(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        device_[static_cast<std::size_t>(i)] = target_.ToDevice(points[i]);
    if (ink.dashes.empty()) {
        Piece(device_, ink);
        return;
    }
    // The dash being walked: its index in the pattern, what is left of it,
    // and the points of the one being drawn.
    const std::vector<double>& dashes = ink.dashes;
    double pattern = 0;
    for (const double run : dashes)
        pattern += run;
    std::size_t dash = 0;
    double left = dashes[0];
    std::vector<QPointF>& piece = piece_;
    piece.clear();
    const auto next = [&] {
        dash = (dash + 1) % dashes.size();
        left = dashes[dash];
    };
    const auto flush = [&] {
        if (dash % 2 == 0 && piece.size() > 1)
            Piece(piece, ink);
        piece.clear();
    };
    // Passes over a stretch that does not show: only the phase moves on.
    const auto pass = [&](double distance) {
        distance = std::fmod(distance, pattern);
        while (distance > left) {
            distance -= left;
            next();
        }
        left -= distance;
    };
    // Where a dash still shows: its cap may reach half the width past the
    // line's end.
    const double reach = ink.reach + ink.width;
    const double reachLeft = left_ - reach, reachTop = top_ - reach;
    const double reachRight = right_ + 1 + reach, reachBottom = bottom_ + 1 + reach;
    for (std::size_t i = 1; i < device_.size(); ++i) {
        const QPointF a = device_[i - 1], b = device_[i];
        const QPointF along = b - a;
        const double length = std::sqrt(along.x() * along.x() + along.y() * along.y());
        double t0, t1;
        if (!std::isfinite(length)) {
            flush();
            continue;
        }
        if (!Within(a, b, reachLeft, reachTop, reachRight, reachBottom, t0, t1)) {
            flush();
            pass(length);
            continue;
        }
        if (t0 > 0) {
            flush();
            pass(t0 * length);
        }
        double at = t0 * length;
        const double end = t1 * length;
        const auto point = [&](double distance) { return length > 0 ? a + along * (distance / length) : a; };
        if (dash % 2 == 0 && piece.empty())
            piece.push_back(point(at));
        while (end - at > left) {
            at += left;
            if (dash % 2 == 0)
                piece.push_back(point(at));
            flush();
            next();
            if (dash % 2 == 0)
                piece.push_back(point(at));
        }
        left -= end - at;
        if (dash % 2 == 0)
            piece.push_back(point(end));
        if (t1 < 1) {
            flush();
            pass((1 - t1) * length);
        }
    }
    flush();
}

void Lines::Piece(const std::vector<QPointF>& points, const Ink& ink) const {
    const std::size_t last = points.size() - 1;
    for (std::size_t i = 1; i <= last; ++i) {
        const bool capA = i == 1, capB = i == last;
        const QPointF a = capA ? Beyond(points[1], points[0], ink.cap) : points[i - 1];
        const QPointF b = capB ? Beyond(points[last - 1], points[last], ink.cap) : points[i];
        WideSegment(a, b, ink, capA, capB);
    }
    for (std::size_t i = 1; i < last; ++i)
        if (Notched(points[i - 1], points[i], points[i + 1], ink.width))
            Dot(points[i], ink);
}

void Lines::Dot(QPointF centre, const Ink& ink) const {
    const double radius = ink.width / 2;
    const double fromX = centre.x() - radius - 0.5, fromY = centre.y() - radius - 0.5;
    // Far outside (or not a number): nothing to draw.
    if (!(fromX < right_ + 1 && fromY < bottom_ + 1 && fromX + ink.width + 1 > left_ &&
          fromY + ink.width + 1 > top_))
        return;
    const double outer = (radius + 0.5) * (radius + 0.5);
    for (int y = std::max(Floor(fromY), top_), lastY = std::min(Floor(fromY + ink.width + 1), bottom_);
         y <= lastY; ++y)
        for (int x = std::max(Floor(fromX), left_), lastX = std::min(Floor(fromX + ink.width + 1), right_);
             x <= lastX; ++x) {
            const double dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y(), squared = dx * dx + dy * dy;
            if (squared >= outer)
                continue;
            const double covered = std::min(1.0, radius + 0.5 - std::sqrt(squared));
            BlendPixel(target_.Pixel(x, y), ink.atCoverage[static_cast<quint32>(covered * 255 + 0.5)]);
        }
}

template <bool Steep>
void Lines::Run(int along, int steps, int direction, int across, int step, const Ink& ink,
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

void Lines::WideSegment(QPointF a, QPointF b, const Ink& ink, bool capA, bool capB) const {
    if (!Finite(a, b))
        return;
    QPointF from = a, to = b;
    if (!Cut(from, to, left_ - ink.reach, top_ - ink.reach, right_ + 1 + ink.reach, bottom_ + 1 + ink.reach))
        return;
    // An end cut off lies out of sight, and so does its cap.
    capA = capA && from == a;
    capB = capB && to == b;
    const bool steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    const double ua = steep ? from.y() : from.x(), va = steep ? from.x() : from.y();
    const double ub = steep ? to.y() : to.x(), vb = steep ? to.x() : to.y();
    const double du = ub - ua, dv = vb - va;
    if (du == 0)
        return;
    const bool forward = du > 0;
    const int direction = forward ? 1 : -1;
    const auto column = [forward](double at) { return forward ? -Floor(0.5 - at) : Floor(at - 0.5); };
    const double length = std::sqrt(du * du + dv * dv), slope = dv / du;
    // Half the stretch of a column the line covers, and how far along a
    // capped end reaches either side of its point, square to the line.
    const double half = ink.width / 2 * length / std::abs(du), slant = ink.width / 2 * std::abs(dv) / length;
    const int low = steep ? top_ : left_, high = steep ? bottom_ : right_;
    const int acrossLow = steep ? left_ : top_, acrossHigh = steep ? right_ : bottom_;
    const int first = forward ? std::max(column(capA ? ua - slant : ua), low)
                              : std::min(column(capA ? ua + slant : ua), high);
    const int end = forward ? std::min(column(capB ? ub + slant : ub), high + 1)
                            : std::max(column(capB ? ub - slant : ub), low - 1);
    if ((end - first) * direction <= 0)
        return;
    // Only the columns within `slant` of a capped end are bounded by it.
    const int boundedA = capA && dv != 0 ? column(ua + direction * slant) : first;
    const int boundedB = capB && dv != 0 ? column(ub - direction * slant) : end;
    const std::array<QRgb, 256>& color = ink.atCoverage;
    const double step = slope * direction, capSlope = du / dv;
    double centre = va + slope * (first + 0.5 - ua);
    for (int u = first; u != end; u += direction, centre += step) {
        double lo = centre - half, hi = centre + half;
        // A capped end is square to the line: it bounds the stretch from one
        // side in the columns it crosses.
        if ((boundedA - u) * direction > 0) {
            const double bound = va - (u + 0.5 - ua) * capSlope;
            dv > 0 ? lo = std::max(lo, bound) : hi = std::min(hi, bound);
        }
        if ((u - boundedB) * direction >= 0) {
            const double bound = vb - (u + 0.5 - ub) * capSlope;
            dv > 0 ? hi = std::min(hi, bound) : lo = std::max(lo, bound);
        }
        if (!(lo < hi))
            continue;
        const auto blend = [&](int v, double covered) {
            if (v >= acrossLow && v <= acrossHigh)
                BlendPixel(steep ? target_.Pixel(v, u) : target_.Pixel(u, v),
                           color[static_cast<quint32>(covered * 255 + 0.5)]);
        };
        const int near = Floor(lo), far = Floor(hi);
        if (near == far) {
            blend(near, hi - lo);
            continue;
        }
        blend(near, near + 1 - lo);
        // The pixels between are covered whole, and the pen is opaque.
        for (int v = std::max(near + 1, acrossLow), last = std::min(far - 1, acrossHigh); v <= last; ++v)
            (steep ? target_.Pixel(v, u) : target_.Pixel(u, v)) = color[255];
        blend(far, hi - far);
    }
}

void Lines::Segment(QPointF a, QPointF b, const Ink& ink, std::size_t& phase) const {
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

    // Where a line of this ink still touches the writable rectangle.
    const double reachLeft = left_ - ink.reach, reachTop = top_ - ink.reach;
    const double reachRight = right_ + 1 + ink.reach, reachBottom = bottom_ + 1 + ink.reach;
    const bool inside = a.x() >= reachLeft && a.x() <= reachRight && a.y() >= reachTop &&
                        a.y() <= reachBottom && b.x() >= reachLeft && b.x() <= reachRight &&
                        b.y() >= reachTop && b.y() <= reachBottom;
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
        if (!Cut(from, to, reachLeft, reachTop, reachRight, reachBottom))
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
