#include "mastermap/MasterMapPainter.h"

#include "mastermap/NamedPlaces.h"
#include "mastermap/PlaceLabels.h"
#include "mastermap/RingClip.h"
#include "raster/AreaFill.h"
#include "raster/Lines.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <optional>

namespace mastermap {

namespace {

QColor ColorOf(std::int32_t value, int alpha = 255) {
    static constexpr std::uint32_t palette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                  0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                  0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    QColor c = value >= 0 && value < 16 ? QColor::fromRgb(palette[value])
                                        : QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    c.setAlpha(alpha);
    return c;
}

// Widths count the screen's points: on a screen of two device pixels a point
// a line is two device pixels wide, as heavy as on any other screen.
QPen PenOf(const CategoryStyle& s, double pixelRatio) {
    QPen pen(ColorOf(s.LineColor));
    pen.setCosmetic(true);
    pen.setWidthF((s.LineStyle & 0x200 ? 3 : s.LineStyle & 0x100 ? 2 : 1) * pixelRatio);
    if (s.LinePattern != 0xFFFF && s.LinePattern != 0) {
        // Runs of set bits are dashes, runs of clear bits gaps (in pen widths);
        // the pattern is turned so that it starts with a dash.
        std::uint16_t bits = s.LinePattern;
        while (!(bits & 0x8000))
            bits = static_cast<std::uint16_t>(bits << 1 | bits >> 15);
        QList<qreal> dashes;
        bool on = true;
        qreal run = 0;
        for (int bit = 15; bit >= 0; --bit) {
            const bool set = bits >> bit & 1;
            if (set != on) {
                dashes << run;
                run = 0;
                on = set;
            }
            ++run;
        }
        dashes << run;
        if (dashes.size() % 2)
            dashes << 0;
        pen.setDashPattern(dashes);
    }
    return pen;
}

QBrush BrushOf(const CategoryStyle& s) {
    static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (s.AreaStyle >= 1 && s.AreaStyle <= 6)
        return QBrush(ColorOf(s.AreaColor), hatches[s.AreaStyle - 1]);
    if (s.AreaStyle == 7)
        return QBrush(ColorOf(s.AreaColor, 56));
    return Qt::NoBrush;
}

// Internal units to the painter's coordinates: the affine part of the
// view's transform, applied without QTransform's projective case.
struct Mapping {
    explicit Mapping(const QTransform& t)
        : m11(t.m11()), m12(t.m12()), m21(t.m21()), m22(t.m22()), dx(t.dx()), dy(t.dy()) {}
    QPointF operator()(Point p) const {
        const double x = p.x, y = p.y;
        return {m11 * x + m21 * y + dx, m12 * x + m22 * y + dy};
    }
    double m11, m12, m21, m22, dx, dy;
};

// A position on the grid of half pixels (beyond any picture, left as it is).
double OnHalfPixels(double x) {
    constexpr double Far = 1e15;
    if (!(std::abs(x) < Far))
        return x;
    const double doubled = 2 * x + 0.5;
    auto whole = static_cast<long long>(doubled);
    whole -= doubled < static_cast<double>(whole);
    return static_cast<double>(whole) / 2;
}

// The device positions of one part, into `out`. A line leaves out vertices
// within a pixel of the previous one (the last vertex is always kept). A
// ring's vertices are put on a grid of half pixels and repeats left out,
// which treats a border the same whichever way a ring runs along it, so that
// two areas sharing it meet without a gap or an overlap.
void Thin(const FeatureView& f, std::uint32_t start, std::uint32_t size, const Mapping& map, QPolygonF& out) {
    // Written through a pointer into room for every vertex, then cut to
    // what was kept: this runs for every vertex of a frame.
    out.resize(static_cast<qsizetype>(size));
    QPointF* const first = out.data();
    QPointF* next = first;
    const std::uint32_t end = start + size;
    if (f.Kind() == FeatureKind::Area) {
        for (std::uint32_t i = start; i < end; ++i) {
            const QPointF p = map(f.Vertex(i));
            const double x = OnHalfPixels(p.x()), y = OnHalfPixels(p.y());
            if (next == first || x != next[-1].x() || y != next[-1].y())
                *next++ = QPointF(x, y);
        }
    } else {
        for (std::uint32_t i = start; i < end; ++i) {
            const QPointF p = map(f.Vertex(i));
            if (next == first || i + 1 == end || std::abs(p.x() - next[-1].x()) >= 1 ||
                std::abs(p.y() - next[-1].y()) >= 1)
                *next++ = p;
        }
    }
    out.resize(next - first);
}

// Where the painter can show anything, in its coordinates, widened so that
// no cut edge and no end of a widest pen shows.
QRectF ShownRect(const QPainter& painter, const Rect& view, const QTransform& toDevice) {
    constexpr double Margin = 8;
    QRectF shown = toDevice.mapRect(QRectF(QPointF(view.left, view.bottom), QPointF(view.right, view.top)));
    bool invertible = false;
    const QTransform fromDevice = painter.combinedTransform().inverted(&invertible);
    if (!invertible)
        return QRectF(-1e12, -1e12, 2e12, 2e12);
    if (const QPaintDevice* device = painter.device())
        shown |= fromDevice.mapRect(QRectF(0, 0, device->width(), device->height()));
    return shown.normalized().adjusted(-Margin, -Margin, Margin, Margin);
}

// How a category's lines are drawn: straight into the picture's pixels where
// the picture takes the pen, else through the painter.
struct LineInk {
    QPen pen;
    const raster::Lines* lines;
    std::optional<raster::Lines::Ink> direct;

