#include "EditorFixture.h"

#include "editors/ListView.h"
#include "editors/RecordDragData.h"
#include "editors/frmEditRoutes.h"
#include "editors/frmEditTrails.h"
#include "editors/frmEditWaypoints.h"

#include <QMimeData>

#include <memory>

namespace {

using ListDragDrop = EditorFixture;

using SecondProgram = EditorSet;

// Drops the payload on the list as the windowing system would; true when the
// list took it.
bool Drop(editors::ListWindow& list, const QMimeData& payload, Qt::DropAction action) {
    QWidget& viewport = *list.List()->viewport();
    return EditorSet::SendDrop(viewport, viewport.rect().center(), payload, action);
}

TEST_F(ListDragDrop, ADropFromAnotherProgramInsertsTheObjectsAsOneStep) {
    SecondProgram other;
    other.Waypoint(0, "Theirs", 45, -122);
    other.Waypoint(1, "Second", 46, -122);
    const QString records =
        other.data.Waypoint(0)->MakeString() + "\r\n" + other.data.Waypoint(1)->MakeString();
    Waypoint(0, "Mine", 1, 1);
    editors::frmEditWaypoints list(context);
    std::unique_ptr<QMimeData> payload(editors::RecordDragData::Make(records));
    ASSERT_TRUE(Drop(list, *payload, Qt::CopyAction));
    EXPECT_EQ(Column(*list.List(), 0), QStringList({"Mine", "Theirs", "Second"}));
    EXPECT_EQ(undo.UndoCaption(), "&Undo Drag Drop");
    undo.PerformUndoOperation();
    EXPECT_EQ(data.CountWaypoints(), 1);
}

TEST_F(ListDragDrop, DropsOfAnotherKindOrFormatOrOntoTheRouteListAreRefused) {
    Waypoint(0, "A", 1, 1);
    data.AddRoute(0, "R", {0});
    editors::frmEditTrails trails(context);
    editors::frmEditRoutes routes(context);
    std::unique_ptr<QMimeData> waypoints(editors::RecordDragData::Make(data.Waypoint(0)->MakeString()));
    EXPECT_FALSE(Drop(trails, *waypoints, Qt::CopyAction));
    std::unique_ptr<QMimeData> route(editors::RecordDragData::Make(data.Route(0)->MakeString()));
    EXPECT_FALSE(Drop(routes, *route, Qt::CopyAction));
    QMimeData plain;
    plain.setText(data.Waypoint(0)->MakeString());
    editors::frmEditWaypoints list(context);
    EXPECT_FALSE(Drop(list, plain, Qt::CopyAction));
    EXPECT_EQ(undo.Count(), 0);
}

} // namespace
