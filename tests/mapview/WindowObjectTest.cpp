#include "RecordingBorderEngine.h"

#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"
#include "mapview/ViewFit.h"
#include "mapview/WindowObject.h"
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
// miles), its border engine recording the calls.
class Window : public ::testing::Test {
protected:
    Window() {
        window.MapPicture.Width = 900;
        window.MapPicture.Height = 600;
    }
    double Cosine() const { return std::cos(geo::YToLatitude(window.MidY) * geo::DegToRad); }
    std::int32_t ViewWidth() const { return window.ViewRight - window.ViewLeft; }
    std::int32_t ViewHeight() const { return window.ViewTop - window.ViewBottom; }

    RecordingBorderEngine engine;
    WindowObject window{engine};
};

} // namespace

// ---- zoom and view

TEST_F(Window, RangeZeroGivesOneMetrePerPixel) {
    window.SetZoomRange(0);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MinZoomRange());
    EXPECT_DOUBLE_EQ(window.MinZoomRange(), 900 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 900, 1);
    EXPECT_NEAR(window.PixelsPerUnitX, 1.0, 0.002);
    EXPECT_FALSE(window.AtMaxZoom);
}

TEST_F(Window, RangeBeyondTheWorldGivesTheCoarsestViewOfAtMostSeventeenMillionUnitsUntilZoomIn) {
    window.SetZoomRange(1e7);
    EXPECT_TRUE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MaxZoomRange());
    const double widest = window.ZoomRange();

    EXPECT_FALSE(window.ZoomOut()); // already as wide as it goes
    EXPECT_TRUE(window.ZoomIn());
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_LT(window.ZoomRange(), widest);
    // Never more than seventeen million units across.
    window.MapPicture.Width = 4000;
    window.SetZoomRange(1e7);
    EXPECT_DOUBLE_EQ(window.MaxZoomRange(), 17570325 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 17570325, 1);
}

TEST_F(Window, ViewKeepsThePictureProportionsIsCentredAndItsCornersFallOnThePictureCorners) {
    window.MidX = 1000000;
    window.MidY = 2000000;
    window.SetZoomRange(50);
    const double w = std::nearbyint(50 * geo::MetresPerMile / Cosine());
    EXPECT_NEAR(ViewWidth(), w, 1);
    EXPECT_NEAR(ViewHeight(), w * 600 / 900, 1);
    EXPECT_NEAR((window.ViewLeft + window.ViewRight) / 2.0, 1000000, 1);
    EXPECT_NEAR((window.ViewTop + window.ViewBottom) / 2.0, 2000000, 1);
    EXPECT_EQ(window.ClipLeft, window.ViewLeft - 5006);
    EXPECT_EQ(window.ClipTop, window.ViewTop + 5006);
    EXPECT_NEAR(window.PanStepX(), w / 3, 1);
    window.MidX = -500000;
    window.MidY = 3000000;
    window.SetZoomRange(20);
    EXPECT_NEAR(window.ToPixelX(window.ViewLeft), 0, 1e-6);
    EXPECT_NEAR(window.ToPixelX(window.ViewRight), 900, 1e-6);
    EXPECT_NEAR(window.ToPixelY(window.ViewTop), 0, 1e-6);
    EXPECT_NEAR(window.ToPixelY(window.ViewBottom), 600, 1e-6);
    EXPECT_LT(window.PixelsPerUnitY, 0);
    const QPointF corner =
        window.MapPicture.UserTransform().map(QPointF(window.ViewRight, window.ViewBottom));
    EXPECT_NEAR(corner.x(), 900, 1e-6);
    EXPECT_NEAR(corner.y(), 600, 1e-6);
}

TEST_F(Window, CentringNearThePolesOrTheDateLineMovesTheViewInside) {
    window.SetZoomRange(500);
    // Each edge ends up within a unit inside the world's.
    window.Center(0, geo::LatitudeToY(80));
    EXPECT_NEAR(window.ViewTop, 12921975 - 0.5, 0.5);
    EXPECT_LT(window.MidY, geo::LatitudeToY(80));
    window.Center(0, -geo::LatitudeToY(80));
    EXPECT_NEAR(window.ViewBottom, -12920000 + 0.5, 0.5);
    window.Center(19970000, 0);
    EXPECT_NEAR(window.ViewRight, 19970325 - 0.5, 0.5);
    window.Center(-19970000, 0);
    EXPECT_NEAR(window.ViewLeft, -19970325 + 0.5, 0.5);
}

