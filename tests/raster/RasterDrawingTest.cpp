#include "raster/AreaFill.h"
#include "raster/Lines.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using raster::AreaFill;
using raster::Lines;
using raster::RasterTarget;

namespace {

QImage White(int width = 120, int height = 90, double ratio = 1) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QPen Hairline(Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(Qt::black, 1, style);
    pen.setCosmetic(true);
    return pen;
}

// Draws through the painter, or straight into the pixels.
enum class Route { Qt, Direct };

void Draw(QImage& image, Route route, const QPolygonF& line, const QPen& pen = Hairline(),
          const QTransform& transform = {}) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    painter.setPen(pen);
    if (route == Route::Qt) {
        painter.drawPolyline(line);
        return;
    }
    const std::optional<Lines> direct = Lines::Into(painter);
    ASSERT_TRUE(direct);
    const std::optional<Lines::Ink> ink = direct->InkOf(pen);
    ASSERT_TRUE(ink);
    direct->Polyline(line.constData(), line.size(), *ink);
}

// Along the line's major axis: each column's ink and its centre across.
struct Trace {
    std::vector<double> ink, centre;
};

Trace TraceOf(const QImage& image, bool steep) {
    Trace t;
    const int length = steep ? image.height() : image.width(),
              across = steep ? image.width() : image.height();
    for (int u = 0; u < length; ++u) {
        double ink = 0, moment = 0;
        for (int v = 0; v < across; ++v) {
            const double dark = 255 - qGray(steep ? image.pixel(v, u) : image.pixel(u, v));
            ink += dark;
            moment += dark * (v + 0.5);
        }
        t.ink.push_back(ink);
        t.centre.push_back(ink > 0 ? moment / ink : -1);
    }
    return t;
}

bool Fill(QImage& image, const std::vector<QPolygonF>& rings, const QColor& colour,
          const QTransform& transform = {}, const QRect& clip = {}) {
    QPainter painter(&image);
    painter.setTransform(transform);
    if (!clip.isNull())
        painter.setClipRect(transform.inverted().mapRect(QRectF(clip)));
    const std::optional<RasterTarget> target = RasterTarget::Of(painter);
    return target && AreaFill(*target).Fill(rings, qPremultiply(colour.rgba()));
}

int Differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

bool InsideOddEven(const std::vector<QPolygonF>& rings, QPointF p) {
    bool inside = false;
    for (const QPolygonF& ring : rings) {
        for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const QPointF a = ring[i], b = ring[j];
            if ((a.y() > p.y()) != (b.y() > p.y()) &&
                p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
                inside = !inside;
        }
    }
    return inside;
}

} // namespace

// Rings crossing themselves and each other, with holes, through transforms
// and a clip, opaque or tinted over a picture of many colours, fill a pixel
// when its centre lies inside by the odd-even rule (counted here ray by
// ray), as the painter does, and blend it as the painter blends. The shapes
// are not compared with the painter's: it snaps vertices to a fixed point,
// which decides pixels whose centres lie within a hair of an edge.
TEST(AreaFill, FillsThePixelsWhoseCentresLieInside) {
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        std::vector<QPolygonF> rings(1 + round % 3);
        for (QPolygonF& ring : rings) {
            for (int i = 0; i < 3 + round % 9; ++i)
                ring << QPointF(random.bounded(117.0) - 10, random.bounded(81.0) - 10);
        }
        const QTransform transform =
            round % 5 == 0 ? QTransform::fromScale(2, 2) : QTransform::fromTranslate(3, -2);
        const QRect clip = round % 7 == 0 ? QRect(11, 7, 60, 40) : QRect(0, 0, 97, 61);
        const QColor colour = round % 2 ? QColor(120, 200, 80) : QColor(30, 90, 200, 56 + round);
        QImage image = White(97, 61);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, 0xff000000u | (x * 0x030507u + y * 0x0b0d01u));
        }
        QImage expected = image.copy(), painted = image.copy();
        QPainter(&painted).fillRect(painted.rect(), colour);
        ASSERT_TRUE(Fill(image, rings, colour, transform, clip));
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            for (int x = clip.left(); x <= clip.right(); ++x) {
                if (InsideOddEven(rings, transform.inverted().map(QPointF(x + 0.5, y + 0.5))))
                    expected.setPixel(x, y, painted.pixel(x, y));
            }
        }
        ASSERT_EQ(Differing(image, expected), 0);
    }
}

