#include "EditorFixture.h"

#include "editors/ListView.h"
#include "editors/RecordDragData.h"
#include "editors/frmEditIcons.h"
#include "editors/frmEditRoutes.h"
#include "editors/frmEditTrails.h"
#include "editors/frmEditWaypoints.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <memory>

namespace {

using ListClipboard = EditorFixture;
using editors::EditCommand;

// A second program's data set, for copying between two.
using SecondProgram = EditorSet;

TEST_F(ListClipboard, CopyPutsTheSelectedRecordsOnTheClipboardInRowOrderAndCutDeletesThemAsOneStep) {
    data.SetClipboardDelimiter("|");
    Waypoint(0, "A", 1, 1);
    Waypoint(1, "B", 2, 2);
    Waypoint(2, "C", 3, 3);
    editors::frmEditWaypoints list(context);
    EXPECT_TRUE(list.CanEdit(EditCommand::Copy)) << "the first row starts selected";
    list.List()->clearSelection();
    EXPECT_FALSE(list.CanEdit(EditCommand::Copy));
    list.List()->topLevelItem(2)->setSelected(true);
    list.List()->topLevelItem(0)->setSelected(true);
    list.Edit(EditCommand::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              data.Waypoint(0)->MakeString() + "\r\n" + data.Waypoint(2)->MakeString());
    EXPECT_TRUE(data.Waypoint(0)->MakeString().contains("|A|"));
    EXPECT_EQ(undo.Count(), 0) << "copying changes nothing";

    // Cut copies, then deletes as one step.
    data.AddRoute(0, "R", {0, 1});
    list.List()->clearSelection();
    list.List()->topLevelItem(1)->setSelected(true);
    const QString record = data.Waypoint(1)->MakeString();
    list.Edit(EditCommand::Cut);
    EXPECT_EQ(QApplication::clipboard()->text(), record);
    EXPECT_EQ(Keys(*list.List()), QStringList({"Wpt 0", "Wpt 2"}));
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Cut");
    EXPECT_EQ(undo.Count(), 1);
}

TEST_F(ListClipboard, WaypointsCopiedInOneProgramOrTypedByHandPasteIntoAnother) {
    Waypoint(0, "Home", 45.5, -122.25);
    Waypoint(1, "Wpt 002*", 46, -121);
    editors::frmEditWaypoints source(context);
    source.Edit(EditCommand::SelectAll);
    source.Edit(EditCommand::Copy);

    SecondProgram other;
    other.Waypoint(0, "Theirs", 1, 1);
    editors::frmEditWaypoints target(other.context);
    EXPECT_TRUE(target.CanEdit(EditCommand::Paste));
    target.Edit(EditCommand::Paste);
    EXPECT_EQ(Keys(*target.List()), QStringList({"Wpt 0", "Wpt 1", "Wpt 2"}));
    EXPECT_EQ(other.data.Waypoint(1)->WptName(), "Home");
    EXPECT_EQ(other.data.Waypoint(1)->X(), data.Waypoint(0)->X());
    // An automatic name follows the new slot.
    EXPECT_EQ(other.data.Waypoint(2)->WptName(), "Wpt 003*");
    EXPECT_EQ(other.undo.UndoCaption(), "&Undo Paste");
    EXPECT_EQ(target.SelectedIndexes(), (QList<qint16>{1, 2}));
    other.undo.PerformUndoOperation();
    EXPECT_EQ(Keys(*target.List()), QStringList({"Wpt 0"}));

    // Records typed by hand, with bars, paste into free slots.
    QApplication::clipboard()->setText("Wpt|7|Typed|1000|2000|3|45000|0|[None]\r\n"
                                       "Wpt||8||Second||3000||4000|5|45000|0|note");
    target.Paste();
    ASSERT_EQ(Keys(*target.List()), QStringList({"Wpt 0", "Wpt 1", "Wpt 2"}));
    EXPECT_EQ(other.data.Waypoint(1)->WptName(), "Typed");
    EXPECT_EQ(other.data.Waypoint(1)->Y(), 2000);
    EXPECT_EQ(other.data.Waypoint(2)->WptName(), "Second");
    EXPECT_EQ(other.data.Waypoint(2)->WptSymbol(), 5);
}

// Drops the payload on the list as the windowing system would; true when the list took it.
bool Drop(editors::ListWindow& list, const QMimeData& payload, Qt::DropAction action) {
    QWidget& viewport = *list.List()->viewport();
    return EditorSet::SendDrop(viewport, viewport.rect().center(), payload, action);
}

TEST_F(ListClipboard, TextWithoutRecordsOfTheKindPastesNothingAndDropsOfAnotherKindOrFormatAreRefused) {
    Waypoint(0, "A", 1, 1);
    editors::frmEditWaypoints waypoints(context);
    waypoints.Copy();
    editors::frmEditIcons icons(context);
    EXPECT_FALSE(icons.CanEdit(EditCommand::Paste));
    icons.Paste();
    EXPECT_EQ(data.CountIcons(), 0);
    QApplication::clipboard()->setText("just some words");
    waypoints.Paste();
    EXPECT_EQ(data.CountWaypoints(), 1);
    EXPECT_EQ(undo.Count(), 0);

    // Drops of another kind, of plain text or onto the route list are refused.
    data.AddRoute(0, "R", {0});
    editors::frmEditTrails trails(context);
    editors::frmEditRoutes routes(context);
    std::unique_ptr<QMimeData> records(editors::RecordDragData::Make(data.Waypoint(0)->MakeString()));
    EXPECT_FALSE(Drop(trails, *records, Qt::CopyAction));
    std::unique_ptr<QMimeData> route(editors::RecordDragData::Make(data.Route(0)->MakeString()));
    EXPECT_FALSE(Drop(routes, *route, Qt::CopyAction));
    QMimeData plain;
    plain.setText(data.Waypoint(0)->MakeString());
    EXPECT_FALSE(Drop(waypoints, plain, Qt::CopyAction));
    EXPECT_EQ(undo.Count(), 0);
}

TEST_F(ListClipboard, RoutesIconsAndTrailsPasteAsNewObjects) {
    Waypoint(0, "A", 1, 1);
    data.AddRoute(0, "Rte 001*", {0, 0});
    data.AddLurchIcon(0, 10, 20, 4);
    data.AddTrail(0, "Walk", 0, 0, {1, 2}, {3, 4}, QList<bool>{true, false});
    editors::frmEditRoutes routes(context);
    routes.Copy();
    routes.Paste();
    EXPECT_EQ(Keys(*routes.List()), QStringList({"Rte 0", "Rte 1"}));
    EXPECT_EQ(data.Route(1)->RteName(), "Rte 002*");
    EXPECT_EQ(data.Route(1)->Waypoints(), (QList<qint16>{0, 0}));
    EXPECT_EQ(routes.List()->topLevelItem(1)->text(2), "2");

    editors::frmEditIcons icons(context);
    icons.Copy();
    icons.Paste();
    ASSERT_NE(data.Icon(1), nullptr);
    EXPECT_EQ(data.Icon(1)->IcnSymbol(), 4);
    EXPECT_EQ(data.Icon(1)->Y(), 20);

    editors::frmEditTrails trails(context);
    trails.Copy();
    trails.Paste();
    ASSERT_NE(data.Trail(1), nullptr);
    EXPECT_EQ(data.Trail(1)->NumPoints(), 2);
    EXPECT_EQ(trails.List()->topLevelItem(1)->text(1), "2") << "the row missed the pasted points";
}

TEST_F(ListClipboard, PastedRoutesStopAtTheFirstLegTheUnitHasNoRoomFor) {
    Waypoint(0, "A", 1, 1);
    data.AddRoute(0, "R", {0, 0});
    data.AddRoute(1, "S", {0});
    data.SetMaxNumGPSRouteWaypoints(5);
    editors::frmEditRoutes list(context);
    list.SelectAll();
    list.Copy();
    list.Paste();
    ASSERT_NE(data.Route(2), nullptr);
    EXPECT_EQ(data.Route(2)->NumWaypoints(), 2);
    ASSERT_NE(data.Route(3), nullptr);
    EXPECT_EQ(data.Route(3)->NumWaypoints(), 0);
    EXPECT_EQ(data.CountRouteWpts(), 5);
    ASSERT_FALSE(prompt.shown.isEmpty());
    EXPECT_EQ(prompt.shown.last().title, "Paste Error");
}

} // namespace
