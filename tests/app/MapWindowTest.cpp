#include "app/MainCommands.h"
#include "app/StatusPanels.h"
#include "app/frmMain.h"
#include "carver/Carver.h"
#include "mapview/WindowObject.h"

#include "MapWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace app;

namespace {

using MapWindow = MapWindowFixture;

} // namespace

TEST_F(MapWindow, ZoomBoxShowsTheCurrentRange) {
    auto* box = main->findChild<QComboBox*>(QStringLiteral("cboZoomRange"));
    ASSERT_GT(box->count(), 3);
    EXPECT_FALSE(box->currentText().isEmpty());
    box->setCurrentIndex(box->count() - 1);
    emit box->activated(box->count() - 1);
    EXPECT_NEAR(View().MilesToDistance(View().ZoomRange()), box->currentText().toDouble(), 0.01);
}

TEST_F(MapWindow, ZoomBoxTakesOnlyNumbers) {
    auto* box = main->findChild<QComboBox*>(QStringLiteral("cboZoomRange"));
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("1a2.5x"));
    EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("12.5"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_NEAR(View().MilesToDistance(View().ZoomRange()), 12.5, 0.01);
}

TEST_F(MapWindow, ZoomButtonsAndKeysStepTheRange) {
    const double start = View().ZoomRange();
    Button("btnZoom", 1)->click();
    EXPECT_LT(View().ZoomRange(), start);
    Button("btnZoom", 0)->click();
    EXPECT_NEAR(View().ZoomRange(), start, start * 1e-9);
    QTest::keyClick(display, Qt::Key_Minus);
    EXPECT_GT(View().ZoomRange(), start);
    QTest::keyClick(display, Qt::Key_Plus);
    EXPECT_NEAR(View().ZoomRange(), start, start * 1e-9);
}

TEST_F(MapWindow, ScrollButtonsPanByTheirTag) {
    const int y = View().MidY;
    const int x = View().MidX;
    QToolButton* north = Button("btnScroll", 0);
    EXPECT_EQ(north->property("Tag").toString(), QStringLiteral("North"));
    north->click();
    EXPECT_GT(View().MidY, y);
    Button("btnScroll", 3)->click();
    EXPECT_LT(View().MidX, x);
}

TEST_F(MapWindow, CentreModeClickCentresTheView) {
    Click("center");
    ASSERT_EQ(View().Mode(), 0);
    const int x = View().MidX;
    ClickMap(QPoint(display->width() - 20, display->height() / 2));
    EXPECT_GT(View().MidX, x);
}

TEST_F(MapWindow, DraggingARectangleZoomsToIt) {
    Click("center");
    const double start = View().ZoomRange();
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(display, QPoint(160, 140));
    EXPECT_EQ(View().Mode(), 8);
    QTest::mouseMove(display, QPoint(200, 160));
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(200, 160));
    EXPECT_LT(View().ZoomRange(), start / 3);
    EXPECT_EQ(View().Mode(), 0);
}

TEST_F(MapWindow, ClicksInBorderModeDrawAClosedBorder) {
    Click("create");
    ASSERT_EQ(View().Mode(), 1);
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(300, 110));
    ClickMap(QPoint(250, 300));
    ClickMap(QPoint(101, 101));
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_TRUE(main->Borders().KIsPolyLineClosed(0));
}

TEST_F(MapWindow, EscapeTakesBackTheLastBorderPoint) {
    Click("create");
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(300, 110));
    ClickMap(QPoint(250, 300));
    QTest::keyClick(display, Qt::Key_Escape);
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(main->Borders().KGetNumPoints(0), 1);
}

TEST_F(MapWindow, RightButtonEndsAPolylineAndRevertsTheMode) {
    Click("center");
    Click("polyline");
    ASSERT_EQ(View().Mode(), 2);
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(200, 150));
    ClickMap(QPoint(300, 120), Qt::RightButton);
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_FALSE(main->Borders().KIsPolyLineClosed(0));
    EXPECT_EQ(main->Borders().KGetNumPoints(0), 2);
    EXPECT_EQ(View().Mode(), 0);
}

TEST_F(MapWindow, DoubleClickEndsAPolylineAtItsPoint) {
    Click("polyline");
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(200, 150));
    // Through the window, so that the platform makes the double click out of
    // two clicks as it does for the user.
    QWidget* top = display->window();
    const QPoint at = display->mapTo(top, QPoint(300, 120));
    QTest::mouseMove(top->windowHandle(), at);
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(main->Borders().KGetDrawingPolygon(), -1);
    EXPECT_FALSE(main->Borders().KIsPolyLineClosed(0));
    EXPECT_EQ(main->Borders().KGetNumPoints(0), 2);
}

TEST_F(MapWindow, EnterEndsTheBorderWhereItStands) {
    Click("create");
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(300, 110));
    ClickMap(QPoint(250, 300));
    QTest::mouseMove(display, QPoint(50, 300));
    QTest::keyClick(display, Qt::Key_Return);
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(main->Borders().KGetDrawingPolygon(), -1);
    EXPECT_FALSE(main->Borders().KIsPolyLineClosed(0));
    EXPECT_EQ(main->Borders().KGetNumPoints(0), 2);
    // The next click starts a new border.
    ClickMap(QPoint(60, 60));
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 2);
}

TEST_F(MapWindow, ModeButtonFollowsTheMode) {
    View().SetMode(3);
    EXPECT_TRUE(main->findChild<QToolButton*>(QStringLiteral("dropwpt"))->isChecked());
    View().SetMode(7);
    EXPECT_TRUE(main->findChild<QToolButton*>(QStringLiteral("center"))->isChecked());
    View().SetMode(2);
    EXPECT_TRUE(main->findChild<QToolButton*>(QStringLiteral("create"))->isChecked());
}

TEST_F(MapWindow, PointerPositionShowsInTheStatusBar) {
    QTest::mouseMove(display, QPoint(50, 60));
    const QString text = main->Status().StatusText(StatusPanels::Position);
    EXPECT_TRUE(text.startsWith(QLatin1Char('N'))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1Char('W'))) << text.toStdString();
}
