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

class LineDrawing : public ::testing::Test {
protected:
    void Show(double lonLeft, double lonRight, double latBottom = 0, double latTop = 20) {
        frame = PixelFrame::FromView(geo::LongitudeToX(lonLeft), geo::LatitudeToY(latBottom),
                                     geo::LongitudeToX(lonRight), geo::LatitudeToY(latTop), 200, 200);
    }
    void SetUp() override {
        Show(0, 20);
        image.fill(Qt::white);
    }
    int Inked() const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    }
    bool InkedAt(QPoint unit) const {
        const QPoint p = frame.ToPixel(unit).toPoint();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(p.x() + dx, p.y() + dy) &&
                    image.pixel(p.x() + dx, p.y() + dy) != qRgb(255, 255, 255))
                    return true;
        return false;
    }

    void Leg(QPoint from, QPoint to, const PixelFrame& on) {
        QPainter painter(&image);
        geoline::DrawGreatCircleLine(painter, on, from, to);
    }
    void Leg(QPoint from, QPoint to) { Leg(from, to, frame); }
    void Run(const std::vector<QPoint>& points) {
        QPainter painter(&image);
        geoline::DrawAbsLine(painter, frame, points.data(), int(points.size()));
    }

    QImage image{200, 200, QImage::Format_RGB32};
    PixelFrame frame;
};

TEST_F(LineDrawing, LegIsDrawnFromEndToEnd) {
    Leg(At(2, 2), At(18, 18));
    EXPECT_TRUE(InkedAt(At(2, 2)));
    EXPECT_TRUE(InkedAt(At(18, 18)));
    EXPECT_GT(Inked(), 150);
}

TEST_F(LineDrawing, LegThatBulgesIntoTheViewIsDrawn) {
    // Both ends lie south of the display; the arc between them rises to 43
    // degrees north on the middle meridian, through the shown area.
    Show(-5, 5, 35, 45);
    Leg(At(25, -60), At(25, 60));
    EXPECT_GT(Inked(), 0);
}

TEST_F(LineDrawing, LegAcrossTheAntimeridianReachesTheWorldEdge) {
    Show(170, 179.99);
    Leg(At(10, 175), At(10, -175));
    EXPECT_TRUE(InkedAt(At(10, 175)));
    EXPECT_GT(Inked(), 0);
}

TEST_F(LineDrawing, TrailRunIsDrawnThroughItsPoints) {
    const std::vector<QPoint> trail{At(2, 2), At(10, 2), At(10, 10), At(4, 16)};
    Run(trail);
    for (const QPoint& p : trail)
        EXPECT_TRUE(InkedAt(p));
    EXPECT_TRUE(InkedAt(At(6, 2)));
}

TEST_F(LineDrawing, TrailStepAcrossTheAntimeridianIsNotDrawnAcrossTheWorld) {
    Show(-180, 180);
    Run({At(10, 179), At(10, -179)});
    EXPECT_FALSE(InkedAt(At(10, 0)));
}

TEST_F(LineDrawing, FarOffLegInvalidFrameOrShortRunDrawsNothing) {
    Leg(At(50, 100), At(60, 120));
    Leg(At(-40, -60), At(-30, -10));
    const QPoint trail[]{At(2, 2), At(10, 2)};
    Leg(trail[0], trail[1], PixelFrame());
    QPainter painter(&image);
    geoline::DrawAbsLine(painter, PixelFrame(), trail, 2);
    geoline::DrawAbsLine(painter, frame, trail, 1);
    geoline::DrawAbsLine(painter, frame, nullptr, 5);
    painter.end();
    EXPECT_EQ(Inked(), 0);
}

TEST(GreatCircleArc, EquatorLegStaysOnTheEquator) {
    const auto runs = GreatCircleArc(At(0, 10), At(0, 40)).Runs(1);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].size(), 31);
    for (const QPointF& p : runs[0])
        EXPECT_NEAR(p.y(), 0, 1);
    EXPECT_EQ(runs[0].first(), QPointF(At(0, 10)));
    EXPECT_EQ(runs[0].last(), QPointF(At(0, 40)));
}

