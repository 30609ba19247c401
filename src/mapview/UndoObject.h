#pragma once

#include "gpsdata/GPSData.h"

#include <QString>

#include <array>
#include <cstdint>

namespace mapview {

// One undo step: a copy of the whole GPS data set (every trail, icon, waypoint
// and route, the edited leg and the unit limits) taken before a command.
class UndoObject {
public:
    explicit UndoObject(gpsdata::GPSData& data) : data_(data) {}

    QString OperationName;

    bool MapOperation() const { return mapOperation_; }
    // Stores the value and takes the snapshot.
    void SetMapOperation(bool value);

    // Puts the snapshot back into the data set. The data set receives copies,
    // so the step can be restored again after later edits.
    void Undo() const;
    // Map borders are not part of the snapshot: the border engine keeps its own undo.
    void RestorePolygons() const {}

private:
    gpsdata::GPSData& data_;
    bool mapOperation_ = false;
    gpsdata::TrailCollection trails_;
    gpsdata::IconCollection icons_;
    gpsdata::WaypointCollection waypoints_;
    gpsdata::RouteCollection routes_;
    int editingRouteLeg_ = 0;
    std::array<std::int16_t, 8> limits_{};
};

} // namespace mapview
