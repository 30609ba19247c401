#include "raster/Lines.h"
#include "raster/Stamp.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using raster::RasterTarget;

namespace {

// A window whose paint event is given from outside.
class Canvas : public QWidget {
public:
    std::function<void(QPainter&)> paint;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        if (paint)
            paint(painter);
    }
};

// A symbol's picture: solid, clear and half-covered pixels.
QImage Sprite() {
    QImage sprite(9, 7, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x)
            sprite.setPixelColor(x, y,
                                 QColor(40 * y % 255, 200, 30 * x, (x + y) % 3 == 0 ? 0 : 255 - 25 * x));
    }
    return sprite;
}

// The top-level window's backing store once the canvas painted: where a
// window's painter writes.
QImage Shown(QWidget& top, Canvas& canvas, const std::function<void(QPainter&)>& paint,
             const QRect& part = {}) {
    canvas.paint = paint;
    if (part.isNull())
        canvas.repaint();
    else
        canvas.repaint(part);
    const QPaintDevice* store = top.backingStore()->paintDevice();
    if (!store || store->devType() != QInternal::Image)
        return {};
    return static_cast<const QImage*>(store)->convertToFormat(QImage::Format_RGB32);
}

} // namespace

// In a window (a child some way into its top-level one, whose backing store
// holds the pixels), lines and pictures land where they would in a picture
// of the window, and nothing outside the part of the window being painted
// is touched.
TEST(RasterTarget, WritesWhereTheWindowPaints) {
    int argc = 1;
    char name[] = "raster";
    char* argv[] = {name};
    QApplication app(argc, argv);
    QWidget top;
    top.resize(220, 160);
    Canvas canvas;
    canvas.setParent(&top);
    canvas.setGeometry(37, 21, 120, 90);
    top.show();
    QApplication::processEvents();
    const QPolygonF line({{3.3, 80.2}, {60.7, 5.1}, {117.5, 44.9}});
    const QImage sprite = Sprite();
    const auto draw = [&](QPainter& p) {
        p.setPen(QPen(Qt::darkBlue, 1));
        const std::optional<RasterTarget> target = RasterTarget::Of(p);
        ASSERT_TRUE(target);
        raster::PenLine::Of(p)->Polyline(line.constData(), line.size());
        EXPECT_TRUE(raster::Stamp(*target, QPointF(50, 40), sprite, QRect(1, 0, 8, 7)));
    };
    const QImage inPicture = Shown(top, canvas, [&](QPainter& p) {
        QImage picture(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter into(&picture);
        into.setRenderHint(QPainter::Antialiasing);
        draw(into);
        p.drawImage(0, 0, picture);
    });
    const QImage direct = Shown(top, canvas, draw);
    ASSERT_FALSE(direct.isNull());
    EXPECT_EQ(direct, inPicture);
    EXPECT_NE(direct.pixel(37 + 50 + 3, 21 + 40 + 3), qRgb(255, 255, 255));

    // A repaint of part of the window writes only there.
    const QRect part(10, 10, 30, 20);
    const QImage partly = Shown(
        top, canvas,
        [&](QPainter& p) {
            const QRect clip = RasterTarget::Of(p)->Clip();
            for (int y = clip.top(); y <= clip.bottom(); ++y) {
                for (int x = clip.left(); x <= clip.right(); ++x)
                    RasterTarget::Of(p)->Pixel(x, y) = qRgb(255, 0, 0);
            }
        },
        part);
    for (int y = 0; y < partly.height(); ++y) {
        for (int x = 0; x < partly.width(); ++x) {
            const bool inPart = part.translated(canvas.pos()).contains(x, y);
            ASSERT_EQ(partly.pixel(x, y) == qRgb(255, 0, 0), inPart) << x << "," << y;
        }
    }
}
