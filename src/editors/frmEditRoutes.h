#pragma once

#include "editors/ObjectListWindow.h"

namespace editors {

// The route list: each route's name, total distance, number of route
// waypoints and number. A route's distance follows its waypoints, so the rows
// of the routes through a waypoint are written again when it moves.
class frmEditRoutes : public ObjectListWindow<gpsdata::RouteObject> {
    Q_OBJECT
public:
    explicit frmEditRoutes(EditorContext& context, QWidget* parent = nullptr);

protected:
    void WriteRow(ListRow& row, qint16 index) override;
    void AddPopupEntries(QMenu& menu, qint16 index) override;

private:
    void WaypointMoved(qint16 waypoint);
};

} // namespace editors
