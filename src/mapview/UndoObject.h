#pragma once

#include "carver/Border.h"
#include "gpsdata/GPSData.h"

#include <QString>

#include <array>
#include <cstdint>

class Carver;

namespace mapview {

// One undo step: a copy of the whole GPS data set (every trail, icon, waypoint
// and route, the edited leg and the unit limits) taken before a command, and
// of the map borders when there is a border engine.
class UndoObject {
public:
    explicit UndoObject(gpsdata::GPSData& data, Carver* borders = nullptr) : data_(data), borders_(borders) {}

    QString OperationName;

    bool MapOperation() const { return mapOperation_; }
    // Stores the value and takes the snapshot.
    void SetMapOperation(bool value);

    // Puts the snapshot back into the data set. The data set receives copies,
    // so the step can be restored again after later edits.
    void Undo() const;
    // Puts the borders back as they were; a border being drawn is dropped.
    // Only the steps of map operations call it: the border engine keeps its
    // own undo of drawing.
    void RestorePolygons() const;

private:
    gpsdata::GPSData& data_;
    Carver* borders_;
    QList<carver::Border> polygons_;
    bool mapOperation_ = false;
    gpsdata::TrailCollection trails_;
    gpsdata::IconCollection icons_;
    gpsdata::WaypointCollection waypoints_;
    gpsdata::RouteCollection routes_;
    int editingRouteLeg_ = 0;
    std::array<std::int16_t, 8> limits_{};
};

} // namespace mapview
