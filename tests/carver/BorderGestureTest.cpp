#include "carver/Carver.h"
#include "carver/CarverModes.h"

#include <gtest/gtest.h>

namespace {

// A 1000 x 1000 pixel display over 100000 x 100000 units: one pixel is 100
// units, and pixel (x, y) is unit (100 x, 100000 - 100 y).
class BorderGesture : public ::testing::Test {
protected:
    void SetUp() override { carver.KSetRange(0, 0, 100000, 100000, 1000, 1000); }

    static QPoint Unit(int x, int y) { return {x * 100, 100000 - y * 100}; }

    void Move(int x, int y) {
        carver.KSetMode(KEL_MODE_START_BORDER);
        carver.KSendPoint(x, y);
    }
    void Press(int x, int y) {
        drawingAtPress = carver.KGetDrawingPolygon() >= 0;
        carver.KSetMode(KEL_MODE_LAST_POINT);
        carver.KSendPoint(x, y);
    }
    void Release(int x, int y, int mode) {
        carver.KSetMode(mode);
        carver.KSendPoint(x, y);
    }
    // The left button's release as the map window sends it.
    void Click(int x, int y) {
        Move(x, y);
        Press(x, y);
        Release(x, y, drawingAtPress ? KEL_MODE_SAVE_POLYLINE_POINT : KEL_MODE_START_POLYLINE);
    }
    void Clicks(std::initializer_list<QPoint> points) {
        for (QPoint p : points)
            Click(p.x(), p.y());
    }
    void DoubleClick(int x, int y) {
        Click(x, y);
        Press(x, y);
        Release(x, y, KEL_MODE_LAST_POINT);
    }
    QList<QPoint> Vertices(int border) const { return carver.Borders().at(border).vertices; }

    Carver carver;
    bool drawingAtPress = false;
};

// A first click starts a border under construction, moves only drag the
// rubber band, each further click adds one point.
TEST_F(BorderGesture, ClicksAddPointsMovesDragTheRubberBandAndADragAddsBothEnds) {
    Click(100, 200);
    ASSERT_EQ(carver.KGetNumPolygons(), 1);
    EXPECT_EQ(carver.KGetDrawingPolygon(), 0);
    EXPECT_EQ(carver.KIsPolyLineClosed(0), 0);
    Move(400, 400);
    Move(500, 450);
    EXPECT_EQ(Vertices(0), QList<QPoint>{Unit(100, 200)});
    ASSERT_TRUE(carver.Sketch().Cursor());
    EXPECT_EQ(*carver.Sketch().Cursor(), QPointF(500, 450));
    Clicks({{300, 200}, {300, 400}});
    EXPECT_EQ(Vertices(0), (QList<QPoint>{Unit(100, 200), Unit(300, 200), Unit(300, 400)}));
    EXPECT_EQ(carver.KGetDrawingPolygon(), 0);

    // A drag from press to release adds both ends.
    Press(600, 300);
    Move(500, 500);
    Release(500, 500, KEL_MODE_SAVE_POLYLINE_POINT);
    EXPECT_EQ(Vertices(0).mid(3), (QList<QPoint>{Unit(600, 300), Unit(500, 500)}));
    EXPECT_EQ(carver.KGetDrawingPolygon(), 0);
}

TEST_F(BorderGesture, ClickingTheFirstPointClosesThePolygon) {
    Clicks({{100, 100}, {400, 100}, {400, 400}});
    Click(102, 98); // within the pick radius of the first point
    ASSERT_EQ(carver.KGetNumPolygons(), 1);
    EXPECT_EQ(carver.KIsPolyLineClosed(0), 1);
    EXPECT_EQ(Vertices(0).size(), 3);
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);
    Click(700, 700); // the next click starts a new border
    EXPECT_EQ(carver.KGetDrawingPolygon(), 1);
    // With only two points before it, the first point is an ordinary one.
    Clicks({{800, 700}, {700, 700}});
    EXPECT_EQ(carver.KIsPolyLineClosed(1), 0);
    EXPECT_EQ(Vertices(1).size(), 3);
}

