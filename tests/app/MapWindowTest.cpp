#include "app/MainCommands.h"
#include "app/StatusPanels.h"
#include "app/frmMain.h"
#include "carver/Carver.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/WaypointObject.h"
#include "mapview/WindowObject.h"

#include "MapWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

using namespace app;

namespace {

using MapWindow = MapWindowFixture;

} // namespace

// The user's ways of moving about the map, in turn on one window.
TEST_F(MapWindow, TheMapZoomsPansAndCentresAsTheUserAsks) {
    // The internal position under a pixel, with the scale of the moment.
    const auto internal = [&](QPointF pixel) {
        return QPointF((pixel.x() + View().PixelLeft) / View().PixelsPerUnitX,
                       (pixel.y() + View().PixelTop) / View().PixelsPerUnitY);
    };
    // The zoom box.
    auto* box = main->findChild<QComboBox*>(QStringLiteral("cboZoomRange"));
    ASSERT_GT(box->count(), 3);
    box->setCurrentIndex(box->count() - 1);
    emit box->activated(box->count() - 1);
    EXPECT_NEAR(View().MilesToDistance(View().ZoomRange()), box->currentText().toDouble(), 0.01);
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("1a2.5x"));
    EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("12.5"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_NEAR(View().MilesToDistance(View().ZoomRange()), 12.5, 0.01);

    // Buttons and keys.
    const double start = View().ZoomRange();
    Button("btnZoom", 1)->click();
    EXPECT_LT(View().ZoomRange(), start);
    Button("btnZoom", 0)->click();
    EXPECT_NEAR(View().ZoomRange(), start, start * 1e-9);
    QTest::keyClick(display, Qt::Key_Minus);
    EXPECT_GT(View().ZoomRange(), start);
    QTest::keyClick(display, Qt::Key_Plus);
    EXPECT_NEAR(View().ZoomRange(), start, start * 1e-9);
    // The scroll buttons pan by their tag.
    const int y = View().MidY;
    const int x = View().MidX;
    Button("btnScroll", 0)->click(); // north
    EXPECT_GT(View().MidY, y);
    Button("btnScroll", 3)->click();
    EXPECT_LT(View().MidX, x);
    Click("center");
    ASSERT_EQ(View().Mode(), 0);
    const int west = View().MidX;
    ClickMap(QPoint(display->width() - 20, display->height() / 2));
    EXPECT_GT(View().MidX, west);

    // A rectangle dragged.
    Click("center");
    const double wide = View().ZoomRange();
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(display, QPoint(160, 140));
    EXPECT_EQ(View().Mode(), 8);
    QTest::mouseMove(display, QPoint(200, 160));
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(200, 160));
    EXPECT_LT(View().ZoomRange(), wide / 3);
    EXPECT_EQ(View().Mode(), 0);

    // The wheel.
    const QPoint at(display->width() / 4, display->height() / 3);
    const QPointF before = internal(at);
    const double range = View().ZoomRange();
    QWheelEvent wheel(at, display->mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(display, &wheel);
    EXPECT_LT(View().ZoomRange(), range / 1.2);
    const double unitsPerPixel = 1 / View().PixelsPerUnitX;
    EXPECT_NEAR(internal(at).x(), before.x(), 2 * unitsPerPixel);
    EXPECT_NEAR(internal(at).y(), before.y(), 2 * unitsPerPixel);

    // The middle button.
    Click("create"); // dragging works in any mode and draws nothing
    const QPointF grabbed = internal(QPointF(200, 200));
    QTest::mousePress(display, Qt::MiddleButton, {}, QPoint(200, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(260, 170), display->mapToGlobal(QPointF(260, 170)),
                     Qt::NoButton, Qt::MiddleButton, {});
    QApplication::sendEvent(display, &move);
    QTest::mouseRelease(display, Qt::MiddleButton, {}, QPoint(260, 170));
    // The map follows the pointer: what was grabbed lies under the release.
    EXPECT_NEAR(internal(QPointF(260, 170)).x(), grabbed.x(), 1.5 / View().PixelsPerUnitX);
    EXPECT_NEAR(internal(QPointF(260, 170)).y(), grabbed.y(), 1.5 / View().PixelsPerUnitX);
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 0);

    const int east = View().MidX;
    QTest::keyClick(display, Qt::Key_Right);
    EXPECT_GT(View().MidX, east);
    const int north = View().MidY;
    QTest::keyClick(display, Qt::Key_Up);
    EXPECT_GT(View().MidY, north);

    // Zoom to data.
    auto& data = main->Data();
    for (const auto& [lat, lon] : {std::pair{44.98, -93.27}, {46.79, -92.10}, {45.56, -94.16}}) {
        gpsdata::WaypointObject* waypoint = data.AddNewWaypoint(false);
        ASSERT_NE(waypoint, nullptr);
        waypoint->SetLatitude(lat);
        waypoint->SetLongitude(lon);
    }
    View().Center(0, 0);
    View().SetZoomRange(5);
    Command("mnuViewZoomToData")->trigger();
    for (const auto& entry : data.Waypoints()) {
        EXPECT_GT(entry.object->X(), View().ViewLeft);
        EXPECT_LT(entry.object->X(), View().ViewRight);
        EXPECT_GT(entry.object->Y(), View().ViewBottom);
        EXPECT_LT(entry.object->Y(), View().ViewTop);
    }
    EXPECT_LT(View().ZoomRange(), 1000);
}

