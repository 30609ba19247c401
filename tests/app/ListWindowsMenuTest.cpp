#include "MainWindowFixture.h"

#include "app/AutoArrange.h"
#include "app/WindowArranger.h"
#include "editors/ListView.h"
#include "editors/ListWindow.h"
#include "gpsdata/GPSData.h"
#include "mapview/UndoStack.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

class ListWindowsMenu : public MainWindowFixture {
protected:
    // The child window the Window menu command opened.
    QMdiSubWindow* OpenList(const char* command) {
        Command(command)->trigger();
        return main->Area().activeSubWindow();
    }
    editors::ListWindow* ListOf(QMdiSubWindow* child) {
        return child ? qobject_cast<editors::ListWindow*>(child->widget()) : nullptr;
    }
    // Lets closed windows go and the arrangement they call for run.
    void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // Where the arranger puts the map and lists of these kinds in the frame as it is now.
    QList<QRect> Plan(const app::WindowArranger::Counts& kinds) {
        return app::WindowArranger::Plan(main->Area().viewport()->rect(), kinds, main->ArrangeLayout());
    }
    QMdiSubWindow* MapChild() {
        for (QMdiSubWindow* child : main->Area().subWindowList())
            if (!child->property("listKind").isValid())
                return child;
        return nullptr;
    }
};

TEST_F(ListWindowsMenu, EditCommandsGoToTheActiveListWindow) {
    main->Data().AddWaypoint(0, 100, 200, 0, "Alpha", 1, 45000, 0);
    main->Data().AddWaypoint(1, 300, 400, 0, "Bravo", 1, 45000, 0);
    editors::ListWindow* list = ListOf(OpenList("mnuWindowWaypoints"));
    ASSERT_NE(list, nullptr);
    Command("mnuEditSelectAll")->trigger();
    Command("mnuEditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), list->SelectionText());
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Bravo"));
    Command("mnuEditDelete")->trigger();
    EXPECT_EQ(main->Data().CountWaypoints(), 0);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Delete");
    Command("mnuEditPaste")->trigger();
    EXPECT_EQ(main->Data().CountWaypoints(), 2);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Paste");
}

TEST_F(ListWindowsMenu, EditCommandsAreOffWhileTheMapWindowIsActiveAndFollowTheList) {
    ListOf(OpenList("mnuWindowWaypoints"));
    EXPECT_TRUE(Command("mnuEditCopy")->isEnabled());
    main->Area().setActiveSubWindow(MapChild());
    for (const char* name :
         {"mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuEditDelete", "mnuEditSelectAll"})
        EXPECT_FALSE(Command(name)->isEnabled()) << name;

    // The opened menu shows what the active list can do now.
    ListOf(OpenList("mnuWindowIcons"));
    QApplication::clipboard()->setText("nothing to paste");
    QMenu* edit = main->findChild<QMenu*>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    EXPECT_FALSE(Command("mnuEditCopy")->isEnabled()) << "an empty list has nothing to copy";
    EXPECT_FALSE(Command("mnuEditPaste")->isEnabled());
    emit edit->aboutToHide();
    EXPECT_TRUE(Command("mnuEditCopy")->isEnabled()) << "shortcuts must still reach the list";
}

TEST_F(ListWindowsMenu, CreateCommandsMakeANewObjectAsOneStepOrSayWhyNot) {
    Command("mnuEditNewWaypoint")->trigger();
    Command("mnuEditNewRoute")->trigger();
    Command("mnuEditNewIcon")->trigger();
    EXPECT_EQ(main->Data().CountWaypoints(), 1);
    EXPECT_EQ(main->Data().CountRoutes(), 1);
    EXPECT_EQ(main->Data().CountIcons(), 1);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Create New Icon");
    main->Undo().PerformUndoOperation();
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Create New Route");

    // On a full data set a create command says so and records no step.
    main->Data().SetMaxNumGPSIcons(0);
    const int steps = main->Undo().Count();
    Command("mnuEditNewIcon")->trigger();
    EXPECT_EQ(main->Undo().Count(), steps);
    ASSERT_FALSE(prompt.shown.isEmpty());
    EXPECT_TRUE(prompt.shown.last().text.startsWith("Unable to create a new icon."));
}

TEST_F(ListWindowsMenu, AutoArrangePlacesListsWhenTheyOpenAndLeavesAMovedWindowAlone) {
    main->SetAutoArrange(true);
    QMdiSubWindow* waypoints = OpenList("mnuWindowWaypoints");
    QMdiSubWindow* routes = OpenList("mnuWindowRoutes");
    Settle();
    const QList<QRect> plan = Plan({1, 1, 0, 0});
    EXPECT_EQ(MapChild()->geometry(), plan.at(0));
    EXPECT_EQ(waypoints->geometry(), plan.at(1));
    EXPECT_EQ(routes->geometry(), plan.at(2));

    // The user moves a window; changes to the data do not move it back.
    routes->move(10, 10);
    main->Data().AddNewWaypoint();
    Settle();
    EXPECT_EQ(routes->pos(), QPoint(10, 10));

    // Closing a list arranges the rest.
    waypoints->close();
    Settle();
    EXPECT_EQ(routes->geometry(), Plan({0, 1, 0, 0}).at(1));

    // So does a change of the frame's size.
    main->resize(main->size() + QSize(120, 80));
    Settle();
    EXPECT_EQ(routes->geometry(), Plan({0, 1, 0, 0}).at(1));
}

TEST_F(ListWindowsMenu, ArrangeWindowsUsesTheLayoutSettings) {
    main->SetAutoArrange(false);
    QMdiSubWindow* routes = OpenList("mnuWindowRoutes");
    main->Settings().routeWidth = 300 * 15;
    main->ArrangeLayout() = app::WindowArranger::FromSettings(main->Settings());
    Command("mnuWindowArrange")->trigger();
    EXPECT_EQ(routes->width(), 300);
}

} // namespace
