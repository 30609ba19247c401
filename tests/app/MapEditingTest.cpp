#include "app/MapEditing.h"
#include "gpsdata/GPSData.h"
#include "mapbuild/MapData.h"
#include "mapview/StandardPalette.h"

#include "MapWindowFixture.h"

#include <QImage>
#include <QMenu>
#include <QTimer>

using namespace app;

namespace {

// Over a master map, whose kept picture a moving waypoint must not have drawn anew.
class MapEditingTest : public MapWindowFixture {
protected:
    void SetUp() override {
        WriteLandMaster(res.path());
        SetMasterFolder(res.path());
        MapWindowFixture::SetUp();
    }
    qint64 PictureKey() const { return main->MasterLayer().Picture().cacheKey(); }
    gpsdata::GPSData& Data() { return main->Data(); }
    // The internal position under a pixel of the display.
    QPoint Internal(QPoint pixel) {
        return QPoint(qRound((pixel.x() + View().PixelLeft) / View().PixelsPerUnitX),
                      qRound((pixel.y() + View().PixelTop) / View().PixelsPerUnitY));
    }
    QPoint WaypointAt(int i) {
        const gpsdata::WaypointObject* w = Data().Waypoints().At(i);
        return QPoint(w->X(), w->Y());
    }
    void Move(QPoint pixel) { QTest::mouseMove(display, pixel); }
    // Positions agree to the unit a pixel spans.
    void ExpectNear(QPoint a, QPoint b) {
        const double unit = 1.0 / View().PixelsPerUnitX + 1;
        EXPECT_NEAR(a.x(), b.x(), unit);
        EXPECT_NEAR(a.y(), b.y(), -1.0 / View().PixelsPerUnitY + 1);
    }

    QTemporaryDir res;
};

} // namespace

TEST_F(MapEditingTest, DroppedWaypointsAndIconsAreUndoneRedonePickedUpAndPutDown) {
    Click("dropwpt");
    ClickMap(QPoint(200, 150));
    ASSERT_EQ(Data().CountWaypoints(), 1);
    ExpectNear(WaypointAt(0), Internal(QPoint(200, 150)));
    QAction* undo = Command("mnuEditUndo");
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Drop Waypoint"));
    ASSERT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_EQ(Data().CountWaypoints(), 0);
    QAction* redo = Command("mnuEditRedo");
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Drop Waypoint"));
    redo->trigger();
    EXPECT_EQ(Data().CountWaypoints(), 1);

    // A click on it picks it up and the next click puts it down.
    const QPoint before = WaypointAt(0);
    ClickMap(QPoint(202, 151));
    EXPECT_EQ(View().Mode(), 6);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Move Waypoint"));
    const QImage still = display->grab().toImage();
    const qint64 picture = PictureKey();
    ASSERT_FALSE(main->MasterLayer().Picture().isNull());
    Move(QPoint(300, 250));
    ExpectNear(WaypointAt(0), Internal(QPoint(300, 250)));
    EXPECT_NE(display->grab().toImage(), still); // drawn where it went
    EXPECT_EQ(PictureKey(), picture);
    ClickMap(QPoint(320, 260));
    EXPECT_EQ(View().Mode(), 3);
    EXPECT_EQ(Data().CountWaypoints(), 1);
    ExpectNear(WaypointAt(0), Internal(QPoint(320, 260)));
    display->grab();
    EXPECT_EQ(PictureKey(), picture);

    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(WaypointAt(0), before);

    // A dropped icon takes the default symbol and moves like a waypoint.
    Data().SetDefaultSymbol(5);
    Click("dropicn");
    ClickMap(QPoint(150, 150));
    ASSERT_EQ(Data().CountIcons(), 1);
    EXPECT_EQ(Data().Icons().At(0)->IcnSymbol(), 5);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Drop Icon"));
    ClickMap(QPoint(150, 150));
    EXPECT_EQ(View().Mode(), 7);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Move Icon"));
    ClickMap(QPoint(220, 180));
    EXPECT_EQ(View().Mode(), 5);
    const gpsdata::IconObject* icon = Data().Icons().At(0);
    ExpectNear(QPoint(icon->X(), icon->Y()), Internal(QPoint(220, 180)));

    // With the waypoint list full, a route waypoint is refused in words.
    Data().SetMaxNumGPSWaypoints(1);
    Click("droprtewpt");
    ClickMap(QPoint(300, 300));
    ASSERT_FALSE(prompt.shown.isEmpty());
    EXPECT_EQ(prompt.shown.last().text,
              QStringLiteral("Unable to create a new waypoint.\r\nDelete a waypoint and try again."));
    EXPECT_EQ(Data().CountWaypoints(), 1);
}

