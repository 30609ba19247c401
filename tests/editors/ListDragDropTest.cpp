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

// Drops the payload on the list as the windowing system would; true when the
// list took it.
bool Drop(editors::ListWindow& list, const QMimeData& payload, Qt::DropAction action) {
    QWidget& viewport = *list.List()->viewport();
    return EditorSet::SendDrop(viewport, viewport.rect().center(), payload, action);
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
