#include "geoline/GeoLine.h"

#include "geo/Coordinates.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

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

} // namespace
