#include "EditorFixture.h"

#include "editors/DateText.h"
#include "editors/ListView.h"
#include "editors/frmEditRoutes.h"
#include "editors/frmEditWaypoints.h"
#include "geo/PositionText.h"

#include <QSignalSpy>

namespace {

using ListRows = EditorFixture;

TEST_F(ListRows, RowsShowWaypointsAndRoutesWithTheirValues) {
    data.SetPositionFormat(3);
    Waypoint(4, "Home", 45.5, -122.25);
    Waypoint(2, "Via", 10, 10, 1);
    Waypoint(11, "Lake", -33.8688, 151.2093);
    editors::frmEditWaypoints list(context);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 4", "Wpt 11"}));
    const QTreeWidgetItem* row = list.List()->topLevelItem(1);
    EXPECT_EQ(row->text(0), "Lake");
    EXPECT_EQ(row->text(1), geo::FormatLatitude(data.Waypoint(11)->Y(), 3));
    EXPECT_EQ(row->text(2), geo::FormatLongitude(data.Waypoint(11)->X(), 3));
    EXPECT_EQ(row->text(3), editors::DateText(45011.5));
    EXPECT_EQ(row->text(4), "012");
    EXPECT_FALSE(row->icon(0).isNull()) << "no symbol beside the name";
    EXPECT_EQ(list.List()->currentItem(), list.List()->topLevelItem(0));

    // Route rows show the distance, leg count and number.
    Waypoint(0, "A", 45, -122);
    Waypoint(1, "B", 46, -122);
    data.AddRoute(6, "Trip", {0, 1, 0});
    editors::frmEditRoutes routes(context);
    ASSERT_EQ(Keys(*routes.List()), QStringList({"Rte 6"}));
    const QTreeWidgetItem* trip = routes.List()->topLevelItem(0);
    EXPECT_EQ(trip->text(0), "Trip");
    EXPECT_EQ(trip->text(1), window.FormatDistance(data.Route(6)->TotalDistance()));
    EXPECT_EQ(trip->text(2), "3");
    EXPECT_EQ(trip->text(3), "07");

    // A moved waypoint changes the distance of every route through it.
    const QString before = trip->text(1);
    data.Waypoint(1)->SetLatitude(47);
    EXPECT_NE(routes.List()->topLevelItem(0)->text(1), before);
    EXPECT_EQ(routes.List()->topLevelItem(0)->text(1), window.FormatDistance(data.Route(6)->TotalDistance()));
}

TEST_F(ListRows, DataSetEventsChangeOneRowAtATimeAndWholeListChangesRebuild) {
    Waypoint(0, "A", 1, 1);
    Waypoint(1, "B", 2, 2);
    editors::frmEditWaypoints list(context);
    QSignalSpy rebuilds(&list, &editors::ListWindow::Filled);

    data.AddNewWaypoint();
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 0", "Wpt 1", "Wpt 2"}));
    data.Waypoint(1)->SetWptName("Bee");
    EXPECT_EQ(list.List()->topLevelItem(1)->text(0), "Bee");
    data.DeleteWaypoint(0);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 1", "Wpt 2"}));
    // A waypoint that becomes route-only leaves the list, and comes back.
    data.Waypoint(2)->SetWaypointType(1);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 1"}));
    data.Waypoint(2)->SetWaypointType(0);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 1", "Wpt 2"}));
    // An add under a taken index updates the row instead of doubling it.
    Waypoint(1, "Again", 3, 3);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 1", "Wpt 2"}));
    EXPECT_EQ(list.List()->topLevelItem(0)->text(0), "Again");
    EXPECT_EQ(rebuilds.count(), 0);

    // A new position format or a change of the whole list rebuilds every row.
    data.SetPositionFormat(2);
    EXPECT_EQ(rebuilds.count(), 1);
    EXPECT_EQ(list.List()->topLevelItem(0)->text(1), geo::FormatLatitude(data.Waypoint(1)->Y(), 2));
    undo.PushUndoOperation(false, "Step");
    data.DeleteWaypoints();
    undo.PerformUndoOperation();
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 1", "Wpt 2"}));
}

TEST_F(ListRows, DeletingSeveralRowsRebuildsOnceAfterAllDeletions) {
    for (qint16 i = 0; i < 6; ++i)
        Waypoint(i, QString("W%1").arg(i), i, i);
    editors::frmEditWaypoints list(context);
    QSignalSpy rebuilds(&list, &editors::ListWindow::Filled);
    bool busyDuringDeletes = true;
    QObject::connect(&data, &gpsdata::GPSData::WaypointRemoved, &list,
                     [&] { busyDuringDeletes &= list.Busy(); });
    list.List()->clearSelection();
    for (int i : {1, 3, 4})
        list.List()->topLevelItem(i)->setSelected(true);
    list.Delete();
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 0", "Wpt 2", "Wpt 5"}));
    EXPECT_EQ(rebuilds.count(), 1);
    EXPECT_TRUE(busyDuringDeletes);
    EXPECT_FALSE(list.Busy());
    EXPECT_FALSE(list.RefillPending());
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");
}

} // namespace