TEST_F(Window, ZoomInThenOutReturnsToTheSameRangeAndTheFinestViewGoesNoFurther) {
    window.SetZoomRange(37);
    EXPECT_TRUE(window.ZoomIn());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 37 / 1.1);
    EXPECT_TRUE(window.ZoomOut());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 37);
    window.SetZoomRange(0);
    EXPECT_FALSE(window.ZoomIn());
    window.MapZoomChange = 50;
    EXPECT_TRUE(window.ZoomOut());
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MinZoomRange() * 1.5);
}

TEST_F(Window, PanMovesAThirdOfTheViewAndIgnoresUnknownDirections) {
    window.SetZoomRange(30);
    const std::int32_t top = window.ViewTop;
    const std::int32_t left = window.ViewLeft;
    const double step = window.PanStepY();
    window.Pan(0);
    EXPECT_NEAR(window.ViewTop - top, step, 2);
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

TEST_F(Window, APictureWithoutWidthOrAnUnrepresentableRangeNeverFails) {
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
    const double viewWidth = window.ViewRight - window.ViewLeft;
    EXPECT_NEAR(window.MidX, minnesota.center().x(), viewWidth * 0.01);
    EXPECT_NEAR((window.ViewLeft + window.ViewRight) / 2, minnesota.center().x(), viewWidth * 0.01);
    // A lone point gets a small view around it.
    const QPoint duluth(geo::LongitudeToX(-92.10), geo::LatitudeToY(46.79));
    ViewFit::ZoomTo(window, QRect(duluth, duluth));
    EXPECT_DOUBLE_EQ(window.ZoomRange(), ViewFit::SmallestRangeMiles);
    EXPECT_NEAR(window.MidX, duluth.x(), 1);
    EXPECT_NEAR(window.MidY, duluth.y(), 1);
}

TEST_F(Window, TheCurrentRangeStandsAmongThePresets) {
    window.SetZoomRange(7);
    const ZoomRangeList list = ZoomRangeList::Build(window);
    ASSERT_GE(list.Selected, 1);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"8.0", "7.0", "6.0"}));
    EXPECT_EQ(list.Entries.value(list.Selected), "7.0");
    // A preset equal to the range is listed once.
    window.SetZoomRange(10);
    const ZoomRangeList ten = ZoomRangeList::Build(window);
    EXPECT_EQ(ten.Entries.count("10.0"), 1);
    EXPECT_EQ(ten.Entries.mid(ten.Selected - 1, 3), QStringList({"15.0", "10.0", "8.0"}));
}

TEST_F(Window, RangesBeyondThePresetsComeFirstOrLast) {
    window.SetZoomRange(9000);
    ZoomRangeList list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Selected, 0);
    EXPECT_EQ(list.Entries.first(), "9000.0");

    window.MapPicture.Width = 50; // finest view about 0.03 miles, so 0.1 is listed
    window.SetZoomRange(0.05);
    list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Selected, list.Entries.size() - 1);
    EXPECT_EQ(list.Entries.value(list.Entries.size() - 2), "0.1");
    EXPECT_EQ(list.Entries.value(list.Selected), "0.05");
}

TEST_F(Window, ZoomEntriesAreInTheDisplayUnitAndChoosingOneLeavesTheWidestView) {
    window.DistanceUnits = 2;
    window.SetZoomRange(7);
    const ZoomRangeList list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"15.0", "11.27", "10.0"}));
    EXPECT_EQ(window.FormatDistance(10), "16.09 km");
    // Choosing an entry leaves the widest view.
    window.SetZoomRange(1e6);
    ASSERT_TRUE(window.AtMaxZoom);
    ZoomRangeList::Choose(window, "12.5");
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 12.5 / geo::MetresPerMile * 1000);
}

