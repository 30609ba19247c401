#include "mapview/WindowObject.h"
#include "carver/Carver.h"
#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/ViewFit.h"
#include "mapview/ZoomRangeList.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

using mapview::ViewFit;
using mapview::WindowObject;
using mapview::ZoomRangeList;

namespace {

// The viewport over a 900 by 600 picture (ranges from about 0.56 to 10700
// miles), telling the border engine what it shows.
class Window : public ::testing::Test {
protected:
    Window() {
        window.MapPicture.Width = 900;
        window.MapPicture.Height = 600;
    }
    double Cosine() const { return std::cos(geo::YToLatitude(window.MidY) * geo::DegToRad); }
    std::int32_t ViewWidth() const { return window.ViewRight - window.ViewLeft; }
    std::int32_t ViewHeight() const { return window.ViewTop - window.ViewBottom; }

    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    WindowObject window{engine};
};

} // namespace

// ---- zoom and view

TEST_F(Window, ZoomRunsFromOneMetreAPixelToTheWholeWorldInStepsThatReturn) {
    window.SetZoomRange(37);
    EXPECT_TRUE(window.ZoomIn());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 37 / 1.1);
    EXPECT_TRUE(window.ZoomOut());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 37);

    // Range zero is one metre a pixel, and nothing is finer.
    window.SetZoomRange(0);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MinZoomRange());
    EXPECT_DOUBLE_EQ(window.MinZoomRange(), 900 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 900, 1);
    EXPECT_NEAR(window.PixelsPerUnitX, 1.0, 0.002);
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_FALSE(window.ZoomIn());
    window.MapZoomChange = 50;
    EXPECT_TRUE(window.ZoomOut());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MinZoomRange() * 1.5);

    // A picture without width or an unrepresentable range never fails.
    window.MapPicture.Width = 0;
    window.MapPicture.Height = 0;
    EXPECT_NO_THROW(window.SetZoomRange(25));
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 25);
    EXPECT_FALSE(window.AtMaxZoom);
    window.MapPicture.Width = 900;
    window.MapPicture.Height = 600;
    window.SetZoomRange(window.ZoomRange());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 25);
    EXPECT_GT(ViewWidth(), 0);
    EXPECT_NO_THROW(window.SetZoomRange(std::nan("")));
    EXPECT_NO_THROW(window.SetZoomRange(1e300));
    EXPECT_TRUE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MaxZoomRange());

    // Beyond the world is the coarsest view until zoomed in, never more than
    // seventeen million units across.
    const double widest = window.ZoomRange();
    EXPECT_FALSE(window.ZoomOut());
    EXPECT_TRUE(window.ZoomIn());
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_LT(window.ZoomRange(), widest);
    window.MapPicture.Width = 4000;
    window.SetZoomRange(1e7);
    EXPECT_TRUE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MaxZoomRange());
    EXPECT_DOUBLE_EQ(window.MaxZoomRange(), 17570325 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 17570325, 1);
}

// The view's shape and its drawing are the map pictures' tests.
TEST_F(Window, TheViewIsCentredStaysInsideTheWorldAndPansByAThird) {
    window.MidX = 1000000;
    window.MidY = 2000000;
    window.SetZoomRange(50);
    EXPECT_NEAR((window.ViewLeft + window.ViewRight) / 2.0, 1000000, 1);
    EXPECT_NEAR((window.ViewTop + window.ViewBottom) / 2.0, 2000000, 1);
    // Symbols just outside the view are still drawn.
    EXPECT_EQ(window.ClipLeft, window.ViewLeft - 5006);
    EXPECT_EQ(window.ClipTop, window.ViewTop + 5006);
    EXPECT_NEAR(window.PanStepX(), ViewWidth() / 3.0, 1);

    // Centred near a pole or the date line, each edge ends up within a unit inside the world's.
    window.SetZoomRange(500);
    window.Center(0, geo::LatitudeToY(80));
    EXPECT_NEAR(window.ViewTop, 12921975 - 0.5, 0.5);
    EXPECT_LT(window.MidY, geo::LatitudeToY(80));
    window.Center(0, -geo::LatitudeToY(80));
    EXPECT_NEAR(window.ViewBottom, -12920000 + 0.5, 0.5);
    window.Center(19970000, 0);
    EXPECT_NEAR(window.ViewRight, 19970325 - 0.5, 0.5);
    window.Center(-19970000, 0);
    EXPECT_NEAR(window.ViewLeft, -19970325 + 0.5, 0.5);

    // A pan moves a third of the view; unknown directions leave it alone.
    window.Center(0, 0);
    window.SetZoomRange(30);
    const std::int32_t top = window.ViewTop;
    const std::int32_t left = window.ViewLeft;
    window.Pan(0);
    EXPECT_NEAR(window.ViewTop - top, window.PanStepY(), 2);
    window.Pan(2);
    window.Pan(3);
    EXPECT_NEAR(left - window.ViewLeft, window.PanStepX(), 2);
    const std::int32_t midX = window.MidX;
    const std::int32_t midY = window.MidY;
    window.Pan(4);
    window.Pan(-1);
    EXPECT_EQ(window.MidX, midX);
    EXPECT_EQ(window.MidY, midY);
}

