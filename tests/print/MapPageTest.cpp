#include "PrintFixture.h"

#include "carver/Carver.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/WindowObject.h"
#include "print/MapPage.h"
#include "print/PageWriter.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

using print::MapPage;
using print::PrintOptions;
using testing_support::PdfText;

namespace {

// A 672 x 480 pixel map window over Kansas with a route across it and a
// closed border around its middle.
class MapPages : public PrintFixture {
protected:
    void SetUp() override {
        view.MapPicture.Width = 672;
        view.MapPicture.Height = 480;
        view.Center(geo::LongitudeToX(-98), geo::LatitudeToY(38.5));
        view.SetZoomRange(70);
        data.AddWaypoint(0, geo::LongitudeToX(-98.4), geo::LatitudeToY(38.5), 0, "WEST", 0, 0, 0);
        data.AddWaypoint(1, geo::LongitudeToX(-97.6), geo::LatitudeToY(38.5), 0, "EAST", 0, 0, 0);
        data.AddRoute(0, "Across", {0, 1});
        carver.KAddPolyline(1);
        for (auto [lon, lat] :
             {std::pair{-98.2, 38.3}, {-97.8, 38.3}, {-97.8, 38.7}, {-98.2, 38.7}, {-98.2, 38.3}})
            carver.KAddPolyPoint(geo::LongitudeToX(lon), geo::LatitudeToY(lat));
    }

    MapPage Page() { return MapPage(view, {{}, &carver, &data}); }
    print::PrintResult PrintMap(const PrintOptions& options, const QString& name = {}) {
        const MapPage page = Page();
        map = &page;
        mapName = name;
        return Print(options, "map.pdf");
    }

    QImage Render(int dpi) {
        QProcess p;
        p.start("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", path, dir.filePath("page")});
        p.waitForFinished(-1);
        return QImage(dir.filePath("page.png"));
    }

    // The lowest pixel row with ink in the given column of a picture.
    static int LowestInk(const QImage& image, int x) {
        for (int y = image.height() - 1; y >= 0; --y)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
        return -1;
    }

    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    mapview::WindowObject view{engine};
};

TEST_F(MapPages, TheDirectPrintHasTheScaleSentenceAboveTheMapAndTheNoticeUnderIt) {
    view.SetZoomRange(5); // 5 miles over 7 inches
    path = dir.filePath("map.pdf");
    ASSERT_EQ(print::PdfFile::Write(path,
                                    [&](QPdfWriter& writer) {
                                        Page().PrintWithScale(writer);
                                        return QString();
                                    }),
              "");
    EXPECT_EQ(PdfText::PageCount(path), 1);
    const PdfText pdf(path);
    const PdfText::Page& page = pdf.pages[0];
    EXPECT_EQ(page.RowWords(2).join(' '), "Map Scale = 1 inch is less than a mile.");
    EXPECT_NEAR(page.Column(page.Find("Map")), 5, 0.1);
    // The notice sits under the map: 7 by 5 inches from row 3.5.
    const auto notice = page.Find("Printed");
    EXPECT_NEAR(notice.y, page.height * 3.5 / 45 + 5 * 72, 20);
}

TEST_F(MapPages, TheMapIsVectorsUnderItsSectionAndExpandFillsThePageLeavingTheWindowsView) {
    PrintOptions options = Options(PrintOptions::What::Map, {});
    options.drawBorders = true;
    PrintMap(options, "Kansas");
    const PdfText named(path);
    EXPECT_EQ(named.pages[0].RowWords(2), QStringList({"Map", "Kansas"}));
    QProcess images;
    images.start("pdfimages", {"-list", path});
    images.waitForFinished(-1);
    // Symbols and name labels may be pictures; the map itself is not one.
    for (const QString& line : QString::fromUtf8(images.readAllStandardOutput()).split('\n').mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() < 14)
            continue;
        const double inches = f[3].toDouble() / f[12].toDouble() * f[4].toDouble() / f[13].toDouble();
        EXPECT_LT(inches, 0.5) << line.toStdString();
    }
    // The route runs across the middle of the map in a line one pixel of
    // the window wide, however fine the page is rendered.
    const QImage fine = Render(300);
    const int middle = int(300 * (5 * 11.0 / 45 + 2.5)); // row 5, under the section, plus half the map
    int dark = 0;
    for (int y = middle - 30; y < middle + 30; ++y) {
        const QRgb p = fine.pixel(fine.width() / 2, y);
        dark += qGray(p) < 160 && qRed(p) > qGreen(p) + 50;
    }
    EXPECT_GE(dark, 2);
    EXPECT_LE(dark, 6);
    // At its own size the map is 5 inches high under the header.
    const QImage own = Render(50);
    EXPECT_NEAR(LowestInk(own, own.width() / 2), 50 * (5 * 11.0 / 45 + 5), 2);

    // Expanded, it fills the page, and the window's view is as it was.
    const std::int32_t left = view.ViewLeft, top = view.ViewTop, bottom = view.ViewBottom;
    const QPointF corner = carver.Range().ToPixel(QPointF(view.ViewLeft, view.ViewTop));
    const int height = carver.Range().Height();
    options.expandMap = true;
    PrintMap(options, "Kansas");
    EXPECT_EQ(view.MapPicture.Height, 480);
    EXPECT_EQ(view.ViewLeft, left);
    EXPECT_EQ(view.ViewTop, top);
    EXPECT_EQ(view.ViewBottom, bottom);
    EXPECT_EQ(carver.Range().ToPixel(QPointF(view.ViewLeft, view.ViewTop)), corner);
    EXPECT_EQ(carver.Range().Height(), height);
    const QImage expanded = Render(50);
    EXPECT_NEAR(LowestInk(expanded, expanded.width() / 2), 50 * (40 * 11.0 / 45), 2);

    // Without borders there is no section, and without a name neither.
    options.drawBorders = false;
    PrintMap(options, "Kansas");
    EXPECT_TRUE(PdfText(path).pages[0].RowWords(2).isEmpty());
}

} // namespace
