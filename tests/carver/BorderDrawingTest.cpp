#include "carver/Carver.h"
#include "carver/CarverModes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// 200 x 200 pixels over units 0..200000: a pixel is 1000 units.
class BorderDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        carver.KSetRange(0, 0, 200000, 200000, 200, 200);
        carver.KSetNodeAttributes(1, 5, 0, 2, 0x000000);
        carver.KSetSelectAttributes(1, 24, 0, 1, 0xff00ff);
        carver.KSetCorridorAttributes(1, 20000, 0, 2, 0xff00ff);
        carver.KSetConnectionAttributes(1, 24000, 0, 2, 0x00ff00);
        carver.KSetBlockAttributes(24000, 2, 1, 0x000000);
        carver.KSetCorridorWidth(20000);
    }
    QImage Draw(int layers) {
        carver.KSetLayers(1, layers);
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        carver.KDraw(painter, 1);
        return image;
    }
    static bool Inked(const QImage& image, int x, int y) { return image.pixel(x, y) != qRgb(255, 255, 255); }
    static int InkedCount(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += Inked(image, x, y);
        return n;
    }
    void AddLine() {
        carver.KAddPolyline(0);
        carver.KAddPolyPoint(20000, 100000);
        carver.KAddPolyPoint(180000, 100000);
    }

    Carver carver;
};

// Blocks are drawn only with their flag; a closed border has no corridor.
TEST_F(BorderDrawing, AnOpenBorderIsDrawnWithItsCorridorAndBlocksAndAClosedOneWithout) {
    AddLine();
    const QImage image = Draw(KEL_LAYER_OUTLINE);
    EXPECT_TRUE(Inked(image, 100, 100));  // the line, at Y 100000
    EXPECT_TRUE(Inked(image, 100, 107));  // inside the 20-pixel corridor
    EXPECT_FALSE(Inked(image, 100, 120)); // beyond it
    EXPECT_FALSE(Inked(image, 100, 30));
    const int without = InkedCount(image);
    const QImage with = Draw(KEL_LAYER_OUTLINE | KEL_LAYER_BLOCKS);
    EXPECT_GT(InkedCount(with), without);
    // The block row 72000..96000 is covered by the corridor (90000..110000):
    // its lower edge runs at pixel row 200 - 72 = 128.
    EXPECT_TRUE(Inked(with, 60, 128));

    carver.KClearAll();
    carver.KAddPolyline(1);
    carver.KAddPolyPoint(50000, 50000);
    carver.KAddPolyPoint(150000, 50000);
    carver.KAddPolyPoint(150000, 150000);
    const QImage closed = Draw(KEL_LAYER_OUTLINE);
    EXPECT_TRUE(Inked(closed, 100, 150));  // bottom edge, Y 50000
    EXPECT_TRUE(Inked(closed, 100, 100));  // the closing diagonal
    EXPECT_FALSE(Inked(closed, 100, 157)); // no corridor
}

// The sketch layer draws the rubber band to the pointer; borders outside the
// view, unset layers or no range draw nothing.
TEST_F(BorderDrawing, TheSketchDrawsTheRubberBandAndNothingElseDrawsWithoutAView) {
    carver.KSetMode(KEL_MODE_START_POLYLINE);
    carver.KSendPoint(20, 20);
    carver.KSetMode(KEL_MODE_START_BORDER);
    carver.KSendPoint(180, 20);
    EXPECT_TRUE(Inked(Draw(KEL_LAYER_SKETCH), 100, 20));
    EXPECT_FALSE(Inked(Draw(KEL_LAYER_OUTLINE), 100, 20));

    carver.KClearAll();
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(5000000, 5000000);
    carver.KAddPolyPoint(6000000, 5000000);
    EXPECT_EQ(InkedCount(Draw(KEL_LAYER_SKETCH | KEL_LAYER_BLOCKS | KEL_LAYER_HOTSPOTS)), 0);
    AddLine();
    EXPECT_EQ(InkedCount(Draw(0)), 0);
    carver.KSetRange(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(InkedCount(Draw(KEL_LAYER_SKETCH)), 0);
}

} // namespace