TEST_F(Window, TypingAcceptsDigitsPointAndBackspaceOnly) {
    for (QChar key : {QChar('0'), QChar('9'), QChar('.'), QChar(8)})
        EXPECT_TRUE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
    for (QChar key : {QChar('-'), QChar('e'), QChar(' '), QChar(0x0663)})
        EXPECT_FALSE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
}

// ---- mouse mode, colours and the border engine

TEST_F(Window, RevertModeGoesBackAndForgetsTheOldMode) {
    int modeChanges = 0;
    QObject::connect(&window, &WindowObject::ModeChange, [&] { ++modeChanges; });
    window.SetMode(0);
    window.SetMode(8);
    EXPECT_EQ(window.OldMode(), 0);
    window.RevertMode();
    EXPECT_EQ(window.Mode(), 0);
    EXPECT_EQ(window.OldMode(), 0);
    EXPECT_EQ(modeChanges, 3);

    window.SetMode(5);
    window.ClearOldMode();
    window.RevertMode();
    EXPECT_EQ(window.Mode(), 5);
    EXPECT_EQ(modeChanges, 4);
}

// Outside the table a category is an error.
TEST_F(Window, ColourChangesAreAnnouncedBeforeTheyAreStored) {
    QList<std::int32_t> seen;
    QObject::connect(&window, &WindowObject::Change, [&] { seen << window.CategoryToColors(5).LineColor; });
    window.SetLineColor(5, 0);
    EXPECT_TRUE(seen.isEmpty());
    window.SetLineColor(5, 12);
    window.SetAreaColor(5, 3);
    window.SetAreaColor(5, 3);
    EXPECT_EQ(seen, QList<std::int32_t>({0, 12}));
    EXPECT_EQ(window.CategoryToColors(5).LineColor, 12);
    EXPECT_EQ(window.CategoryToColors(5).AreaColor, 3);

    window.SetMapLinesColor(0);
    window.SetMapLinesColor(7);
    EXPECT_EQ(seen.size(), 3);
    EXPECT_EQ(window.MapLinesColor(), 7);
    EXPECT_THROW(window.CategoryToColors(64), std::out_of_range);
    EXPECT_THROW(window.CategoryToColors(-1), std::out_of_range);
    EXPECT_THROW(window.SetLineColor(64, 1), std::out_of_range);
    EXPECT_THROW(window.SetAreaColor(-1, 1), std::out_of_range);
}

// The corridor is never below 1000 units; blocks are the corridor rounded up
// to a multiple of 24000.
TEST_F(Window, CorridorAndBlockSizes) {
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
}

TEST_F(Window, BlockBoundariesShowOnlyWhenFewerThanFiftyBlocksAcross) {
    window.MapPicture.Width = 1000;
    window.MapPicture.Height = 500;
    window.SetZoomRange(100); // about 161000 units: under seven blocks
    window.SetDrawBlockBoundaries(true);
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 12)", "KSetLayers(1, 9)"}));

    window.SetZoomRange(1000); // about 1.6 million units: 67 blocks
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 4)", "KSetLayers(1, 1)"}));

    window.SetDrawBorderHotspots(true);
    EXPECT_EQ(engine.Named("KSetLayers").mid(engine.Named("KSetLayers").size() - 2),
              QStringList({"KSetLayers(0, 20)", "KSetLayers(1, 17)"}));
}

TEST_F(Window, EveryViewChangeTellsTheEngineTheRangeFirst) {
    window.MapPicture.Width = 1000;
    window.MapPicture.Height = 500;
    window.SetCorridorWidth(2000);
    engine.Calls.clear();
    window.SetZoomRange(0);
    ASSERT_GE(engine.Calls.size(), 3);
    const QString range = QStringLiteral("KSetRange(%1, %2, %3, %4, 1000, 500)")
                              .arg(window.ViewLeft)
                              .arg(window.ViewBottom)
                              .arg(window.ViewRight)
                              .arg(window.ViewTop);
    EXPECT_EQ(engine.Calls[0], range);
    EXPECT_EQ(engine.Calls[1],
              QStringLiteral("KSetSelectWidth(%1)").arg(qRound(window.PixelsPerUnitX * 2000)));
    EXPECT_EQ(engine.Calls[2], "KSetBlockSize(24000)");
    EXPECT_EQ(engine.Calls.size(), 16);
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
