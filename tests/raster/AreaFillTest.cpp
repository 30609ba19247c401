#include "raster/AreaFill.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <limits>

using raster::AreaFill;
using raster::RasterTarget;

namespace {

QImage White(int width = 97, int height = 61) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
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
        QImage image = White();
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

// Areas sharing a border, their vertices on half pixels (where the map puts
// them, so that pixel centres lie on edges), cover every pixel of their
// union exactly once: no gap, no overlap.
TEST(AreaFill, NeighboursMeetWithoutGapOrOverlap) {
    QRandomGenerator random(11);
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        // A rectangle cut in two by a zig-zag from its left side to its right.
        QPolygonF cut;
        for (double x = 5; x < 90; x += 0.5 * (1 + random.bounded(12)))
            cut << QPointF(x, 10 + 0.5 * random.bounded(80));
        cut << QPointF(90, 10 + 0.5 * random.bounded(80));
        QPolygonF upper = cut, lower = cut;
        upper << QPointF(90, 5) << QPointF(5, 5);
        lower << QPointF(90, 56) << QPointF(5, 56);
        QImage upperOnly = White(), lowerOnly = White();
        ASSERT_TRUE(Fill(upperOnly, {upper}, Qt::blue));
        ASSERT_TRUE(Fill(lowerOnly, {lower}, Qt::red));
        for (int y = 5; y < 56; ++y) {
            for (int x = 5; x < 90; ++x) {
                const bool inUpper = upperOnly.pixel(x, y) == qRgb(0, 0, 255);
                const bool inLower = lowerOnly.pixel(x, y) == qRgb(255, 0, 0);
                ASSERT_NE(inUpper, inLower) << x << "," << y;
            }
        }
    }
}

// Whatever the coordinates, nothing is written outside the clip; rings that
// would cross the rows too often are left to the painter, untouched.
TEST(AreaFill, StaysInsideTheClipWhateverTheCoordinates) {
    constexpr double Huge = 1e300, Nan = std::numeric_limits<double>::quiet_NaN(),
                     Endless = std::numeric_limits<double>::infinity();
    const std::vector<QPolygonF> rings = {QPolygonF({{-Huge, -Huge}, {Huge, 3}, {40, Huge}}),
                                          QPolygonF({{Nan, 5}, {30, Nan}, {20, 20}, {1e9, -1e9}}),
                                          QPolygonF({{-Endless, 5}, {30, Endless}, {Endless, -Endless}}),
                                          QPolygonF({{-5, -5}, {200, -5}, {200, 200}, {-5, 200}})};
    QImage image = White();
    ASSERT_TRUE(Fill(image, rings, Qt::black, {}, QRect(10, 10, 30, 20)));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!QRect(10, 10, 30, 20).contains(x, y)) {
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
        }
    }

    QPolygonF zigzag;
    for (std::size_t i = 0; i < AreaFill::MaxCrossings / 30; ++i)
        zigzag << QPointF(static_cast<double>(i % 97), i % 2 ? -1e6 : 1e6);
    QImage untouched = White();
    EXPECT_FALSE(Fill(untouched, {zigzag}, Qt::black));
    EXPECT_EQ(Differing(untouched, White()), 0);
}
