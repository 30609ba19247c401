#include "EditorFixture.h"

#include "editors/ListView.h"
#include "editors/frmEditRoute.h"
#include "editors/frmEditWaypoints.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <iostream>

namespace {

// Drags through a real X server's drag and drop (xdotool); skipped without X or xdotool.
class RealDragDrop : public EditorFixture {
protected:
    // Where the second program shows its list.
    static constexpr QPoint SecondProgramPlace{500, 20};

    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb";
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs xdotool";
    }

    // Shows a list as a window of its own at a place on the screen.
    static void Show(QWidget& window, QPoint at) {
        window.resize(420, 320);
        window.move(at);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Where a row of a list stands on the screen.
    template <class Window> static QPoint RowOnScreen(Window& window, int row) {
        editors::ListView& view = *window.List();
        return view.viewport()->mapToGlobal(view.visualItemRect(view.topLevelItem(row)).center());
    }
    static QPoint MiddleOnScreen(editors::ListWindow& list) {
        QWidget& viewport = *list.List()->viewport();
        return viewport.mapToGlobal(viewport.rect().center());
    }
    // Drags from `from` to `to` with the pointer, Shift held when asked; true when xdotool did it all.
    static bool DragWithThePointer(QPoint from, QPoint to, bool shift = false) {
        const auto xy = [](QPoint p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
        QStringList steps = QStringList{"mousemove"} + xy(from);
        steps += {"sleep", "0.2", "mousedown", "1", "sleep", "0.2"};
        // Shift goes down once the drag runs: with the press it would extend the selection.
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4 + QPoint(0, step == 1 ? 12 : 0);
            steps += QStringList{"mousemove"} + xy(at) + QStringList{"sleep", "0.2"};
            if (shift && step == 1)
                steps += {"keydown", "shift"};
        }
        steps += QStringList{"mousemove"} + xy(to + QPoint(2, 2));
        steps += {"sleep", "0.3", "mouseup", "1"};
        if (shift)
            steps += {"keyup", "shift"};
        QProcess xdotool;
        xdotool.start("xdotool", steps);
        if (!xdotool.waitForStarted())
            return false;
        QElapsedTimer waited;
        waited.start();
        while (xdotool.state() != QProcess::NotRunning && waited.elapsed() < 30000)
            QTest::qWait(20);
        // What the last events of the drop set off.
        QTest::qWait(100);
        return xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    }
    void Lakes() {
        for (qint16 i = 0; i < 4; ++i)
            Waypoint(i, QString("Lake %1").arg(i), 45 + i * 0.1, -93);
    }
    template <class Window> static void Select(Window& window, std::initializer_list<int> rows) {
        window.List()->clearSelection();
        for (const int row : rows)
            window.List()->topLevelItem(row)->setSelected(true);
    }
};

TEST_F(RealDragDrop, WaypointsDragIntoASecondListOrOntoARouteRowAndRouteEntriesDragIntoPlace) {
    Lakes();
    data.AddRoute(0, "Tour", {0, 1});
    editors::frmEditWaypoints source(context);
    Show(source, {20, 20});
    {
        editors::frmEditWaypoints target(context);
        Show(target, {500, 20});
        Select(source, {1, 2});
        ASSERT_TRUE(DragWithThePointer(RowOnScreen(source, 1), MiddleOnScreen(target)));
        ASSERT_EQ(data.CountWaypoints(), 6);
        EXPECT_EQ(Column(*target.List(), 0).mid(4), QStringList({"Lake 1", "Lake 2"}));
        EXPECT_EQ(Column(*source.List(), 0).size(), 6);
        EXPECT_EQ(undo.Count(), 1);
        EXPECT_EQ(undo.UndoCaption(), "&Undo Drag Drop");
        undo.PerformUndoOperation();
        EXPECT_EQ(data.CountWaypoints(), 4);
    }
    editors::frmEditRoute route(context, 0);
    Show(route, {500, 20});
    Select(source, {3});
    ASSERT_TRUE(DragWithThePointer(RowOnScreen(source, 3), RowOnScreen(route, 1)));
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 3, 1}));
    EXPECT_EQ(data.CountWaypoints(), 4);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Drag Drop");

    const int steps = undo.Count();
    Select(route, {2});
    ASSERT_TRUE(DragWithThePointer(RowOnScreen(route, 2), RowOnScreen(route, 0)));
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{1, 0, 3}));
    EXPECT_EQ(undo.Count(), steps + 1);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Drag Drop");
}

// The next test's second program: a list at a known place that tells what one drop gave it.
TEST_F(RealDragDrop, ServesAsTheSecondProgramWhenAsked) {
    if (qEnvironmentVariableIsEmpty("TF_SECOND_PROGRAM"))
        GTEST_SKIP() << "runs only as the second program of a drag between programs";
    editors::frmEditWaypoints list(context);
    Show(list, SecondProgramPlace);
    std::cout << "ready" << std::endl;
    QElapsedTimer waited;
    waited.start();
    while (data.CountWaypoints() == 0 && waited.elapsed() < 30000)
        QTest::qWait(20);
    QTest::qWait(200);
    for (const auto& entry : data.Waypoints())
        std::cout << "waypoint " << entry.object->WptName().toStdString() << std::endl;
    std::cout << undo.UndoCaption().toStdString() << std::endl;
}

TEST_F(RealDragDrop, AShiftDragToASecondRunningProgramMovesTheWaypointsThere) {
    Lakes();
    editors::frmEditWaypoints source(context);
    Show(source, {20, 20});
    Select(source, {1, 2});
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TF_SECOND_PROGRAM", "1");
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=RealDragDrop.ServesAsTheSecondProgramWhenAsked"});
    QByteArray said;
    QElapsedTimer waited;
    waited.start();
    while (!said.contains("ready") && second.state() != QProcess::NotRunning && waited.elapsed() < 30000) {
        QTest::qWait(20);
        said += second.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("ready")) << said.toStdString();

    const QPoint target = SecondProgramPlace + QPoint(210, 160);
    ASSERT_TRUE(DragWithThePointer(RowOnScreen(source, 1), target, true));
    while (second.state() != QProcess::NotRunning && waited.elapsed() < 60000)
        QTest::qWait(20);
    said += second.readAllStandardOutput();
    EXPECT_TRUE(said.contains("waypoint Lake 1\nwaypoint Lake 2\n&Undo Drag Drop")) << said.toStdString();
    EXPECT_EQ(Column(*source.List(), 0), QStringList({"Lake 0", "Lake 3"}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");
}

} // namespace
