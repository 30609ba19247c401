#include "EditorFixture.h"

#include "editors/EditorWindows.h"
#include "editors/ListView.h"
#include "editors/RecordDragData.h"
#include "editors/frmEditRoute.h"
#include "geo/PositionText.h"
#include "mapview/GPSDataPainter.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <memory>

using editors::EditCommand;
using editors::frmEditRoute;

namespace {

class RouteEditor : public EditorFixture {
protected:
    RouteEditor() {
        data.SetPositionFormat(2);
        for (qint16 i = 0; i < 6; ++i)
            Waypoint(i, QString("P%1").arg(i + 1), 40 + i, -100 - i);
        Waypoint(8, "Temp", 30, -90, 1);
        data.AddRoute(3, "Six", {0, 1, 2, 3, 4, 5});
        data.AddRoute(7, "Empty", {});
        context.viewChanged = [this] { ++viewChanges; };
    }
    frmEditRoute* Open(qint16 route) {
        frmEditRoute* editor = windows.EditRoute(route);
        if (editor)
            editor->show();
        return editor;
    }
    static QTreeWidgetItem* Row(frmEditRoute& e, int i) { return e.List()->topLevelItem(i); }
    static void Select(frmEditRoute& e, std::initializer_list<int> rows) {
        e.List()->clearSelection();
        for (int i : rows)
            Row(e, i)->setSelected(true);
    }
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QList<qint16> Legs(qint16 route) const { return data.Route(route)->Waypoints(); }

    editors::EditorWindows windows{context, nullptr};
    int viewChanges = 0;
};

} // namespace

TEST_F(RouteEditor, ARowPerEntryWithLegLengthPositionAndSymbolAndTheEndRowAndTheOpenEditorsListed) {
    window.DrawOnlyOpenRoutes = true;
    frmEditRoute* e = Open(3);
    EXPECT_EQ(Keys(*e->List()), QStringList({"RteWpt 1", "RteWpt 2", "RteWpt 3", "RteWpt 4", "RteWpt 5",
                                             "RteWpt 6", "RteWpt 999"}));
    const gpsdata::RouteObject* route = data.Route(3);
    EXPECT_EQ(Row(*e, 1)->text(0), "P2");
    EXPECT_EQ(Row(*e, 1)->text(1), window.FormatDistance(route->LegDistance(2)));
    EXPECT_NE(route->LegDistance(2), 0);
    const auto* w = data.Waypoint(1);
    EXPECT_EQ(Row(*e, 1)->text(2), geo::FormatLatitude(w->Y(), 2) + " " + geo::FormatLongitude(w->X(), 2));
    EXPECT_FALSE(Row(*e, 1)->icon(0).isNull());
    // An empty route shows only the end row.
    frmEditRoute* empty = Open(7);
    EXPECT_EQ(empty->windowTitle(), "Route: Empty");
    EXPECT_EQ(Keys(*empty->List()), QStringList{"RteWpt 999"});
    EXPECT_EQ(Column(*empty->List(), 0), QStringList{"(End of Route)"});
    EXPECT_FALSE(Row(*empty, 0)->flags() & Qt::ItemIsEditable);

    // The open editors are listed in the viewport, so that the map can draw only them.
    QPointer<frmEditRoute> six = e;
    QPointer<frmEditRoute> emptyOne = empty;
    EXPECT_EQ(window.OpenRouteEditors, QStringList({"Rte:3", "Rte:7"}));
    EXPECT_EQ(viewChanges, 2);
    EXPECT_TRUE(mapview::GPSDataPainter::RouteIsOpen(window, data, *data.Route(3)));
    six->Unload();
    Settle();
    EXPECT_FALSE(six);
    EXPECT_EQ(window.OpenRouteEditors, QStringList{"Rte:7"});
    EXPECT_EQ(viewChanges, 3);
    EXPECT_FALSE(mapview::GPSDataPainter::RouteIsOpen(window, data, *data.Route(3)));
    EXPECT_EQ(Open(7), emptyOne.data());
    EXPECT_EQ(window.OpenRouteEditors, QStringList{"Rte:7"});
}

TEST_F(RouteEditor, DeletingLegsTwoAndFourKeepsTheOthersInOrderAndThePopupRemovesOne) {
    frmEditRoute* e = Open(3);
    Select(*e, {1, 3, 6});
    e->Edit(EditCommand::Delete);
    EXPECT_EQ(Legs(3), (QList<qint16>{0, 2, 4, 5}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");
    EXPECT_EQ(Column(*e->List(), 0), QStringList({"P1", "P3", "P5", "P6", "(End of Route)"}));
    EXPECT_FALSE(e->Busy());
    EXPECT_FALSE(e->RefillPending());

    // The popup offers to edit, remove or paste at its row.
    auto menu = e->Popup(Row(*e, 2));
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"Edit Waypoint P5", "Remove Waypoint P5 From Route", "Paste Here"}));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(Legs(3), (QList<qint16>{0, 2, 5}));
}