TEST_F(Window, StretchZoomFitsTheRectangleInEitherDirection) {
    window.StretchX1 = 0;
    window.StretchY1 = 0;
    window.StretchX2 = 9000;
    window.StretchY2 = 3000;
    window.AtMaxZoom = true;
    window.StretchZoom();
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_EQ(window.MidX, 4500);
    EXPECT_EQ(window.MidY, 3000); // the height needed is 6000 for the window's shape
    EXPECT_NEAR(ViewWidth(), 9000, 1);
    EXPECT_NEAR(ViewHeight(), 6000, 1);

    window.StretchX1 = 9000;
    window.StretchY1 = 9000;
    window.StretchX2 = 8000;
    window.StretchY2 = 0;
    window.StretchZoom();
    EXPECT_EQ(window.MidY, 4500);
    EXPECT_EQ(window.MidX, 2250);
    EXPECT_NEAR(ViewHeight(), 9000, 1);
}

TEST_F(Window, ZoomToShowsTheWholeExtentWithAMarginAndALonePointInASmallView) {
    window.Center(0, 0);
    window.SetZoomRange(10);
    const QRect minnesota(QPoint(geo::LongitudeToX(-97.2), geo::LatitudeToY(43.5)),
                          QPoint(geo::LongitudeToX(-89.5), geo::LatitudeToY(49.4)));
    EXPECT_FALSE(ViewFit::Shows(window, minnesota));
    ViewFit::ZoomTo(window, minnesota);
    EXPECT_TRUE(ViewFit::Shows(window, minnesota));
    // Not far out either: the extent fills most of one side of the view.
    const double shownShare = std::max(double(minnesota.width()) / (window.ViewRight - window.ViewLeft),
                                       double(minnesota.height()) / (window.ViewTop - window.ViewBottom));
    EXPECT_GT(shownShare, 0.75);
    EXPECT_LT(shownShare, 0.95);
    // Taller than the window's shape, it sits in the middle, not at the left.
    EXPECT_NEAR(window.MidX, minnesota.center().x(), (window.ViewRight - window.ViewLeft) * 0.01);
    // A lone point gets a small view around it.
    const QPoint duluth(geo::LongitudeToX(-92.10), geo::LatitudeToY(46.79));
    ViewFit::ZoomTo(window, QRect(duluth, duluth));
    EXPECT_DOUBLE_EQ(window.ZoomRange(), ViewFit::SmallestRangeMiles);
    EXPECT_NEAR(window.MidX, duluth.x(), 1);
    EXPECT_NEAR(window.MidY, duluth.y(), 1);
}

// The zoom box lists the range among the presets, in the display unit; only
// digits, a point and backspace may be typed into it.
TEST_F(Window, TheZoomEntriesHoldTheRangeAmongThePresets) {
    window.SetZoomRange(7);
    ZoomRangeList list = ZoomRangeList::Build(window);
    ASSERT_GE(list.Selected, 1);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"8.0", "7.0", "6.0"}));
    window.SetZoomRange(10); // a preset equal to the range is listed once
    list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Entries.count("10.0"), 1);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"15.0", "10.0", "8.0"}));

    window.DistanceUnits = 2;
    window.SetZoomRange(7);
    list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"15.0", "11.27", "10.0"}));
    // Choosing an entry leaves the widest view.
    window.SetZoomRange(1e6);
    ASSERT_TRUE(window.AtMaxZoom);
    ZoomRangeList::Choose(window, "12.5");
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 12.5 / geo::MetresPerMile * 1000);

    for (QChar key : {QChar('0'), QChar('9'), QChar('.'), QChar(8)})
        EXPECT_TRUE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
    for (QChar key : {QChar('-'), QChar('e'), QChar(' '), QChar(0x0663)})
        EXPECT_FALSE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
}

// ---- colours and the border engine

