#pragma once

#include "gpsdata/GPSData.h"

namespace comm {

// Copies of the data set's four collections, taken before a download so that
// a download the link breaks off can be put back as it was.
class DataSetSnapshot {
public:
    explicit DataSetSnapshot(gpsdata::GPSData& data);
    void Restore() const;

private:
    gpsdata::GPSData& data_;
    gpsdata::WaypointCollection waypoints_;
    gpsdata::RouteCollection routes_;
    gpsdata::IconCollection icons_;
    gpsdata::TrailCollection trails_;
};

} // namespace comm