// The double click goes through the window, so that the platform makes it out of two clicks.
TEST_F(MapWindow, RightButtonDoubleClickAndEnterEndAPolylineOrCloseABorder) {
    const auto rightButton = [&] { ClickMap(QPoint(300, 120), Qt::RightButton); };
    const auto doubleClick = [&] {
        QWidget* top = display->window();
        const QPoint at = display->mapTo(top, QPoint(250, 300));
        QTest::mouseMove(top->windowHandle(), at);
        QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
    };
    const auto enter = [&] {
        ClickMap(QPoint(250, 300));
        QTest::keyClick(display, Qt::Key_Return);
    };
    const struct {
        const char* mode;
        std::function<void()> end;
        bool closed;
    } cases[] = {{"polyline", doubleClick, false},
                 {"create", doubleClick, true},
                 {"polyline", enter, false},
                 {"create", enter, true},
                 {"polyline", rightButton, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        main->Borders().KClearAll();
        Click("center");
        Click(c.mode);
        ClickMap(QPoint(100, 100));
        ClickMap(QPoint(200, 150));
        c.end();
        ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
        EXPECT_EQ(main->Borders().KGetDrawingPolygon(), -1);
        EXPECT_EQ(main->Borders().KIsPolyLineClosed(0), c.closed);
        if (!c.closed) {
            EXPECT_EQ(main->Borders().KGetNumPoints(0), 2);
        }
    }
    EXPECT_EQ(View().Mode(), 0) << "the right button, last, reverts the mode";
}

// The pick radius is a few pixels at every zoom, whatever the corridor width.
TEST_F(MapWindow, BorderPointsArePickedWithinAFewPixelsAtEveryZoom) {
    View().SetCorridorWidth(40000);
    for (const double miles : {1.0, 1000.0}) {
        View().SetZoomRange(miles);
        main->Borders().KClearAll();
        Click("center");
        Click("create");
        ClickMap(QPoint(100, 100));
        ClickMap(QPoint(120, 100));
        ClickMap(QPoint(120, 120));
        ClickMap(QPoint(100, 118)); // 18 pixels from the first point: a new point
        ASSERT_EQ(main->Borders().KGetNumPolygons(), 1) << miles;
        EXPECT_EQ(main->Borders().KGetNumPoints(0), 3) << miles;
        EXPECT_FALSE(main->Borders().KIsPolyLineClosed(0)) << miles;
        ClickMap(QPoint(102, 101));
        EXPECT_TRUE(main->Borders().KIsPolyLineClosed(0)) << miles;
    }
}
