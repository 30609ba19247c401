#include "MainWindowFixture.h"

#include "app/AutoArrange.h"
#include "app/WindowArranger.h"
#include "editors/ItemEditor.h"
#include "editors/ListView.h"
#include "editors/ListWindow.h"
#include "gpsdata/GPSData.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace {

class ListWindowsMenu : public MainWindowFixture {
protected:
    // The child window the Edit menu command opened.
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
    void TearDown() override {
        // The popup is a child of its list window, which goes with the main window.
        popup.reset();
        MainWindowFixture::TearDown();
    }
    // The named entry of the popup of an object's row, which stays in `popup`.
    QAction* PopupEntry(editors::ListWindow& list, qint16 index, const char* name) {
        popup = list.Popup(index);
        return popup ? popup->findChild<QAction*>(QLatin1String(name)) : nullptr;
    }
    QMdiSubWindow* MapChild() {
        for (QMdiSubWindow* child : main->Area().subWindowList())
            if (!child->property("listKind").isValid())
                return child;
        return nullptr;
    }

    std::unique_ptr<QMenu> popup;
};

TEST_F(ListWindowsMenu, EditCommandsGoToTheActiveListWindowAndAreOffWhileTheMapIsActive) {
    main->Data().AddWaypoint(0, 100, 200, 0, "Alpha", 1, 45000, 0);
    main->Data().AddWaypoint(1, 300, 400, 0, "Bravo", 1, 45000, 0);
    editors::ListWindow* list = ListOf(OpenList("mnuEditWaypointList"));
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

    // Edit Selected opens the editor of the focused row, and so does Enter.
    const auto editorOf = [this]() -> qint16 {
        const auto* editor = qobject_cast<editors::ItemEditor*>(main->Area().activeSubWindow()->widget());
        return editor ? editor->Index() : -1;
    };
    QMdiSubWindow* listChild = main->Area().activeSubWindow();
    QTreeWidgetItem* first = list->List()->topLevelItem(0);
    list->List()->setCurrentItem(first);
    Command("mnuEditSelected")->trigger();
    EXPECT_EQ(editorOf(), list->SelectedIndexes().first());
    main->Area().setActiveSubWindow(listChild);
    list->List()->setCurrentItem(list->List()->topLevelItem(1));
    QTest::keyClick(list->List(), Qt::Key_Return);
    EXPECT_EQ(editorOf(), list->SelectedIndexes().first());
    EXPECT_NE(editorOf(), -1);

    // With the map window active the Edit commands are off.
    main->Area().setActiveSubWindow(listChild);
    EXPECT_TRUE(Command("mnuEditCopy")->isEnabled());
    main->Area().setActiveSubWindow(MapChild());
    for (const char* name : {"mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuEditDelete", "mnuEditSelectAll",
                             "mnuEditSelected"})
        EXPECT_FALSE(Command(name)->isEnabled()) << name;

    // The opened menu shows what the active list can do now.
    ListOf(OpenList("mnuEditIconList"));
    QApplication::clipboard()->setText("nothing to paste");
    QMenu* edit = main->findChild<QMenu*>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->actions().contains(Command("mnuEditIconList")));
    emit edit->aboutToShow();
    EXPECT_FALSE(Command("mnuEditCopy")->isEnabled()) << "an empty list has nothing to copy";
    EXPECT_FALSE(Command("mnuEditPaste")->isEnabled());
    emit edit->aboutToHide();
    EXPECT_TRUE(Command("mnuEditCopy")->isEnabled()) << "shortcuts must still reach the list";
}

TEST_F(ListWindowsMenu, RouteAndTrailRowsOfferWhatTheMapsPopupsOffer) {
    gpsdata::GPSData& data = main->Data();
    data.AddWaypoint(0, 100000, 200000, 0, "Alpha", 1, 45000, 0);
    data.AddWaypoint(1, 300000, 400000, 0, "Bravo", 1, 45000, 0);
    data.AddRoute(0, "Tour", {0, 1});
    data.AddRoute(1, "Stub", {0});
    data.AddTrail(0, "Walk", 100000, 200000, {0, 4000, 9000}, {0, 3000, 1000});
    editors::ListWindow* routes = ListOf(OpenList("mnuEditRouteList"));
    ASSERT_NE(routes, nullptr);

    // One waypoint makes no border.
    QAction* border = PopupEntry(*routes, 1, "mnuPopupRouteMakeBorder");
    ASSERT_NE(border, nullptr);
    EXPECT_FALSE(border->isEnabled());

    border = PopupEntry(*routes, 0, "mnuPopupRouteMakeBorder");
    ASSERT_NE(border, nullptr);
    QStringList captions;
    for (const QAction* a : popup->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"Edit Route Tour", "Delete Route Tour", "Insert Waypoints Into Tour",
                                     "Make Map Border From Tour"}));
    border->trigger();
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Make Map Border From Route");

    // Inserting from the list goes on at the end of the route, on the map.
    popup->findChild<QAction*>("mnuPopupInsert")->trigger();
    EXPECT_EQ(main->Area().activeSubWindow(), MapChild());
    EXPECT_EQ(main->Window().Mode(), 4);
    EXPECT_EQ(data.EditingRoute(), 0);
    EXPECT_EQ(data.EditingRouteLeg(), 2);

    editors::ListWindow* trails = ListOf(OpenList("mnuEditTrailList"));
    ASSERT_NE(trails, nullptr);
    QAction* create = PopupEntry(*trails, 0, "mnuPopupTrailCreateRoute");
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(create->text(), "Create Route From Walk");
    create->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return data.CountRoutes() == 3; }));
    EXPECT_EQ(data.Routes().At(2)->RteName(), "(Walk)");
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

TEST_F(ListWindowsMenu, AutoArrangePlacesListsWhenTheyOpenAndLeavesAMovedWindowAloneArrangeFollowsTheLayout) {
    main->SetAutoArrange(true);
    QMdiSubWindow* waypoints = OpenList("mnuEditWaypointList");
    QMdiSubWindow* routes = OpenList("mnuEditRouteList");
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

    // Arrange Windows follows the layout settings.
    main->SetAutoArrange(false);
    main->Settings().routeWidth = 300 * 15;
    main->ArrangeLayout() = app::WindowArranger::FromSettings(main->Settings());
    Command("mnuWindowArrange")->trigger();
    EXPECT_EQ(routes->width(), 300);
}

} // namespace