// Lines at every slope and width, through device pixel ratios and
// transforms, lie exactly where they run and where Qt's own smoothed lines
// lie (Qt's hairlines stand off by up to a quarter pixel): a hairline puts a
// pixel's worth of ink in each column, a wider line the stretch its width
// takes across the column, as Qt's stroke does.
TEST(Lines, LieWhereTheyRun) {
    struct Case {
        const char* name;
        double ratio;
        QTransform transform;
    };
    const Case cases[] = {{"plain", 1, {}},
                          {"two device pixels a point", 2, {}},
                          {"moved and scaled", 1, QTransform(1.5, 0, 0, -0.75, 7.25, 80.5)}};
    QRandomGenerator random(7);
    for (const Case& c : cases)
        for (int k = 0; k < 36; ++k) {
            const int width = 1 + k % 3;
            SCOPED_TRACE(testing::Message() << c.name << " line " << k << " width " << width);
            const QPolygonF line{QPointF(5 + random.bounded(20.0), 5 + random.bounded(30.0)),
                                 QPointF(60 + random.bounded(30.0), 8 + random.bounded(35.0))};
            QPen pen = Hairline();
            pen.setWidth(width);
            QImage byQt = White(240, 180, c.ratio), direct = White(240, 180, c.ratio);
            Draw(byQt, Route::Qt, line, pen, c.transform);
            Draw(direct, Route::Direct, line, pen, c.transform);
            QPointF a = (c.transform * QTransform::fromScale(c.ratio, c.ratio)).map(line[0]);
            QPointF b = (c.transform * QTransform::fromScale(c.ratio, c.ratio)).map(line[1]);
            const bool steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
            if (steep) {
                a = a.transposed();
                b = b.transposed();
            }
            const double slope = (b.y() - a.y()) / (b.x() - a.x());
            const double stretch = width == 1 ? 1 : width * std::sqrt(1 + slope * slope);
            const Trace byQtTrace = TraceOf(byQt, steep), trace = TraceOf(direct, steep);
            const double from = std::min(a.x(), b.x()) + width, to = std::max(a.x(), b.x()) - width;
            int compared = 0;
            for (int u = 0; u < static_cast<int>(trace.ink.size()); ++u) {
                // The ends are capped differently; the columns between are the line.
                if (u < from || u + 1 > to)
                    continue;
                ++compared;
                const double runs = a.y() + slope * (u + 0.5 - a.x());
                EXPECT_NEAR(trace.centre[u], runs, 0.05) << "column " << u;
                EXPECT_NEAR(trace.ink[u], 255 * stretch, 2 * std::ceil(stretch + 1)) << "column " << u;
                EXPECT_NEAR(trace.centre[u], byQtTrace.centre[u], 0.3) << "column " << u;
                if (width > 1) {
                    EXPECT_NEAR(trace.ink[u], byQtTrace.ink[u], 0.05 * byQtTrace.ink[u]) << "column " << u;
                }
            }
            EXPECT_GT(compared, 20);
        }
}

// Whatever the coordinates, nothing is written outside the clip: lines that
// cross the picture from far away are drawn where they cross, and areas that
// would cross the rows too often are left to the painter, untouched.
TEST(RasterDrawing, StaysInsideTheClipWhateverTheCoordinates) {
    const QRect clip(20, 10, 60, 50);
    const auto expectNothingOutsideTheClip = [&](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!clip.contains(x, y)) {
                    ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
                }
    };
    QImage image = White();
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(clip);
        const std::optional<Lines> direct = Lines::Into(painter);
        ASSERT_TRUE(direct);
        QPen wide = Hairline(), dashed = Hairline(Qt::CustomDashLine);
        wide.setWidth(4);
        dashed.setWidth(6);
        dashed.setDashPattern({2, 1});
        const Lines::Ink ink = *direct->InkOf(Hairline()), wideInk = *direct->InkOf(wide),
                         dashedInk = *direct->InkOf(dashed);
        const double nan = std::numeric_limits<double>::quiet_NaN(), huge = 1e15;
        const QPolygonF lines[] = {{QPointF(-huge, 30.5), QPointF(huge, 30.5)},
                                   {QPointF(50.5, -huge), QPointF(50.5, huge)},
                                   {QPointF(nan, 5), QPointF(40, 40)},
                                   {QPointF(-1e9, -1e9), QPointF(1e9, 1e9)},
                                   {QPointF(-500, 200), QPointF(500, 300)}};
        for (const QPolygonF& line : lines) {
            direct->Polyline(line.constData(), line.size(), ink);
            direct->Polyline(line.constData(), line.size(), dashedInk);
        }
        // Wide lines just outside, on every side.
        const QPolygonF around{QPointF(17.5, 7.5), QPointF(82.5, 7.6), QPointF(82.4, 62.5),
                               QPointF(17.6, 62.4), QPointF(17.5, 7.5)};
        direct->Polyline(around.constData(), around.size(), wideInk);
    }
    expectNothingOutsideTheClip(image);
    EXPECT_EQ(qGray(image.pixel(40, 30)), 0);
    EXPECT_EQ(qGray(image.pixel(50, 40)), 0);
    EXPECT_EQ(qGray(image.pixel(40, 40)), 0) << "the diagonal";

    constexpr double Huge = 1e300, Nan = std::numeric_limits<double>::quiet_NaN(),
                     Endless = std::numeric_limits<double>::infinity();
    const std::vector<QPolygonF> rings = {QPolygonF({{-Huge, -Huge}, {Huge, 3}, {40, Huge}}),
                                          QPolygonF({{Nan, 5}, {30, Nan}, {20, 20}, {1e9, -1e9}}),
                                          QPolygonF({{-Endless, 5}, {30, Endless}, {Endless, -Endless}}),
                                          QPolygonF({{-5, -5}, {200, -5}, {200, 200}, {-5, 200}})};
    image = White();
    ASSERT_TRUE(Fill(image, rings, Qt::black, {}, clip));
    expectNothingOutsideTheClip(image);
    QPolygonF zigzag;
    for (std::size_t i = 0; i < AreaFill::MaxCrossings / 30; ++i)
        zigzag << QPointF(static_cast<double>(i % 97), i % 2 ? -1e6 : 1e6);
    QImage untouched = White();
    EXPECT_FALSE(Fill(untouched, {zigzag}, Qt::black));
    EXPECT_EQ(Differing(untouched, White()), 0);
}
