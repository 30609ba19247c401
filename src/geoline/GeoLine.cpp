#include "geoline/GeoLine.h"

#include "geo/Coordinates.h"
#include "geoline/GreatCircleArc.h"
#include "geoline/PolylineClip.h"

#include <QPainter>

#include <cmath>

namespace geoline {

namespace {

// Finer than any display shows: the chord of a quarter degree of arc.
constexpr double StepDegrees = 0.25;
constexpr double HalfWorld = geo::Pi * geo::EarthRadius;

// The display widened by the pen, so clipped ends never show.
QRectF ClipRect(const QPainter& painter, const PixelFrame& frame) {
    const double pen = std::max(painter.pen().widthF(), 1.0) + 2;
    return frame.Display().adjusted(-pen, -pen, pen, pen);
}

void DrawRun(QPainter& painter, const PixelFrame& frame, const QPolygonF& units, const QRectF& clip) {
    QPolygonF pixels;
    pixels.reserve(units.size());
    for (const QPointF& p : units)
        pixels << frame.ToPixel(p);
    for (const QPolygonF& piece : ClipPolyline(pixels, clip))
        painter.drawPolyline(piece);
}

} // namespace

void DrawGreatCircleLine(QPainter& painter, const PixelFrame& frame, QPoint from, QPoint to) {
    if (!frame.Valid())
        return;
    const GreatCircleArc arc(from, to);
    const QRectF clip = ClipRect(painter, frame);
    if (!arc.CrossesAntimeridian()) {
        const QRectF box = arc.Bounds();
        const QRectF pixels =
            QRectF(frame.ToPixel(box.topLeft()), frame.ToPixel(box.bottomRight())).normalized();
        if (pixels.right() < clip.left() || pixels.left() > clip.right() || pixels.bottom() < clip.top() ||
            pixels.top() > clip.bottom())
            return;
    }
    for (const QPolygonF& run : arc.Runs(StepDegrees))
        DrawRun(painter, frame, run, clip);
}

void DrawAbsLine(QPainter& painter, const PixelFrame& frame, const QPoint* points, int count) {
    if (!frame.Valid() || !points || count < 2)
        return;
    const QRectF clip = ClipRect(painter, frame);
    QPolygonF run{QPointF(points[0])};
    for (int i = 1; i < count; ++i) {
        if (std::abs(double(points[i].x()) - points[i - 1].x()) > HalfWorld) {
            DrawRun(painter, frame, run, clip);
            run.clear();
        }
        run << QPointF(points[i]);
    }
    DrawRun(painter, frame, run, clip);
}

} // namespace geoline