    void Polyline(QPainter& painter, const QPolygonF& points) const {
        if (direct) {
            lines->Polyline(points.constData(), points.size(), *direct);
            return;
        }
        if (painter.pen() != pen)
            painter.setPen(pen);
        painter.drawPolyline(points);
    }
};

// Draws the features of one frame, one category's pen after another's as
// they come; one buffer of device positions serves every part.
class FeatureDrawer {
public:
    FeatureDrawer(QPainter& painter, const Mapping& map, const QRectF& shown, raster::AreaFill* fill)
        : painter_(painter), map_(map), shown_(shown), fill_(fill) {}

    void Draw(const FeatureView& f, const CategoryStyle& s, const LineInk& ink) {
        switch (f.Kind()) {
        case FeatureKind::Area:
            DrawArea(f, s, ink);
            break;
        case FeatureKind::Line:
            for (std::uint32_t i = 0, start = 0; i < f.PartCount();
                 start += Feature::PartSize(f.Part(i)), ++i) {
                Thin(f, start, Feature::PartSize(f.Part(i)), map_, points_);
                ink.Polyline(painter_, points_);
            }
            break;
        default:
            if (painter_.pen() != ink.pen)
                painter_.setPen(ink.pen);
            painter_.setBrush(ink.pen.color());
            for (std::uint32_t i = 0, start = 0; i < f.PartCount();
                 start += Feature::PartSize(f.Part(i)), ++i)
                painter_.drawEllipse(map_(f.Vertex(start)), 2.5, 2.5);
            painter_.setBrush(Qt::NoBrush);
        }
    }

private:
    void DrawArea(const FeatureView& f, const CategoryStyle& s, const LineInk& ink) {
        // Areas are filled cut to what shows; a dashed outline is drawn uncut,
        // as cutting would move its dashes.
        const QBrush brush = BrushOf(s);
        const bool filled = brush.style() != Qt::NoBrush, outlined = s.AreaStyle != 7;
        const bool dashed = ink.pen.style() == Qt::CustomDashLine;
        std::vector<QPolygonF> cut, uncut;
        for (std::uint32_t i = 0, start = 0; i < f.PartCount(); start += Feature::PartSize(f.Part(i)), ++i) {
            Thin(f, start, Feature::PartSize(f.Part(i)), map_, points_);
            if (filled || (outlined && !dashed))
                cut.push_back(shown_.contains(points_.boundingRect()) ? points_ : ClipRing(points_, shown_));
            if (outlined && dashed)
                uncut.push_back(points_);
        }
        if (filled)
            Fill(cut, brush);
        if (!outlined)
            return;
        if (dashed && !ink.direct) {
            QPainterPath outline;
            for (const QPolygonF& ring : uncut)
                outline.addPolygon(ring);
            painter_.strokePath(outline, ink.pen);
            return;
        }
        for (const QPolygonF& ring : dashed ? uncut : cut)
            ink.Polyline(painter_, ring);
    }

