#include "editors/ListView.h"
#include "editors/ListWindow.h"
#include "editors/frmEditRoute.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"

#include "MainWindowFixture.h"
#include "support/DataSetRecords.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

// Every edit from the main window's menus is one undo step, back to the file as opened.
class EditingSession : public MainWindowFixture {
protected:
    // A data file of every kind, written and opened again.
    void OpenDataFile() {
        gpsdata::GPSData& data = main->Data();
        for (qint16 i = 0; i < 12; ++i)
            data.AddWaypoint(i, geo::LongitudeToX(-93 - i * 0.1), geo::LatitudeToY(45 + i * 0.05), 0,
                             QStringLiteral("Lake ") + QChar(u'A' + i), i % 10, 45000.25 + i, 0);
        data.AddRoute(0, "Tour", {0, 3, 6, 9});
        data.AddFileIcon(0, 5, 45.2, -94.6);
        data.AddTrail(0, "Walk", geo::LongitudeToX(-93.5), geo::LatitudeToY(45.2), {0, 4000}, {0, 3000});
        chooser.names.push_back(Path("trip.nrv"));
        Command("mnuFileSaveGPSAs")->trigger();
        data.NewGPSDataFile();
        data.SetDirty(false);
        chooser.names.push_back(Path("trip.nrv"));
        Command("mnuFileOpenGPS")->trigger();
    }
    // The list window an Edit menu command opens.
    editors::ListWindow* Open(const char* command) {
        Command(command)->trigger();
        return qobject_cast<editors::ListWindow*>(main->Area().activeSubWindow()->widget());
    }
    void Activate(QWidget& child) {
        main->Area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(child.parentWidget()));
    }
    static QTreeWidgetItem* Row(editors::ListWindow& list, int row) { return list.List()->topLevelItem(row); }
    static void Select(editors::ListWindow& list, std::initializer_list<int> rows) {
        list.List()->clearSelection();
        for (const int row : rows)
            Row(list, row)->setSelected(true);
    }
    static void DoubleClick(editors::ListWindow& list, int row) {
        const QPoint at = list.List()->visualItemRect(Row(list, row)).center();
        QTest::mouseClick(list.List()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.List()->viewport(), Qt::LeftButton, {}, at);
    }
    QString UndoCaption() const { return Command("mnuEditUndo")->text(); }
};

} // namespace

TEST_F(EditingSession, EveryEditUndoesStepByStepBackToTheFileAsOpened) {
    main->resize(1200, 800);
    main->show();
    OpenDataFile();
    gpsdata::GPSData& data = main->Data();
    ASSERT_EQ(data.CountWaypoints(), 12);
    const QStringList original = testing_support::DataSetRecords(data);

    editors::ListWindow* waypoints = Open("mnuEditWaypointList");
    editors::ListWindow* routes = Open("mnuEditRouteList");
    ASSERT_NE(Open("mnuEditIconList"), nullptr);
    ASSERT_NE(Open("mnuEditTrailList"), nullptr);
    ASSERT_TRUE(waypoints && routes);
    EXPECT_EQ(waypoints->List()->topLevelItemCount(), 12);

    // Rename in place.
    Activate(*waypoints);
    waypoints->List()->editItem(Row(*waypoints, 0), 0);
    auto* name = waypoints->List()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(name, nullptr);
    name->setText("Harbour");
    QTest::keyClick(name, Qt::Key_Return);
    // The delegate commits on the next turn of the event loop.
    QCoreApplication::processEvents();
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Harbour");
    EXPECT_EQ(UndoCaption(), "&Undo Edit Waypoint Name");

    // Sort by name, twice: descending.
    QHeaderView* header = waypoints->List()->header();
    const QPoint nameCaption(header->sectionViewportPosition(0) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameCaption);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameCaption);
    EXPECT_EQ(Row(*waypoints, 0)->text(0), "Lake L");
    EXPECT_EQ(Row(*waypoints, 11)->text(0), "Harbour");

    // Delete three rows (Lake L, K and J; the route loses its last entry).
    Select(*waypoints, {0, 1, 2});
    Command("mnuEditDelete")->trigger();
    EXPECT_EQ(data.CountWaypoints(), 9);
    EXPECT_EQ(data.Waypoint(11), nullptr);
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 3, 6}));
    EXPECT_EQ(UndoCaption(), "&Undo Delete");

    // Copy two waypoints.
    Select(*waypoints, {0, 1});
    Command("mnuEditCopy")->trigger();

    // Paste the same two into the route, before its second entry.
    Activate(*routes);
    DoubleClick(*routes, 0);
    auto* route = qobject_cast<editors::frmEditRoute*>(main->Area().activeSubWindow()->widget());
    ASSERT_NE(route, nullptr);
    route->List()->setCurrentItem(route->List()->topLevelItem(1));
    Command("mnuEditPaste")->trigger();
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 8, 7, 3, 6}));
    EXPECT_EQ(UndoCaption(), "&Undo Paste");

    // Undo each step in turn.
    for (const char* step : {"&Undo Paste", "&Undo Delete", "&Undo Edit Waypoint Name"}) {
        ASSERT_EQ(UndoCaption(), QLatin1String(step));
        Command("mnuEditUndo")->trigger();
    }
    EXPECT_EQ(UndoCaption(), "Can't Undo");
    EXPECT_EQ(testing_support::DataSetRecords(data), original);
    EXPECT_EQ(waypoints->List()->topLevelItemCount(), 12);
}
