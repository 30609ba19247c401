#include "RecordingBorderEngine.h"

#include "geo/Coordinates.h"
#include "geo/GreatCircle.h"
#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

#include <cmath>

using mapview::WindowObject;

namespace {

class ZoomRangeWrite : public ::testing::Test {
protected:
    ZoomRangeWrite() {
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

TEST_F(ZoomRangeWrite, RangeZeroGivesOneMetrePerPixel) {
    window.SetZoomRange(0);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MinZoomRange());
    EXPECT_DOUBLE_EQ(window.MinZoomRange(), 900 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 900, 1);
    EXPECT_NEAR(window.PixelsPerUnitX, 1.0, 0.002);
    EXPECT_FALSE(window.AtMaxZoom);
}

TEST_F(ZoomRangeWrite, RangeBeyondTheWorldGivesTheCoarsestViewUntilZoomIn) {
    window.SetZoomRange(1e7);
    EXPECT_TRUE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), window.MaxZoomRange());
    const double widest = window.ZoomRange();

    EXPECT_FALSE(window.ZoomOut()); // already as wide as it goes
    EXPECT_TRUE(window.ZoomIn());
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_LT(window.ZoomRange(), widest);
}

TEST_F(ZoomRangeWrite, TheWidestViewIsNeverMoreThanSeventeenMillionUnitsAcross) {
    window.MapPicture.Width = 4000;
    window.SetZoomRange(1e7);
    EXPECT_DOUBLE_EQ(window.MaxZoomRange(), 17570325 / geo::MetresPerMile * Cosine());
    EXPECT_NEAR(ViewWidth(), 17570325, 1);
}

TEST_F(ZoomRangeWrite, ViewKeepsThePictureProportionsAndIsCentred) {
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
}

TEST_F(ZoomRangeWrite, ViewCornersFallOnThePictureCorners) {
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

TEST_F(ZoomRangeWrite, CentringNearThePolesOrTheDateLineMovesTheViewInside) {
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

TEST_F(ZoomRangeWrite, ZoomInThenOutReturnsToTheSameRangeAndTheFinestViewGoesNoFurther) {
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

TEST_F(ZoomRangeWrite, PanMovesAThirdOfTheViewAndIgnoresUnknownDirections) {
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

TEST_F(ZoomRangeWrite, StretchZoomFitsTheRectangleInEitherDirection) {
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

TEST_F(ZoomRangeWrite, APictureWithoutWidthOrAnUnrepresentableRangeNeverFails) {
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
