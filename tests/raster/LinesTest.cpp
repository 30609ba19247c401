#include "raster/Lines.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using raster::Lines;

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

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            largest = std::max(largest, std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))));
    return largest;
}

} // namespace

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

// A polyline of many short segments, run either way, is one even line: no
// joint is drawn twice or left out, and its dashes run on from segment to
// segment.
TEST(Lines, SegmentsJoinSeamlessly) {
    QPolygonF steps;
    for (int i = 0; i <= 100; ++i)
        steps << QPointF(10 + i, 20.3 + i * 0.2);
    QPolygonF backwards = steps;
    std::reverse(backwards.begin(), backwards.end());
    const QPolygonF whole{steps.front(), steps.back()};
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::CustomDashLine}) {
        QPen pen = Hairline(style);
        if (style == Qt::CustomDashLine)
            pen.setDashPattern({3, 2});
        QImage byWhole = White();
        Draw(byWhole, Route::Direct, whole, pen);
        const Trace trace = TraceOf(byWhole, false);
        int drawn = 0;
        for (int u = 10; u < 110; ++u) {
            if (style == Qt::SolidLine) {
                EXPECT_NEAR(trace.ink[u], 255, 2) << "column " << u;
            }
            drawn += trace.ink[u] > 0;
        }
        EXPECT_EQ(drawn, style == Qt::SolidLine ? 100 : 60);
        QImage bySteps = White();
        Draw(bySteps, Route::Direct, steps, pen);
        EXPECT_LE(LargestDifference(bySteps, byWhole), 2) << "style " << style;
        if (style == Qt::SolidLine) {
            QImage byStepsBack = White();
            Draw(byStepsBack, Route::Direct, backwards, pen);
            EXPECT_LE(LargestDifference(byStepsBack, byWhole), 2) << "backwards";
        }
    }
}

// Nothing is written outside the painter's clip or the image, whatever the
// coordinates; what crosses the picture from far away is drawn where it
// crosses.
TEST(Lines, StayInsideTheClipWhateverTheCoordinates) {
    QImage image = White();
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(QRect(20, 10, 60, 50));
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
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!QRect(20, 10, 60, 50).contains(x, y)) {
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
    EXPECT_EQ(qGray(image.pixel(40, 30)), 0);
    EXPECT_EQ(qGray(image.pixel(50, 40)), 0);
    EXPECT_EQ(qGray(image.pixel(40, 40)), 0) << "the diagonal";
}

// Whatever this cannot draw exactly as the painter would is left to the
// painter: other devices, clip paths, translucency, wide or unsmoothed pens.
TEST(Lines, LeaveToThePainterWhatTheyCannotDraw) {
    QImage image = White();
    const auto into = [&](const std::function<void(QPainter&)>& set) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        set(painter);
        return Lines::Into(painter).has_value();
    };
    EXPECT_TRUE(into([](QPainter&) {}));
    EXPECT_FALSE(into([](QPainter& p) { p.setRenderHint(QPainter::Antialiasing, false); }));
    EXPECT_FALSE(into([](QPainter& p) { p.setOpacity(0.5); }));
    EXPECT_FALSE(into([](QPainter& p) { p.rotate(10); }));
    EXPECT_FALSE(into([](QPainter& p) {
        QPainterPath round;
        round.addEllipse(10, 10, 50, 50);
        p.setClipPath(round);
    }));
    QImage unpremultiplied(10, 10, QImage::Format_ARGB32);
    QPainter onUnpremultiplied(&unpremultiplied);
    onUnpremultiplied.setRenderHint(QPainter::Antialiasing);
    EXPECT_FALSE(Lines::Into(onUnpremultiplied));
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("page.pdf"));
    QPainter onPaper(&pdf);
    onPaper.setRenderHint(QPainter::Antialiasing);
    EXPECT_FALSE(Lines::Into(onPaper));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Lines direct = *Lines::Into(painter);
    EXPECT_FALSE(direct.InkOf(QPen(Qt::black, 9)));
    EXPECT_FALSE(direct.InkOf(QPen(Qt::black, 2, Qt::DashLine)));
    EXPECT_FALSE(direct.InkOf(QPen(Qt::black, 1, Qt::DotLine)));
    QPen fractionalDashes = Hairline(Qt::CustomDashLine);
    fractionalDashes.setDashPattern({1.5, 2});
    EXPECT_FALSE(direct.InkOf(fractionalDashes));
    painter.scale(0.5, 0.5);
    EXPECT_TRUE(Lines::Into(painter)->InkOf(QPen(Qt::black, 8)));
}

// Wider lines, solid and dashed, square-capped and flat, along zigzags that
// cross themselves: what Qt's stroke covers, all but a few pixels to within
// a little, and the same ink in all.
TEST(Lines, WideLinesCoverWhatQtsStrokeCovers) {
    QRandomGenerator random(11);
    const QList<QList<qreal>> patterns = {{}, {3, 2}, {1, 1}, {4, 1, 1, 1}};
    for (int k = 0; k < 32; ++k) {
        const double width = std::array{2.0, 3.0, 4.0, 6.0}[k % 4];
        const QList<qreal>& dashes = patterns[k / 4 % 4];
        const Qt::PenCapStyle cap = k < 16 ? Qt::SquareCap : Qt::FlatCap;
        QPolygonF line;
        for (int i = 0; i < 7; ++i)
            line << QPointF(15 + random.bounded(210.0), 15 + random.bounded(150.0));
        QPen pen(Qt::black, width, dashes.isEmpty() ? Qt::SolidLine : Qt::CustomDashLine, cap,
                 k % 2 ? Qt::RoundJoin : Qt::BevelJoin);
        pen.setCosmetic(true);
        if (!dashes.isEmpty())
            pen.setDashPattern(dashes);
        SCOPED_TRACE(testing::Message()
                     << "line " << k << " width " << width << " pattern " << k / 4 % 4 << " cap " << cap);
        QImage byQt = White(240, 180), direct = White(240, 180);
        Draw(byQt, Route::Qt, line, pen);
        Draw(direct, Route::Direct, line, pen);
        double inkQt = 0, ink = 0;
        int off = 0;
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 240; ++x) {
                const int a = 255 - qGray(byQt.pixel(x, y)), b = 255 - qGray(direct.pixel(x, y));
                inkQt += a;
                ink += b;
                off += std::abs(a - b) > 100;
            }
        EXPECT_NEAR(ink, inkQt, 0.04 * inkQt);
        EXPECT_LT(off, inkQt / 255 * 0.03);
    }
}
