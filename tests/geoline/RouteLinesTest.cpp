#include "geoline/GeoLine.h"

#include "geo/Coordinates.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using geoline::PixelFrame;

namespace {

QPoint At(double lat, double lon) {
    return {geo::LongitudeToX(lon), geo::LatitudeToY(lat)};
}

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

} // namespace

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
