#include "support/GuiApplication.h"

#include "carver/Carver.h"
#include "gpsdata/GPSData.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/GPSDataPainter.h"
#include "mapview/WindowObject.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

using gpsdata::GPSData;
using mapview::GPSDataPainter;
using mapview::WindowObject;

namespace {

const QRgb MapColour = qRgb(0, 160, 0);

// Lines are smoothed, so their pixels are blends of the line colour and the map.
bool Reddish(QRgb p) {
    return qRed(p) > qGreen(p) + 30 && qBlue(p) < 80;
}
bool Magentaish(QRgb p) {
    return qRed(p) > qGreen(p) + 30 && qBlue(p) > qGreen(p) + 30;
}

class DrawingGPSData : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing_support::StartGuiApplication(); }

    DrawingGPSData() {
        window.MapPicture.Width = 400;
        window.MapPicture.Height = 300;
        window.SetZoomRange(window.MinZoomRange() * 10); // ten units per pixel
        image.fill(MapColour);
    }

    void Draw() {
        QPainter painter(&image);
        GPSDataPainter(window, painter).Draw(data);
    }
    // Internal position of a pixel of the picture.
    qint32 UnitX(double px) const { return qRound((px + window.PixelLeft) / window.PixelsPerUnitX); }
    qint32 UnitY(double py) const { return qRound((py + window.PixelTop) / window.PixelsPerUnitY); }
    // The smallest rectangle holding every pixel for which `drawn` is true.
    template <typename Pred> QRect Bounds(Pred drawn, QRect area = QRect()) const {
        if (area.isNull())
            area = image.rect();
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (drawn(image.pixel(x, y)))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    QRect Changed(QRect area = QRect()) const {
        return Bounds([](QRgb p) { return p != MapColour; }, area);
    }
    gpsdata::WaypointObject* Waypoint(qint16 index, double px, double py) {
        return data.AddWaypoint(index, UnitX(px), UnitY(py), 0, QStringLiteral("W%1").arg(index), 5, 0, 0);
    }

    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    WindowObject window{engine};
    GPSData data;
    QImage image{400, 300, QImage::Format_RGB32};
};

} // namespace

// Each switch leaves out what it is for; names have a switch of their own.
TEST_F(DrawingGPSData, SwitchesLeaveOutWhatIsOff) {
    Waypoint(0, 100, 100)->SetWptName("A LONG WAYPOINT NAME");
    data.AddLurchIcon(0, UnitX(300), UnitY(100), 7);
    data.AddTrail(0, "T", 0, 0, {UnitX(50), UnitX(350)}, {UnitY(250), UnitY(250)}, QList<bool>{true, true});
    data.AddRoute(0, "R", {0, 0});
    window.DrawWaypoints = false;
    window.ShowWaypointNames = true;
    window.DrawIcons = false;
    window.DrawTrails = false;
    window.DrawRoutes = false;
    Draw();
    EXPECT_TRUE(Changed().isNull());

    window.DrawIcons = true;
    Draw();
    EXPECT_TRUE(Changed(QRect(0, 0, 200, 300)).isNull());
    EXPECT_FALSE(Changed(QRect(280, 80, 40, 40)).isNull());

    window.DrawWaypoints = true;
    window.ShowWaypointNames = false;
    Draw();
    const QRect symbol = Changed(QRect(0, 0, 200, 300));
    EXPECT_FALSE(symbol.isNull());
    EXPECT_LE(symbol.width(), 16);
    EXPECT_LE(symbol.height(), 16);
}

TEST_F(DrawingGPSData, OnlyOpenRoutesAreDrawnWhenAsked) {
    window.ShowWaypointNames = false;
    window.DrawWaypoints = false;
    Waypoint(0, 50, 50);
    Waypoint(1, 350, 50);
    Waypoint(2, 50, 250);
    Waypoint(3, 350, 250);
    data.AddRoute(1, "NORTH", {0, 1});
    data.AddRoute(12, "SOUTH", {2, 3});
    window.DrawRoutes = false;
    window.DrawOnlyOpenRoutes = true;
    window.OpenRouteEditors = QStringList{"Rte:12"};
    Draw();
    EXPECT_TRUE(Bounds(Magentaish, QRect(0, 0, 400, 150)).isNull()); // "Rte:1" is not "Rte:12"
    EXPECT_FALSE(Bounds(Magentaish, QRect(0, 150, 400, 150)).isNull());

    image.fill(MapColour);
    window.OpenRouteEditors.clear();
    data.SetEditingRoute(1);
    Draw();
    EXPECT_FALSE(Bounds(Magentaish, QRect(0, 0, 400, 150)).isNull());
    EXPECT_TRUE(Bounds(Magentaish, QRect(0, 150, 400, 150)).isNull());
}

TEST_F(DrawingGPSData, TrailsBreakWherePointsAreNotContinuous) {
    const QList<qint32> xs = {UnitX(20), UnitX(120), UnitX(220), UnitX(320)};
    const QList<qint32> ys(4, UnitY(150));
    data.AddTrail(0, "T", 0, 0, xs, ys, QList<bool>{true, true, false, true});
    Draw();
    EXPECT_FALSE(Bounds(Reddish, QRect(40, 140, 60, 20)).isNull());
    EXPECT_TRUE(Bounds(Reddish, QRect(140, 140, 60, 20)).isNull());
    EXPECT_FALSE(Bounds(Reddish, QRect(240, 140, 60, 20)).isNull());
}

// The classic faces are drawn with the twins loaded from their own files, so
// names take the same pixels whatever else the machine has installed.
TEST_F(DrawingGPSData, NamesAreWrittenInThePinnedTwinOfTheChosenFace) {
    for (const auto& [chosen, drawn] :
         {std::pair{"Courier New", "Liberation Mono"}, std::pair{"arial", "Liberation Sans"},
          std::pair{"Times New Roman", "Liberation Serif"}, std::pair{"DejaVu Sans", "DejaVu Sans"}}) {
        window.MapFontName = QString::fromLatin1(chosen);
        EXPECT_EQ(QFontInfo(GPSDataPainter::MapFont(window)).family(), QString::fromLatin1(drawn)) << chosen;
    }
}
