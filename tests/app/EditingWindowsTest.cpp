#include "app/EditorCommandGuard.h"
#include "app/MainCommands.h"
#include "editors/ListView.h"
#include "editors/frmEditRoute.h"
#include "editors/frmEditWaypoint.h"
#include "editors/frmExportFile.h"
#include "gpsdata/GPSData.h"
#include "mapbuild/MapData.h"

#include "MapWindowFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

class EditingWindows : public MapWindowFixture {
protected:
    gpsdata::GPSData& Data() { return main->Data(); }
    // The popup menu of centre mode over a point of the map.
    QMenu* PopupAt(QPoint at, const char* name) {
        Click("center");
        ClickMap(at, Qt::RightButton);
        return main->findChild<QMenu*>(QLatin1String(name));
    }
};

} // namespace

TEST_F(EditingWindows, TheRouteImportAsksAgainForAMissingFileAndIsOneUndoStep) {
    const QString list = Put("coast road.txt", "45.5\t-122.25\tHome\r\n  46   -123\r\n");
    chooser.names = {Path("absent.txt"), list};
    Command("mnuFileImportRoute")->trigger();
    ASSERT_EQ(chooser.asked.size(), 2);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, "Import Error");
    ASSERT_EQ(Data().CountRoutes(), 1);
    EXPECT_EQ(Data().Routes().At(0)->RteName(), "Coast Road");
    EXPECT_EQ(Data().Routes().At(0)->NumWaypoints(), 2);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Import Route");
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(Data().CountRoutes(), 0);
    EXPECT_EQ(Data().CountWaypoints(), 0);
}

TEST_F(EditingWindows, TheMapPopupsOpenTheEditorsWhichHoldBackCommandsOrDeleteTheirObject) {
    Click("dropwpt");
    ClickMap(QPoint(200, 150));
    QMenu* popup = PopupAt(QPoint(201, 151), "mnuPopupWaypoint");
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->actions().size(), 2);
    popup->actions().at(0)->trigger();

    auto* editor = main->findChild<editors::frmEditWaypoint*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(main->Area().activeSubWindow()->widget(), editor);
    for (const QString& held : app::EditorCommandGuard::HeldCommands())
        EXPECT_FALSE(main->Commands().Command(held)->isEnabled()) << held.toStdString();

    main->Area().setActiveSubWindow(main->Area().subWindowList().first());
    for (const QString& held : app::EditorCommandGuard::HeldCommands())
        EXPECT_TRUE(main->Commands().Command(held)->isEnabled()) << held.toStdString();

    editor->parentWidget()->close();
    popup = PopupAt(QPoint(201, 151), "mnuPopupWaypoint");
    ASSERT_NE(popup, nullptr);
    popup->actions().at(1)->trigger();
    EXPECT_EQ(Data().CountWaypoints(), 0);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Delete");
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(Data().CountWaypoints(), 1);

    // The route popup opens the route editor, makes a border or deletes the route.
    Click("droprtewpt");
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(300, 100));
    const gpsdata::RouteObject* route = Data().Routes().At(0);
    popup = PopupAt(QPoint(200, 101), "mnuPopupRoute");
    ASSERT_NE(popup, nullptr);
    ASSERT_GE(popup->actions().size(), 2);
    popup->actions().at(0)->trigger();
    auto* routeEditor = main->findChild<editors::frmEditRoute*>();
    ASSERT_NE(routeEditor, nullptr);
    EXPECT_EQ(routeEditor->Index(), route->RteIndex());
    EXPECT_EQ(main->Area().activeSubWindow()->widget(), routeEditor);
    // Its rows insert waypoints before themselves.
    {
        const auto rowPopup = routeEditor->Popup(routeEditor->List()->topLevelItem(1));
        ASSERT_NE(rowPopup, nullptr);
        auto* insert = rowPopup->findChild<QAction*>("mnuPopupInsert");
        ASSERT_NE(insert, nullptr);
        insert->trigger();
        EXPECT_EQ(View().Mode(), 4);
        EXPECT_EQ(Data().EditingRouteLeg(), 1);
    }

    // The route becomes an open border through its waypoints, a step of the map.
    popup = PopupAt(QPoint(200, 101), "mnuPopupRoute");
    ASSERT_NE(popup, nullptr);
    auto* border = popup->findChild<QAction*>("mnuPopupRouteMakeBorder");
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->text(), "Make Map Border From " + route->RteName());
    ASSERT_TRUE(border->isEnabled());
    border->trigger();
    const Carver& borders = main->Borders();
    ASSERT_EQ(borders.KGetNumPolygons(), 1);
    EXPECT_FALSE(borders.KIsPolyLineClosed(0));
    int x = 0, y = 0;
    ASSERT_TRUE(borders.KGetPoint(0, 0, 1, x, y));
    EXPECT_EQ(QPoint(x, y), QPoint(route->Waypoint(1)->X(), route->Waypoint(1)->Y()));
    EXPECT_TRUE(main->Map().Dirty());
    EXPECT_TRUE(Command("mnuMapBuild")->isEnabled());
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Make Map Border From Route");
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(borders.KGetNumPolygons(), 0);

    popup = PopupAt(QPoint(200, 101), "mnuPopupRoute");
    ASSERT_NE(popup, nullptr);
    popup->actions().at(1)->trigger();
    EXPECT_EQ(Data().CountRoutes(), 0);
    EXPECT_EQ(Command("mnuEditUndo")->text(), "&Undo Delete");
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(Data().CountRoutes(), 1);
}
