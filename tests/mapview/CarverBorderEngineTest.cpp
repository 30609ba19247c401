#include "mapview/CarverBorderEngine.h"
#include "carver/Carver.h"
#include "mapview/WindowObject.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using mapview::CarverBorderEngine;
using mapview::WindowObject;

TEST(CarverBorderEngine, TheEngineDrawsBordersWhereTheViewportShowsThem) {
    Carver carver;
    CarverBorderEngine engine(carver);
    WindowObject window(engine);
    window.MapPicture.Width = 200;
    window.MapPicture.Height = 100;
    window.SetZoomRange(window.MinZoomRange() * 100); // a hundred units per pixel
    // A polyline across the view from pixel (20, 50) to (180, 50).
    const auto unitX = [&](double px) { return qRound((px + window.PixelLeft) / window.PixelsPerUnitX); };
    const int y = qRound((50 + window.PixelTop) / window.PixelsPerUnitY);
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(unitX(20), y);
    carver.KAddPolyPoint(unitX(180), y);

    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        carver.KDraw(painter, 0);
    }
    int drawnOnTheLine = 0;
    for (int px = 30; px < 170; ++px)
        for (int py = 47; py <= 53; ++py)
            drawnOnTheLine += image.pixel(px, py) != qRgb(255, 255, 255);
    EXPECT_GT(drawnOnTheLine, 100);
}