// Escape leaves a finished border alone; a lone click that is ended leaves no border.
TEST_F(BorderGesture, DoubleClickEndsAnOpenPolyline) {
    Click(100, 100);
    DoubleClick(400, 100);
    carver.KUndo();
    EXPECT_EQ(Vertices(0), (QList<QPoint>{Unit(100, 100), Unit(400, 100)}));
    DoubleClick(700, 700);
    EXPECT_EQ(carver.KGetNumPolygons(), 1);
}

TEST_F(BorderGesture, EscapeRemovesTheLastPointThenTheBorderAndDeletePointRemovesOneBeingDrawn) {
    Clicks({{100, 100}, {400, 100}});
    carver.KUndo();
    EXPECT_EQ(Vertices(0), QList<QPoint>{Unit(100, 100)});
    EXPECT_EQ(carver.KGetDrawingPolygon(), 0);
    carver.KUndo();
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);

    // Delete point removes a point of the border being drawn.
    Clicks({{100, 100}, {400, 100}, {400, 400}});
    carver.KDeletePoint(401, 101);
    EXPECT_EQ(Vertices(0), (QList<QPoint>{Unit(100, 100), Unit(400, 400)}));
    carver.KDeletePoint(700, 700); // nothing there
    EXPECT_EQ(Vertices(0).size(), 2);
}

TEST_F(BorderGesture, RestoringThenTheCleanUpCallsLeaveNoBorderUnderConstruction) {
    Click(100, 100);
    carver.KAddPolyline(0);
    // A restored vertex right at the display's top-left pixel.
    carver.KAddPolyPoint(Unit(0, 0).x(), Unit(0, 0).y());
    carver.KAddPolyPoint(Unit(50, 50).x(), Unit(50, 50).y());
    carver.KSetMode(KEL_MODE_START_BORDER);
    carver.KSendPoint(0, 0);
    carver.KDeletePoint(0, 0);
    carver.KSetMode(KEL_MODE_LAST_POINT);
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);
    ASSERT_EQ(carver.KGetNumPolygons(), 1); // the lone started point was dropped
    EXPECT_EQ(Vertices(0), (QList<QPoint>{Unit(0, 0), Unit(50, 50)}));
    Click(600, 600); // the next click starts afresh
    EXPECT_EQ(carver.KGetNumPolygons(), 2);
    EXPECT_EQ(Vertices(1), QList<QPoint>{Unit(600, 600)});
}

TEST_F(BorderGesture, PointsAreIgnoredWithoutARangeOrBeyondTheUnitRange) {
    Carver fresh;
    fresh.KSetMode(KEL_MODE_START_POLYLINE);
    fresh.KSendPoint(10, 10);
    EXPECT_EQ(fresh.KGetNumPolygons(), 0);
    carver.KSetRange(0, 0, 2000000000, 2000000000, 10, 10);
    carver.KSetMode(KEL_MODE_START_POLYLINE);
    carver.KSendPoint(100000, 5);
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
}

// A closed border, or one of two points, cannot close.
TEST_F(BorderGesture, CloseBorderAfterADoubleClickMakesAPolygon) {
    Clicks({{100, 100}, {400, 100}, {400, 400}});
    Press(400, 400); // a double click's second press ends the border; its release closes it
    EXPECT_EQ(carver.KCloseBorder(), 1);
    EXPECT_EQ(carver.KIsPolyLineClosed(0), 1);
    EXPECT_EQ(carver.KCloseBorder(), 0); // nothing left to close
    Clicks({{100, 700}, {200, 700}});
    EXPECT_EQ(carver.KCloseBorder(), 0); // two points cannot enclose anything
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);
    EXPECT_EQ(carver.KIsPolyLineClosed(1), 0);
    EXPECT_EQ(Vertices(1).size(), 2);
}

} // namespace
