#include "RecordingBorderEngine.h"

#include "geo/Coordinates.h"
#include "mapview/ViewFit.h"
#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

#include <cmath>

using mapview::ViewFit;
using mapview::WindowObject;

namespace {

class ViewOfData : public ::testing::Test {
protected:
    ViewOfData() {
        window.MapPicture.Width = 900;
        window.MapPicture.Height = 600;
        window.Center(0, 0);
        window.SetZoomRange(10);
    }
    static QRect Extent(double south, double west, double north, double east) {
        return {QPoint(geo::LongitudeToX(west), geo::LatitudeToY(south)),
                QPoint(geo::LongitudeToX(east), geo::LatitudeToY(north))};
    }

    RecordingBorderEngine engine;
    WindowObject window{engine};
};

} // namespace

TEST_F(ViewOfData, ZoomToShowsTheWholeExtentWithAMargin) {
    const QRect minnesota = Extent(43.5, -97.2, 49.4, -89.5);
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
}

TEST_F(ViewOfData, ALonePointGetsASmallViewAroundIt) {
    const QPoint duluth(geo::LongitudeToX(-92.10), geo::LatitudeToY(46.79));
    ViewFit::ZoomTo(window, QRect(duluth, duluth));
    EXPECT_DOUBLE_EQ(window.ZoomRange(), ViewFit::SmallestRangeMiles);
    EXPECT_NEAR(window.MidX, duluth.x(), 1);
    EXPECT_NEAR(window.MidY, duluth.y(), 1);
}
