#pragma once

#include "editors/ObjectListWindow.h"

namespace editors {

// The waypoint list: the waypoints the user keeps (type 0), each with its
// symbol, position, date and number. Route-only waypoints are not listed.
class frmEditWaypoints : public ObjectListWindow<gpsdata::WaypointObject> {
    Q_OBJECT
public:
    explicit frmEditWaypoints(EditorContext& context, QWidget* parent = nullptr);

protected:
    bool Keeps(const gpsdata::WaypointObject& waypoint) const override;
    void WriteRow(ListRow& row, qint16 index) override;
};

} // namespace editors
