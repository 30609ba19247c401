#include "MasterFixtures.h"

#include "mastermap/At5Writer.h"
#include "mastermap/MasterMapPainter.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

// A 100 x 100 pixel picture of the internal square 0..1000, Y up.
class Painter : public ::testing::Test {
protected:
    void SetUp() override {
        At5Writer w;
        w.Add(Line(1, {{0, 505}, {1000, 505}})); // through the middle of pixel row 49
        w.Add(Square(3, 100, 100, 200));         // area in the lower left
        ASSERT_EQ(w.Write(dir.filePath("m.at5")), "");
        set.Open({dir.filePath("m.at5")});
        styles[1].LineColor = 9; // blue
        styles[3].AreaStyle = 1; // hatched, navy, with outline
        styles[3].AreaColor = 12;
        toDevice = QTransform(0.1, 0, 0, -0.1, 0, 100);
    }
    QImage Draw(std::uint64_t categories = ~0ull) {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        MasterMapPainter(set, styles).Draw(p, {0, 0, 1000, 1000}, toDevice, categories);
        return image;
    }
    QTemporaryDir dir;
    MasterSet set;
    CategoryStyles styles;
    QTransform toDevice;
};

TEST_F(Painter, DrawsLinesInTheirCategoryColourAtTheirPlace) {
    const QImage image = Draw();
    EXPECT_EQ(QColor(image.pixel(50, 49)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(50, 20)), QColor(Qt::white));
}

// On a screen of two device pixels a point the line is two device pixels
// wide: as heavy as on any screen, and drawn in the device's own pixels.
TEST_F(Painter, LinesKeepTheirWeightOnADenseScreen) {
    const auto blueRows = [&](double ratio) {
        QImage image(QSize(100, 100) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter p(&image);
        MasterMapPainter(set, styles).Draw(p, {0, 0, 1000, 1000}, toDevice);
        p.end();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += QColor(image.pixel(image.width() / 2, y)) == QColor(0, 0, 255);
        return rows;
    };
    EXPECT_EQ(blueRows(1), 1);
    EXPECT_EQ(blueRows(2), 2);
}

TEST_F(Painter, DrawsAreasWithTheirStyleAndOutline) {
    const QImage image = Draw();
    int red = 0;
    for (int x = 11; x < 29; ++x)
        for (int y = 71; y < 89; ++y)
            red += QColor(image.pixel(x, y)).red() > 128 && QColor(image.pixel(x, y)).green() < 128;
    EXPECT_GT(red, 10);                                        // hatch lines inside
    EXPECT_LT(red, 18 * 18);                                   // but not a solid fill
    EXPECT_NE(QColor(image.pixel(10, 80)), QColor(Qt::white)); // outline on the left edge
}

// County lines (a high-detail file) help only from a close view on: in a
// wide one they would run together into a grey wash.
TEST_F(Painter, DrawsHighDetailFilesOnlyFromACloseZoomOn) {
    At5Writer w;
    w.SetHighDetail(true);
    const std::int32_t lineY = 1000000;
    w.Add(Line(4, {{0, lineY}, {1000000, lineY}}));
    ASSERT_EQ(w.Write(dir.filePath("hd.at5")), "");
    set.Open({dir.filePath("hd.at5")});
    styles[4].LineColor = 12; // red
    // The line through the middle of pixel row 49 of a 100-pixel view.
    const auto redAt = [&](double unitsPerPixel) {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        const double top = lineY + 49.5 * unitsPerPixel;
        const std::int32_t side = static_cast<std::int32_t>(100 * unitsPerPixel);
        MasterMapPainter(set, styles)
            .Draw(p, {0, static_cast<std::int32_t>(top) - side, side, static_cast<std::int32_t>(top)},
                  QTransform(1 / unitsPerPixel, 0, 0, -1 / unitsPerPixel, 0, top / unitsPerPixel));
        return QColor(image.pixel(50, 49));
    };
    EXPECT_EQ(redAt(MasterMapPainter::HighDetailUnitsPerPixel), QColor(255, 0, 0));
    EXPECT_EQ(redAt(MasterMapPainter::HighDetailUnitsPerPixel * 1.5), QColor(Qt::white));
}

TEST_F(Painter, LeavesSwitchedOffCategoriesOut) {
    const QImage image = Draw(1ull << 3);
    EXPECT_EQ(QColor(image.pixel(50, 49)), QColor(Qt::white));
}

} // namespace