TEST_F(
    RouteEditor,
    PastingAStoredIndexBringsTheStoredWaypointUnchangedPasteInsertsAtTheFocusedRowAndCopiedRowsPasteElsewhere) {
    frmEditRoute* e = Open(7);
    const QString stored = data.Waypoint(2)->MakeString();
    QString changed = stored;
    changed.replace("P3", "Changed");
    QApplication::clipboard()->setText(changed + "\r\nWpt\t12\tFresh\t5000\t6000\t4\t45000\t0\t[None]");
    e->Edit(EditCommand::Paste);
    EXPECT_EQ(Legs(7), (QList<qint16>{2, 12}));
    EXPECT_EQ(data.Waypoint(2)->MakeString(), stored);
    ASSERT_NE(data.Waypoint(12), nullptr);
    EXPECT_EQ(data.Waypoint(12)->WptName(), "Fresh");
    EXPECT_EQ(data.Waypoint(12)->X(), 5000);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Paste");
    EXPECT_EQ(Column(*e->List(), 0), QStringList({"P3", "Fresh", "(End of Route)"}));
    // A record from a larger unit comes in a free slot.
    e->PasteText("Wpt|1500|Far 1501*|100|200|3|45000|0|[None]", 999);
    ASSERT_EQ(Legs(7).size(), 3);
    const gpsdata::WaypointObject* w = data.Waypoint(Legs(7)[2]);
    ASSERT_NE(w, nullptr);
    EXPECT_LT(w->WptIndex(), data.MaxNumGPSWaypoints());
    EXPECT_EQ(w->X(), 100);

    // In a second editor, a paste goes in at the focused row.
    frmEditRoute* six = Open(3);
    six->List()->setCurrentItem(Row(*six, 1));
    QApplication::clipboard()->setText(data.Waypoint(5)->MakeString() + "\r\n" +
                                       data.Waypoint(4)->MakeString());
    six->Edit(EditCommand::Paste);
    EXPECT_EQ(Legs(3), (QList<qint16>{0, 5, 4, 1, 2, 3, 4, 5}));

    // Rows copied in one editor paste into the other; cut takes them off.
    Select(*six, {0, 3, 8}); // the end row copies nothing
    six->Edit(EditCommand::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              data.Waypoint(0)->MakeString() + "\r\n" + data.Waypoint(1)->MakeString());
    e->List()->setCurrentItem(Row(*e, 3));
    e->Edit(EditCommand::Paste);
    EXPECT_EQ(Legs(7).mid(3), (QList<qint16>{0, 1}));
    Select(*six, {0});
    six->Edit(EditCommand::Cut);
    EXPECT_EQ(Legs(3), (QList<qint16>{5, 4, 1, 2, 3, 4, 5}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Cut");
}

TEST_F(RouteEditor, APasteBeyondTheRoutesRoomStopsAtTheFirstRefusalAndOnlyKeptWaypointsAreRenamedOrEdited) {
    data.SetMaxNumGPSWptsPerRoute(8);
    frmEditRoute* e = Open(3);
    QStringList records;
    for (qint16 i = 0; i < 4; ++i)
        records << data.Waypoint(i)->MakeString();
    e->PasteText(records.join("\r\n"), 999);
    EXPECT_EQ(Legs(3), (QList<qint16>{0, 1, 2, 3, 4, 5, 0, 1}));
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, "Paste Error");
    EXPECT_EQ(prompt.shown[0].text, data.Route(3)->AddWaypoint(9));
    EXPECT_EQ(e->List()->topLevelItemCount(), 9);

    // Route-only waypoints are neither renamed in place nor edited on a double click.
    data.Route(7)->SetWaypoints({8, 1});
    frmEditRoute* seven = Open(7);
    for (int i : {0, 1, 2})
        emit seven->List()->itemDoubleClicked(Row(*seven, i), 0);
    EXPECT_NE(windows.OpenEditor("Wpt 1"), nullptr);
    EXPECT_EQ(windows.OpenEditor("Wpt 8"), nullptr);
    EXPECT_FALSE(Row(*seven, 0)->flags() & Qt::ItemIsEditable);
    ASSERT_TRUE(Row(*seven, 1)->flags() & Qt::ItemIsEditable);
    seven->List()->setCurrentItem(Row(*seven, 1));
    seven->List()->editItem(Row(*seven, 1), 0);
    auto* box = seven->List()->findChild<QLineEdit*>();
    ASSERT_NE(box, nullptr);
    box->setText("Summit");
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(data.Waypoint(1)->WptName(), "Summit");
    EXPECT_EQ(undo.UndoCaption(), "&Undo Edit Waypoint Name");
    EXPECT_EQ(Row(*seven, 1)->text(0), "Summit");
}

TEST_F(RouteEditor, AChangedWaypointRewritesItsRowsAndTheWindowFollowsItsRoute) {
    data.Route(7)->SetWaypoints({1, 2, 1});
    frmEditRoute* e = Open(7);
    data.Waypoint(1)->SetWptName("Moved");
    EXPECT_EQ(Column(*e->List(), 0), QStringList({"Moved", "P3", "Moved", "(End of Route)"}));
    data.SetPositionFormat(4);
    EXPECT_TRUE(Row(*e, 0)->text(2).contains("'")) << Row(*e, 0)->text(2).toStdString();

    QPointer<frmEditRoute> six = Open(3);
    data.Route(3)->SetRteName("Renamed");
    EXPECT_EQ(six->windowTitle(), "Route: Renamed");
    data.DeleteWaypoint(2);
    EXPECT_EQ(six->List()->topLevelItemCount(), 6);
    data.DeleteRoute(3);
    Settle();
    EXPECT_FALSE(six);
    EXPECT_EQ(window.OpenRouteEditors, QStringList{"Rte:7"});
}

namespace {

// Drops the payload on a row, or below the rows for -1; true when the editor took it.
bool DropOnRow(frmEditRoute& e, const QMimeData& payload, int row, Qt::DropAction action = Qt::CopyAction) {
    const QRect last = e.List()->visualItemRect(e.List()->topLevelItem(e.List()->topLevelItemCount() - 1));
    const QPoint at = row >= 0 ? e.List()->visualItemRect(e.List()->topLevelItem(row)).center()
                               : QPoint(last.center().x(), last.bottom() + 20);
    return EditorSet::SendDrop(*e.List()->viewport(), at, payload, action);
}

// The editor's drag of its selection ends on a row of `target` as `action`.
void DragTo(frmEditRoute& source, frmEditRoute& target, int row, Qt::DropAction action) {
    source.List()->runDrag = [&](QDrag& drag) {
        return DropOnRow(target, *drag.mimeData(), row, action) ? action : Qt::IgnoreAction;
    };
    source.List()->startRecordDrag();
}

} // namespace

TEST_F(RouteEditor, WaypointsDroppedOnARowGoIntoTheRouteBeforeIt) {
    frmEditRoute* e = Open(3);
    const QString records = data.Waypoint(8)->MakeString() + "\r\nWpt|20|New|100|200|3|45000|0|[None]";
    std::unique_ptr<QMimeData> payload(editors::RecordDragData::Make(records));
    ASSERT_TRUE(DropOnRow(*e, *payload, 1));
    EXPECT_EQ(Legs(3), (QList<qint16>{0, 8, 20, 1, 2, 3, 4, 5}));
    EXPECT_EQ(data.Waypoint(20)->WptName(), "New");
    EXPECT_EQ(undo.UndoCaption(), "&Undo Drag Drop");
    ASSERT_TRUE(DropOnRow(*e, *payload, -1));
    EXPECT_EQ(Legs(3).mid(8), (QList<qint16>{8, 20}));
    QMimeData plain;
    plain.setText(records);
    EXPECT_FALSE(DropOnRow(*e, plain, 0));
}

TEST_F(RouteEditor, AMoveIntoAnotherRouteEditorTakesTheEntriesOffThisRoute) {
    frmEditRoute* six = Open(3);
    frmEditRoute* empty = Open(7);
    Select(*six, {0, 1});
    DragTo(*six, *empty, 0, Qt::MoveAction);
    EXPECT_EQ(Legs(7), (QList<qint16>{0, 1}));
    EXPECT_EQ(Legs(3), (QList<qint16>{2, 3, 4, 5}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Delete");
    Select(*six, {0});
    DragTo(*six, *empty, 0, Qt::CopyAction);
    EXPECT_EQ(Legs(7), (QList<qint16>{2, 0, 1}));
    EXPECT_EQ(Legs(3), (QList<qint16>{2, 3, 4, 5}));
}