// A colour change is announced only when the colour changes; outside the
// table a category is an error.
TEST_F(Window, ColourChangesAreAnnouncedAndCategoriesOutsideTheTableRefused) {
    int changes = 0;
    QObject::connect(&window, &WindowObject::Change, [&] { ++changes; });
    window.SetLineColor(5, 0);
    window.SetLineColor(5, 12);
    window.SetAreaColor(5, 3);
    window.SetAreaColor(5, 3);
    window.SetMapLinesColor(0);
    window.SetMapLinesColor(7);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(window.CategoryToColors(5).LineColor, 12);
    EXPECT_EQ(window.CategoryToColors(5).AreaColor, 3);
    EXPECT_EQ(window.MapLinesColor(), 7);
    EXPECT_THROW(window.CategoryToColors(64), std::out_of_range);
    EXPECT_THROW(window.CategoryToColors(-1), std::out_of_range);
    EXPECT_THROW(window.SetLineColor(64, 1), std::out_of_range);
    EXPECT_THROW(window.SetAreaColor(-1, 1), std::out_of_range);
}

// The corridor is never below 1000 units and blocks are the corridor rounded
// up to a multiple of 24000; every view change tells the engine the range and
// pick width; block boundaries show only when fewer than fifty blocks lie across.
TEST_F(Window, TheBorderEngineIsToldTheViewItsCorridorAndItsLayers) {
    window.MapPicture.Width = 1000;
    window.MapPicture.Height = 500;
    EXPECT_EQ(window.CorridorWidth(), 0);
    const std::array<int, 3> cases[] = {{500, 1000, 24000},
                                        {-7, 1000, 24000},
                                        {30000, 30000, 48000},
                                        {24000, 24000, 24000},
                                        {48001, 48001, 72000}};
    for (const auto& [asked, corridor, block] : cases) {
        window.SetCorridorWidth(asked);
        EXPECT_EQ(window.CorridorWidth(), corridor) << asked;
        EXPECT_EQ(window.BlockSize(), block) << asked;
    }
    window.SetCorridorWidth(2000);
    window.SetZoomRange(0);
    const carver::Box shown = carver.Range().Units();
    EXPECT_EQ(QRectF(QPointF(shown.x0, shown.y0), QPointF(shown.x1, shown.y1)),
              QRectF(QPointF(window.ViewLeft, window.ViewBottom), QPointF(window.ViewRight, window.ViewTop)));
    EXPECT_EQ(carver.Range().Width(), 1000);
    EXPECT_EQ(carver.Range().Height(), 500);
    EXPECT_EQ(carver.SelectWidth(), qRound(window.PixelsPerUnitX * 2000));
    EXPECT_EQ(carver.BlockSize(), 24000);
    EXPECT_EQ(carver.View(1).corridor.size, 2000);

    window.SetZoomRange(100); // about 161000 units: under seven blocks
    window.SetDrawBlockBoundaries(true);
    EXPECT_EQ(carver.View(0).layers, 12);
    EXPECT_EQ(carver.View(1).layers, 9);
    window.SetZoomRange(1000); // about 1.6 million units: 67 blocks
    EXPECT_EQ(carver.View(0).layers, 4);
    EXPECT_EQ(carver.View(1).layers, 1);
    window.SetDrawBorderHotspots(true);
    EXPECT_EQ(carver.View(0).layers, 20);
    EXPECT_EQ(carver.View(1).layers, 17);
}

TEST_F(Window, HighDetailReadsTheLibrariesOnceAndClearsValidityOnFailure) {
    int reads = 0;
    bool succeed = true;
    window.MakeUsedList = [&] {
        ++reads;
        return succeed;
    };
    EXPECT_FALSE(window.DetailValid());
    window.SetUseHighDetail(false);
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(window.DetailValid());
    window.SetUseHighDetail(false);
    EXPECT_EQ(reads, 1);

    succeed = false;
    window.SetUseHighDetail(true);
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(window.UseHighDetail());
    EXPECT_FALSE(window.DetailValid());
    window.SetUseHighDetail(true); // not valid, so it tries again
    EXPECT_EQ(reads, 3);
}

TEST_F(Window, WaypointSymbolNumbersOutsideTheStripGiveSymbolZero) {
    const auto Cell = [](const mapview::SymbolPicture& p) { return p.Strip.copy(p.Cell.toRect()); };
    const QImage zero = Cell(window.GetWaypointPicture(0).SymbolImage);
    for (int symbol : {-1, -1000, 48, 5000}) {
        const mapview::SymbolObject& record = window.GetWaypointPicture(symbol);
        EXPECT_EQ(record.SymbolName, "Symbol 1") << symbol;
        EXPECT_EQ(Cell(record.SymbolImage), zero) << symbol;
    }
}
