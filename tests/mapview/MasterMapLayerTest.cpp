// The master map on the display: kept as a picture in the device's pixels,
// drawn again when what it shows changes.

#include "support/GuiApplication.h"
#include "support/TestFiles.h"

#include "carver/Carver.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/MasterMapLayer.h"
#include "mapview/WindowObject.h"
#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"
#include "mastermap/MasterMapPainter.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A diagonal shoreline (category 1, blue) across a 200 x 150 picture.
class MasterLayer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing_support::StartGuiApplication(); }

    MasterLayer() {
        testing_support::WriteFile(dir.filePath("MasterDefinitionLibrary.dat"),
                                   "major 1 Water\nminor 1 Shorelines\n");
        testing_support::WriteFile(dir.filePath("MasterList.txt"), "M.at5\n");
        mastermap::At5Writer w;
        w.Add(mastermap_testing::Line(1, {{-100000, -80000}, {100000, 80000}}));
        EXPECT_EQ(w.Write(dir.filePath("M.at5")), "");
        EXPECT_TRUE(layer.Open(dir.path()));
        window.MapPicture.Width = 200;
        window.MapPicture.Height = 150;
        window.Center(0, 0);
        window.SetZoomRange(50);
    }
    static QImage Blank(double ratio) {
        QImage image(QSize(200, 150) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        return image;
    }
    QImage Shown(double ratio) {
        QImage image = Blank(ratio);
        QPainter painter(&image);
        layer.Draw(painter, window);
        return image;
    }
    // The same map drawn straight into the device, as a printer gets it.
    QImage Drawn(double ratio) {
        QImage image = Blank(ratio);
        QPainter painter(&image);
        mastermap::CategoryStyles styles;
        const mapview::CategoryAttributes& a = window.CategoryToColors(1);
        styles[1] = {a.LineColor, a.LineStyle, a.LinePattern, a.AreaColor, a.AreaStyle};
        mastermap::MasterMapPainter(layer.Control().Files(), styles)
            .Draw(painter, {window.ClipLeft, window.ClipBottom, window.ClipRight, window.ClipTop},
                  window.MapPicture.UserTransform());
        return image;
    }
    static int Differing(const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += std::abs(qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y))) > 8 ||
                         std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y))) > 8;
        return count;
    }
    // Pixels of the picture (in device pixels) plainly of one of the
    // colours, smoothing included.
    static int Count(const QImage& image, Qt::GlobalColor colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                const int strong = colour == Qt::blue ? c.blue() : c.red();
                const int weak = colour == Qt::blue ? c.red() : c.blue();
                count += strong > 200 && weak < 160 && c.green() < 160;
            }
        return count;
    }

    QTemporaryDir dir;
    mapview::MasterMapLayer layer;
    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    mapview::WindowObject window{engine};
};

} // namespace

TEST_F(MasterLayer, IsKeptInTheDevicesPixelsAndLooksAsIfDrawnThere) {
    for (double ratio : {1.0, 2.0}) {
        const QImage shown = Shown(ratio);
        EXPECT_EQ(layer.Picture().devicePixelRatio(), ratio);
        EXPECT_EQ(layer.Picture().size(), QSize(200, 150) * ratio);
        EXPECT_GT(Count(shown, Qt::blue), 50 * ratio);
        EXPECT_LE(Differing(shown, Drawn(ratio)), 4) << "ratio " << ratio;
    }
    // A picture kept at one pixel a point and stretched would blur the line
    // over twice the device pixels.
    const QImage stretched =
        Shown(1).scaled(QSize(400, 300), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(Differing(Shown(2), stretched.convertToFormat(QImage::Format_ARGB32_Premultiplied)), 100);
}

TEST_F(MasterLayer, IsDrawnAgainWhenALayersColourOrStateOrTheViewChangesButNotForAPrinter) {
    // A printer is given the drawing itself, not the picture.
    QImage page = Blank(1);
    {
        QPainter painter(&page);
        painter.scale(0.5, 0.5); // as a page is drawn at its own scale
        layer.Draw(painter, window);
    }
    EXPECT_TRUE(layer.Picture().isNull());
    EXPECT_GT(Count(page, Qt::blue), 10);

    const QImage first = Shown(1);
    window.SetLineColor(1, 12); // red
    EXPECT_GT(Count(Shown(1), Qt::red), 50);
    window.Center(20000, 0);
    EXPECT_GT(Differing(Shown(1), first), 50);
    layer.Control().SetMajorState(0, false);
    EXPECT_EQ(Count(Shown(1), Qt::red), 0);
}
