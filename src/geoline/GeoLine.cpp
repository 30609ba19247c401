#include "geoline/GeoLine.h"

#include "geo/Coordinates.h"
#include "geoline/GreatCircleArc.h"
#include "geoline/PolylineClip.h"
#include "raster/Lines.h"

#include <QPainter>

#include <cmath>
#include <optional>

namespace geoline {

namespace {

// Finer than any display shows: the chord of a quarter degree of arc.
constexpr double StepDegrees = 0.25;
constexpr double HalfWorld = geo::Pi * geo::EarthRadius;

// Gathers a line's points in internal units and draws them with the
// painter's pen as one polyline each time the line breaks, so that a route
// of many short legs costs the painter one call, not one a leg.
class LineRun {
public:
    LineRun(QPainter& painter, const PixelFrame& frame)
        : painter_(painter), frame_(frame), direct_(raster::PenLine::Of(painter)) {
        // The display widened by the pen, so clipped ends never show.
        const double pen = std::max(painter.pen().widthF(), 1.0) + 2;
        clip_ = frame.Display().adjusted(-pen, -pen, pen, pen);
    }
    ~LineRun() { Break(); }

    const QRectF& Clip() const { return clip_; }

    void Add(QPointF unit) {
        if (units_.isEmpty() || units_.back() != unit)
            units_ << unit;
    }

    // Draws what was gathered; the next point starts a new polyline.
    void Break() {
        if (units_.size() > 1)
            Draw();
        units_.clear();
    }

private:
    // In pixels, points within a pixel of the last one kept are left out
    // (the last point is always kept): a trail of many points a wide view
    // shrinks to a few pixels draws as those pixels.
    void Draw() {
        pixels_.clear();
        for (qsizetype i = 0; i < units_.size(); ++i) {
            const QPointF p = frame_.ToPixel(units_[i]);
            if (pixels_.isEmpty() || i + 1 == units_.size() || std::abs(p.x() - pixels_.back().x()) >= 1 ||
                std::abs(p.y() - pixels_.back().y()) >= 1)
                pixels_ << p;
        }
        if (clip_.contains(pixels_.boundingRect())) {
            Polyline(pixels_);
            return;
        }
        for (const QPolygonF& piece : ClipPolyline(pixels_, clip_))
            Polyline(piece);
    }

    void Polyline(const QPolygonF& pixels) {
        if (direct_)
            direct_->Polyline(pixels.constData(), pixels.size());
        else
            painter_.drawPolyline(pixels);
    }

    QPainter& painter_;
    const PixelFrame& frame_;
    // A route or trail a pixel wide is written straight into the picture.
    const std::optional<raster::PenLine> direct_;
    QRectF clip_;
    QPolygonF units_, pixels_;
};

// Whether a box in internal units reaches into the clip rectangle.
bool Shows(const QRectF& box, const PixelFrame& frame, const QRectF& clip) {
    const QRectF pixels = QRectF(frame.ToPixel(box.topLeft()), frame.ToPixel(box.bottomRight())).normalized();
    return pixels.right() >= clip.left() && pixels.left() <= clip.right() && pixels.bottom() >= clip.top() &&
           pixels.top() <= clip.bottom();
}

// Whether a leg is surely shorter than one step of arc, which is traced as
// its chord, told without trigonometry: its arc is no longer than its
// change of longitude plus its change of latitude, and a change of Mercator
// Y is never less than the change of latitude.
bool SurelyShort(QPoint from, QPoint to) {
    constexpr double Step = StepDegrees * geo::DegToRad * geo::EarthRadius;
    return std::abs(double(to.x()) - from.x()) + std::abs(double(to.y()) - from.y()) < Step;
}

} // namespace

void DrawGreatCircleLine(QPainter& painter, const PixelFrame& frame, QPoint from, QPoint to) {
    const QPoint ends[] = {from, to};
    DrawGreatCircleLines(painter, frame, ends, 2);
}

void DrawGreatCircleLines(QPainter& painter, const PixelFrame& frame, const QPoint* points, int count) {
    if (!frame.Valid() || !points)
        return;
    LineRun line(painter, frame);
    for (int i = 1; i < count; ++i) {
        const QPointF from(points[i - 1]), to(points[i]);
        // Most legs are surely short, and need no great circle.
        std::optional<GreatCircleArc> arc;
        if (!SurelyShort(points[i - 1], points[i]))
            arc.emplace(points[i - 1], points[i]);
        const bool straight = !arc || arc->Straight(StepDegrees);
        // A straight arc is its chord; a curved one may bulge past its ends.
        if (!(arc && arc->CrossesAntimeridian()) &&
            !Shows(straight ? QRectF(from, to).normalized() : arc->Bounds(), frame, line.Clip())) {
            line.Break();
            continue;
        }
        if (straight) {
            line.Add(from);
            line.Add(to);
            continue;
        }
        const QList<QPolygonF> runs = arc->Runs(StepDegrees);
        for (qsizetype r = 0; r < runs.size(); ++r) {
            if (r > 0)
                line.Break();
            for (const QPointF& p : runs[r])
                line.Add(p);
        }
    }
}

void DrawAbsLine(QPainter& painter, const PixelFrame& frame, const QPoint* points, int count) {
    if (!frame.Valid() || !points || count < 2)
        return;
    LineRun line(painter, frame);
    line.Add(QPointF(points[0]));
    for (int i = 1; i < count; ++i) {
        if (std::abs(double(points[i].x()) - points[i - 1].x()) > HalfWorld)
            line.Break();
        line.Add(QPointF(points[i]));
    }
}

} // namespace geoline