    // Filled without smoothing: a tint's edge steps by a pixel where
    // smoothing the many edges of a large area would cost most of a frame.
    // An area of one ring goes to the painter as it is, without a path.
    void Fill(const std::vector<QPolygonF>& rings, const QBrush& brush) {
        if (fill_ && brush.style() == Qt::SolidPattern &&
            fill_->Fill(rings, qPremultiply(brush.color().rgba())))
            return;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        if (rings.size() == 1) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(brush);
            painter_.drawPolygon(rings.front(), Qt::OddEvenFill);
            painter_.setBrush(Qt::NoBrush);
        } else {
            QPainterPath area;
            area.setFillRule(Qt::OddEvenFill);
            for (const QPolygonF& ring : rings)
                area.addPolygon(ring);
            painter_.fillPath(area, brush);
        }
        painter_.setRenderHint(QPainter::Antialiasing, true);
    }

    QPainter& painter_;
    const Mapping& map_;
    const QRectF& shown_;
    // Where solid areas are filled straight into the pixels.
    raster::AreaFill* fill_;
    QPolygonF points_;
};

} // namespace

void MasterMapPainter::Draw(QPainter& painter, const Rect& view, const QTransform& toDevice,
                            std::uint64_t categories) const {
    // Features are read in place: the mapped files outlive the drawing.
    std::vector<FeatureView> byKind[3];
    std::vector<FeatureView> places;
    const double unitsPerPixel = 1 / std::max(std::abs(toDevice.m11()), 1e-12);
    // A wide view names only large places: the others are not even kept.
    const std::uint32_t smallest = SmallestNamedRank(unitsPerPixel);
    const auto take = [&](const FeatureView& f) {
        if (!(categories >> f.Category() & 1))
            return;
        if (f.Kind() == FeatureKind::Point && !f.Name().empty()) {
            if (f.Rank() >= smallest)
                places.push_back(f);
        } else {
            byKind[f.Kind() == FeatureKind::Area ? 0 : f.Kind() == FeatureKind::Line ? 1 : 2].push_back(f);
        }
    };
    for (std::size_t i = 0; i < files_.Files().size(); ++i) {
        const At5Reader& file = *files_.Files()[i];
        if (!file.HighDetail() || unitsPerPixel <= HighDetailUnitsPerPixel)
            files_.Levels(i).For(file, unitsPerPixel).QueryViews(view, take);
    }
    const QRectF shown = ShownRect(painter, view, toDevice);
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const std::optional<raster::Lines> lines = raster::Lines::Into(painter);
    const std::optional<raster::RasterTarget> pixels = raster::RasterTarget::Of(painter);
    std::optional<raster::AreaFill> areas;
    if (pixels)
        areas.emplace(*pixels);
    // A pen is made once a frame for each category drawn.
    std::vector<std::optional<LineInk>> inks(CategoryCount);
    const Mapping map(toDevice);
    FeatureDrawer drawer(painter, map, shown, areas ? &*areas : nullptr);
    painter.setBrush(Qt::NoBrush);
    for (const auto& features : byKind)
        for (const FeatureView& f : features) {
            const CategoryStyle& s = styles_[f.Category()];
            std::optional<LineInk>& ink = inks[f.Category()];
            if (!ink) {
                const QPen pen = PenOf(s, pixelRatio);
                ink = LineInk{pen, lines ? &*lines : nullptr, lines ? lines->InkOf(pen) : std::nullopt};
            }
            drawer.Draw(f, s, *ink);
        }
    painter.restore();
    if (places.empty())
        return;
    PlaceNameCache drawingOnly;
    PlaceLabels labels(labelFont_, names_ ? *names_ : drawingOnly);
    for (const FeatureView& place : places)
        labels.Add(place.Rank(), place.Name(), map(place.Vertex(0)),
                   ColorOf(styles_[place.Category()].LineColor));
    labels.Draw(painter, labelArea_.isEmpty() ? toDevice.mapRect(QRectF(QPointF(view.left, view.bottom),
                                                                        QPointF(view.right, view.top)))
                                              : labelArea_);
}

} // namespace mastermap
