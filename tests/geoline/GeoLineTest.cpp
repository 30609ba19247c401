#include "geoline/GeoLine.h"
#include "geoline/GreatCircleArc.h"
#include "geoline/PolylineClip.h"

#include "geo/Coordinates.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using geoline::GreatCircleArc;
using geoline::PixelFrame;

namespace {

QPoint At(double lat, double lon) {
    return {geo::LongitudeToX(lon), geo::LatitudeToY(lat)};
}

// A 200 x 200 pixel display of the given longitudes and latitudes.
PixelFrame View(double lonLeft, double lonRight, double latBottom, double latTop) {
    return PixelFrame::FromView(geo::LongitudeToX(lonLeft), geo::LatitudeToY(latBottom),
                                geo::LongitudeToX(lonRight), geo::LatitudeToY(latTop), 200, 200);
}

template <typename Draw> QImage Drawn(const Draw& draw) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    return image;
}

bool Inked(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 200;
}

// Pixels well inked in `a` with no inked pixel next to them in `b` (all of
// them for an empty `b`).
int Uncovered(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = Inked(b, x + dx, y + dy);
            n += Inked(a, x, y) && !near;
        }
    return n;
}

bool InkedNear(const QImage& image, const PixelFrame& frame, QPoint unit) {
    const QPoint p = frame.ToPixel(unit).toPoint();
    return Uncovered(QImage(image.copy(p.x() - 1, p.y() - 1, 3, 3)), QImage()) > 0;
}

TEST(LineDrawing, LegsAndTrailsAreDrawnWhereTheyCrossTheViewAndNowhereElse) {
    // Both ends lie south of the display; the arc between them rises to 43
    // degrees north on the middle meridian, through the shown area.
    EXPECT_GT(Uncovered(Drawn([](QPainter& p) {
                            geoline::DrawGreatCircleLine(p, View(-5, 5, 35, 45), At(25, -60), At(25, 60));
                        }),
                        QImage()),
              0);
    const PixelFrame dateLine = View(170, 179.99, 0, 20);
    EXPECT_TRUE(InkedNear(
        Drawn([&](QPainter& p) { geoline::DrawGreatCircleLine(p, dateLine, At(10, 175), At(10, -175)); }),
        dateLine, At(10, 175)));
    // A trail step across the antimeridian is not drawn across the world.
    const PixelFrame world = View(-180, 180, 0, 20);
    const QPoint step[]{At(10, 179), At(10, -179)};
    EXPECT_FALSE(
        InkedNear(Drawn([&](QPainter& p) { geoline::DrawAbsLine(p, world, step, 2); }), world, At(10, 0)));

    // Far-off legs, an invalid frame or a short run draw nothing.
    const PixelFrame frame = View(0, 20, 0, 20);
    const QPoint trail[]{At(2, 2), At(10, 2)};
    EXPECT_EQ(Uncovered(Drawn([&](QPainter& p) {
                            geoline::DrawGreatCircleLine(p, frame, At(50, 100), At(60, 120));
                            geoline::DrawGreatCircleLine(p, frame, At(-40, -60), At(-30, -10));
                            geoline::DrawGreatCircleLine(p, PixelFrame(), trail[0], trail[1]);
                            geoline::DrawAbsLine(p, PixelFrame(), trail, 2);
                            geoline::DrawAbsLine(p, frame, trail, 1);
                            geoline::DrawAbsLine(p, frame, nullptr, 5);
                        }),
                        QImage()),
              0);
}

// A trail of points much closer together than a pixel is drawn through
// fewer of them, with the same shape and to its very end.
TEST(LineDrawing, ADenseTrailKeepsItsShape) {
    const PixelFrame frame = View(0, 40, 30, 60);
    std::vector<QPoint> trail;
    for (int i = 0; i <= 20000; ++i) {
        const double turn = 1.9 * geo::Pi * i / 20000;
        trail.push_back(At(45 + 8 * std::sin(turn), 20 + 11 * std::cos(turn)));
    }
    const QImage thinned = Drawn(
        [&](QPainter& p) { geoline::DrawAbsLine(p, frame, trail.data(), static_cast<int>(trail.size())); });
    const QImage every = Drawn([&](QPainter& p) {
        QPolygonF pixels;
        for (const QPoint& point : trail)
            pixels << frame.ToPixel(point);
        p.drawPolyline(pixels);
    });
    EXPECT_EQ(Uncovered(thinned, every), 0);
    EXPECT_EQ(Uncovered(every, thinned), 0);
}

// Arcs start and end exactly at their ends, and split where they cross the
// antimeridian.
TEST(GreatCircleArc, FollowsTheGreatCircle) {
    const auto equator = GreatCircleArc(At(0, 10), At(0, 40)).Runs(1);
    ASSERT_EQ(equator.size(), 1);
    for (const QPointF& p : equator[0])
        EXPECT_NEAR(p.y(), 0, 1);
    EXPECT_EQ(equator[0].first(), QPointF(At(0, 10)));
    EXPECT_EQ(equator[0].last(), QPointF(At(0, 40)));

    const GreatCircleArc crossing(At(10, 170), At(10, -170));
    ASSERT_TRUE(crossing.CrossesAntimeridian());
    EXPECT_TRUE(crossing.Bounds().isNull());
    const auto halves = crossing.Runs(1);
    ASSERT_EQ(halves.size(), 2);
    const double edge = geo::Pi * geo::EarthRadius;
    EXPECT_DOUBLE_EQ(halves[0].last().x(), edge);
    EXPECT_DOUBLE_EQ(halves[1].first().x(), -edge);
    EXPECT_DOUBLE_EQ(halves[0].last().y(), halves[1].first().y());
    for (const QPointF& p : halves[0])
        EXPECT_GE(p.x(), At(10, 170).x() - 1);
    for (const QPointF& p : halves[1])
        EXPECT_LE(p.x(), At(10, -170).x() + 1);
}

TEST(PolylineClip, PiecesInsideTheDisplayAreKeptAndCutAtItsEdges) {
    struct Case {
        QPolygonF line;
        QList<QPolygonF> pieces;
    };
    const QPolygonF inside{{10, 10}, {50, 50}, {90, 10}};
    const Case cases[] = {
        {inside, {inside}},
        {{{-1e9, 50}, {1e9, 50}}, {{{0, 50}, {100, 50}}}},
        {{{50, 50}, {50, 200}, {60, 200}, {60, 50}}, {{{50, 50}, {50, 100}}, {{60, 100}, {60, 50}}}},
        {{{200, 200}, {300, 250}, {400, 200}}, {}},
        {{{50, 50}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(geoline::ClipPolyline(c.line, QRectF(0, 0, 100, 100)), c.pieces);
    }
}

} // namespace