TEST_F(MapEditingTest, RouteWaypointsGoToTheEndOfTheRouteAndItsPopupInsertsIntoALeg) {
    Click("dropwpt");
    ClickMap(QPoint(100, 100));
    Click("droprtewpt");
    // The command itself starts the route, as a step of its own.
    ASSERT_EQ(Data().CountRoutes(), 1);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Create Route"));
    ClickMap(QPoint(101, 101)); // the existing waypoint
    ClickMap(QPoint(250, 200)); // a new one
    ASSERT_EQ(Data().CountRoutes(), 1);
    const gpsdata::RouteObject* route = Data().Routes().At(0);
    ASSERT_EQ(route->NumWaypoints(), 2);
    EXPECT_EQ(Data().CountWaypoints(), 2);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Add Waypoint To Route"));
    EXPECT_EQ(Data().EditingRoute(), route->RteIndex());

    Click("center");
    EXPECT_EQ(Data().EditingRoute(), -1);

    // The route's popup inserts waypoints into the leg under the pointer.
    ClickMap(QPoint(175, 151), Qt::RightButton);
    auto* popup = main->findChild<QMenu*>(QStringLiteral("mnuPopupRoute"));
    ASSERT_NE(popup, nullptr);
    auto* insert = popup->findChild<QAction*>(QStringLiteral("mnuPopupInsert"));
    ASSERT_NE(insert, nullptr);
    EXPECT_EQ(insert->text(), QStringLiteral("Insert Waypoints Into ") + route->RteName());
    insert->trigger();
    EXPECT_EQ(View().Mode(), 4);
    ClickMap(QPoint(180, 250));
    ClickMap(QPoint(220, 250));
    ASSERT_EQ(route->NumWaypoints(), 4);
    const QPoint expected[] = {{100, 100}, {180, 250}, {220, 250}, {250, 200}};
    for (int i = 0; i < 4; ++i)
        ExpectNear(QPoint(route->Waypoint(i)->X(), route->Waypoint(i)->Y()), Internal(expected[i]));

    // Chosen again in the same mode, the command starts another route.
    Click("droprtewpt");
    ASSERT_EQ(Data().CountRoutes(), 2);
    ClickMap(QPoint(400, 300));
    EXPECT_EQ(route->NumWaypoints(), 4);
    EXPECT_EQ(Data().Route(Data().EditingRoute())->NumWaypoints(), 1);
}

TEST_F(MapEditingTest, DrawnBorderMarksTheMapChangedIsSavedInTheWorkspaceAndEscapeTakesBackAPoint) {
    Click("create");
    ClickMap(QPoint(100, 100));
    ClickMap(QPoint(300, 110));
    ClickMap(QPoint(250, 300));
    ClickMap(QPoint(101, 101));
    EXPECT_TRUE(main->Map().Dirty());
    chooser.names.push_back(Path(QStringLiteral("area.nmp")));
    Click("saveborder");
    EXPECT_FALSE(main->Map().Dirty());
    EXPECT_TRUE(testing_support::ReadFile(Path(QStringLiteral("area.nmp"))).contains("Polygon"));

    // Escape takes back the last point of the next border.
    ClickMap(QPoint(120, 200));
    ClickMap(QPoint(200, 220));
    ClickMap(QPoint(160, 280));
    QTest::keyClick(display, Qt::Key_Escape);
    ASSERT_EQ(main->Borders().KGetNumPolygons(), 2);
    EXPECT_EQ(main->Borders().KGetNumPoints(1), 1);
}
