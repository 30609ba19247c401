#pragma once

#include "raster/RasterTarget.h"

#include <QPointF>
#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;
class QPen;

namespace raster {

// Smoothed lines one device pixel wide, written straight into the pixels of
// the image a painter draws on. Almost every line of a map (shores, rivers,
// borders, the outlines of areas) is such a line, and a frame of a wide view
// holds a few hundred thousand of their pixels; Qt's stroker hands each pixel
// to its blending as a span of its own, which made these lines most of a
// frame. Here a pixel costs a few integer operations.
//
// Each column (or row, for a steep line) a line crosses gets two pixels whose
// coverages add up to one, as in Qt's own smoothed hairlines. A segment owns
// the columns whose centres lie from its first point up to, not including,
// its last, so the segments of a polyline meet without drawing a pixel twice.
// Dashes are measured in those columns (or rows), like Qt's, and run on from
// one segment of a polyline to the next.
class Hairlines {
public:
    // A pen as drawn here: its premultiplied colour at each coverage (0 to
    // 255), and for each device pixel of its dash pattern whether it is
    // drawn (a solid pen: one that is).
    struct Ink {
        std::array<QRgb, 256> atCoverage;
        std::vector<std::uint8_t> drawn;
    };

    // The painter's pixels when lines may be written into them directly (a
    // RasterTarget, with smoothing on); nothing otherwise: draw through the
    // painter.
    static std::optional<Hairlines> Into(QPainter& painter);

    // The ink of a pen no wider than a device pixel, solid or dashed in whole
    // pixels; nothing for any other pen.
    std::optional<Ink> InkOf(const QPen& pen) const;

    // Draws the line through `count` points (the painter's coordinates), its
    // dashes starting at the first point.
    void Polyline(const QPointF* points, qsizetype count, const Ink& ink) const;

private:
    explicit Hairlines(const RasterTarget& target);

    // Draws a segment; `phase` is where in the dash pattern it starts, and
    // becomes where the next one starts.
    void Segment(QPointF a, QPointF b, const Ink& ink, std::size_t& phase) const;
    // Draws `steps` columns (rows when steep) from `along` on in `direction`,
    // the line's position across them in 16.16 fixed point starting at
    // `across` and moving by `step`.
    template <bool Steep>
    void Run(int along, int steps, int direction, int across, int step, const Ink& ink,
             std::size_t dash) const;

    RasterTarget target_;
    // Device pixels that may be written, inclusive.
    int left_, top_, right_, bottom_;
    // Where a line still touches them: a pixel around.
    double reachLeft_, reachTop_, reachRight_, reachBottom_;
};

// The painter's own pen written as a hairline, where the painter allows it
// and the pen is one (nothing otherwise: draw through the painter).
struct PenHairline {
    Hairlines lines;
    Hairlines::Ink ink;

    static std::optional<PenHairline> Of(QPainter& painter);
    void Polyline(const QPointF* points, qsizetype count) const { lines.Polyline(points, count, ink); }
};

} // namespace raster
