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

// Smoothed lines a few device pixels wide at most, written straight into the
// pixels of the image a painter draws on. Almost every line of a map (shores,
// rivers, borders, the outlines of areas) is such a line, and a frame of a
// wide view holds a few hundred thousand of their pixels; Qt's stroker turns
// each into an outline and fills it, which made these lines most of a frame,
// and many times that on a screen of two device pixels a point. Here a pixel
// costs a few integer operations.
//
// Each column (or row, for a steep line) a line one pixel wide crosses gets
// two pixels whose coverages add up to one, as in Qt's own smoothed
// hairlines. A wider line covers in each column the stretch its width takes
// there (the width over the cosine of its slope), each pixel by as much of
// it as falls on the pixel: its width across is the pen's, as Qt strokes it.
// A segment owns the columns whose centres lie from its first point up to,
// not including, its last, so the segments of a polyline meet without
// drawing a pixel twice. A hairline's dashes are measured in those columns
// (or rows), like Qt's, and run on from one segment of a polyline to the
// next.
//
// A wider line is drawn as Qt strokes it: its dashes measured along the line
// in pen widths, each dash (or the whole line) capped at its ends, and a
// round patch where it turns enough for the columns of two segments to leave
// a notch on the outer side (Qt bevels the corner, which that patch covers).
class Lines {
public:
    // The widest pen drawn here, in device pixels: a map's heaviest line on a
    // screen of up to 8/3 device pixels a point.
    static constexpr double WidestPen = 8;

    // A pen as drawn here: its premultiplied colour at each coverage (0 to
    // 255), its width in device pixels (1 for a hairline) and how far beyond
    // the writable rectangle a line of it still shows. A hairline's dashes
    // are, for each device pixel of the pattern, whether it is drawn (a solid
    // hairline: one that is). A wider pen's are the lengths of its dashes and
    // gaps in device pixels (none when solid); its ends reach `cap` past the
    // line's, square to it.
    struct Ink {
        std::array<QRgb, 256> atCoverage;
        std::vector<std::uint8_t> drawn;
        double width = 1;
        int reach = 1;
        std::vector<double> dashes;
        double cap = 0;
    };

    // The painter's pixels when lines may be written into them directly (a
    // RasterTarget, with smoothing on); nothing otherwise: draw through the
    // painter.
    static std::optional<Lines> Into(QPainter& painter);

    // The ink of a pen no wider than WidestPen device pixels: a hairline
    // dashed in whole pixels, or an opaque wider pen, dashed or not, with a
    // square or flat cap and a bevelled or round join; nothing for any
    // other pen.
    std::optional<Ink> InkOf(const QPen& pen) const;

    // Draws the line through `count` points (the painter's coordinates), its
    // dashes starting at the first point.
    void Polyline(const QPointF* points, qsizetype count, const Ink& ink) const;

private:
    explicit Lines(const RasterTarget& target);

    // A wider pen's line: cut into its dashes, each drawn as a piece.
    void WidePolyline(const QPointF* points, qsizetype count, const Ink& ink) const;
    // A run of device points drawn with the wider pen's caps and joins.
    void Piece(const std::vector<QPointF>& points, const Ink& ink) const;
    // A round patch of the pen's width.
    void Dot(QPointF centre, const Ink& ink) const;

    // Draws a segment; `phase` is where in the dash pattern it starts, and
    // becomes where the next one starts.
    void Segment(QPointF a, QPointF b, const Ink& ink, std::size_t& phase) const;
    // Draws `steps` columns (rows when steep) from `along` on in `direction`,
    // the line's position across them in 16.16 fixed point starting at
    // `across` and moving by `step`.
    template <bool Steep>
    void Run(int along, int steps, int direction, int across, int step, const Ink& ink,
             std::size_t dash) const;
    // A segment of a wider pen, its ends square to it where capped (else
    // owning columns as a hairline's do).
    void WideSegment(QPointF a, QPointF b, const Ink& ink, bool capA, bool capB) const;

    RasterTarget target_;
    // Device pixels that may be written, inclusive.
    int left_, top_, right_, bottom_;
    // The points of a wide line and of its dash being drawn, kept from line
    // to line so that drawing does not allocate.
    mutable std::vector<QPointF> device_, piece_;
};

// The painter's own pen written straight into the pixels, where the painter
// and the pen allow it (nothing otherwise: draw through the painter).
struct PenLine {
    Lines lines;
    Lines::Ink ink;

    static std::optional<PenLine> Of(QPainter& painter);
    void Polyline(const QPointF* points, qsizetype count) const { lines.Polyline(points, count, ink); }
};

} // namespace raster