TEST(GreatCircleArc, EastWestLegBulgesTowardThePole) {
    const GreatCircleArc arc(At(60, -30), At(60, 30));
    const auto runs = arc.Runs(1);
    const QPointF highest =
        *std::max_element(runs[0].begin(), runs[0].end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_NEAR(highest.x(), 0, 200000);
    // The highest point, on the middle meridian, lies at 63.4 degrees.
    EXPECT_NEAR(geo::YToLatitude(geo::RoundToInt32(highest.y())), 63.43, 0.05);
    EXPECT_NEAR(arc.Bounds().bottom(), geo::LatitudeToY(63.435), 2000);
}

TEST(GreatCircleArc, CrossingTheAntimeridianSplitsTheLeg) {
    const GreatCircleArc arc(At(10, 170), At(10, -170));
    ASSERT_TRUE(arc.CrossesAntimeridian());
    EXPECT_TRUE(arc.Bounds().isNull());
    const auto runs = arc.Runs(1);
    ASSERT_EQ(runs.size(), 2);
    const double edge = geo::Pi * geo::EarthRadius;
    EXPECT_DOUBLE_EQ(runs[0].last().x(), edge);
    EXPECT_DOUBLE_EQ(runs[1].first().x(), -edge);
    EXPECT_DOUBLE_EQ(runs[0].last().y(), runs[1].first().y());
    for (const QPointF& p : runs[0])
        EXPECT_GE(p.x(), At(10, 170).x() - 1);
    for (const QPointF& p : runs[1])
        EXPECT_LE(p.x(), At(10, -170).x() + 1);
}

TEST(GreatCircleArc, MeridianLegIsBoundedByItsEndsAndAPointLegIsOneStep) {
    const QRectF box = GreatCircleArc(At(10, 5), At(40, 5)).Bounds();
    EXPECT_NEAR(box.top(), At(10, 5).y(), 1);
    EXPECT_NEAR(box.bottom(), At(40, 5).y(), 1);
    const auto runs = GreatCircleArc(At(20, 20), At(20, 20)).Runs(1);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].size(), 2);
}

// ---- routes and trails drawn whole, antialiased

QImage Blank() {
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool Inked(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 200;
}

// Pixels well inked in `a` with no inked pixel next to them in `b`.
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

template <typename Draw> QImage Drawn(const Draw& draw) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    return image;
}

const PixelFrame Frame = PixelFrame::FromView(geo::LongitudeToX(0), geo::LatitudeToY(30),
                                              geo::LongitudeToX(40), geo::LatitudeToY(60), 300, 300);

// A route drawn as one line shows the same legs as its legs drawn one by
// one: short legs straight, long ones curved, legs off the display left out.
TEST(RouteLines, JoinedLegsShowWhatSeparateLegsShow) {
    const std::vector<QPoint> route{At(35, 5),   At(35.1, 5.2), At(35.3, 5.1), At(50, 35), At(55, 10),
                                    At(80, 150), At(75, 160),   At(52, 20),    At(40, 20), At(40.2, 20.1)};
    const QImage joined = Drawn([&](QPainter& p) {
        geoline::DrawGreatCircleLines(p, Frame, route.data(), static_cast<int>(route.size()));
    });
    const QImage separate = Drawn([&](QPainter& p) {
        for (std::size_t i = 1; i < route.size(); ++i)
            geoline::DrawGreatCircleLine(p, Frame, route[i - 1], route[i]);
    });
    EXPECT_EQ(Uncovered(joined, separate), 0);
    EXPECT_EQ(Uncovered(separate, joined), 0);
    EXPECT_TRUE(Inked(joined, static_cast<int>(Frame.ToPixel(At(40, 20)).x()),
                      static_cast<int>(Frame.ToPixel(At(40, 20)).y())));
}

// A trail of points much closer together than a pixel is drawn through
// fewer of them, with the same shape and to its very end.
TEST(RouteLines, DenseTrailKeepsItsShape) {
    std::vector<QPoint> trail;
    for (int i = 0; i <= 20000; ++i) {
        const double turn = 1.9 * geo::Pi * i / 20000;
        trail.push_back(At(45 + 8 * std::sin(turn), 20 + 11 * std::cos(turn)));
    }
    const QImage thinned = Drawn(
        [&](QPainter& p) { geoline::DrawAbsLine(p, Frame, trail.data(), static_cast<int>(trail.size())); });
    const QImage every = Drawn([&](QPainter& p) {
        QPolygonF pixels;
        for (const QPoint& point : trail)
            pixels << Frame.ToPixel(point);
        p.drawPolyline(pixels);
    });
    EXPECT_EQ(Uncovered(thinned, every), 0);
    EXPECT_EQ(Uncovered(every, thinned), 0);
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
