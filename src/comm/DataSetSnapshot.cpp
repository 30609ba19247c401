#include "comm/DataSetSnapshot.h"

#include "gpsdata/CollectionCopy.h"

namespace comm {

DataSetSnapshot::DataSetSnapshot(gpsdata::GPSData& data)
    : data_(data), waypoints_(gpsdata::CollectionCopy(data, data.Waypoints())),
      routes_(gpsdata::CollectionCopy(data, data.Routes())),
      icons_(gpsdata::CollectionCopy(data, data.Icons())),
      trails_(gpsdata::CollectionCopy(data, data.Trails())) {}

void DataSetSnapshot::Restore() const {
    data_.SetRoutes();
    data_.SetWaypoints(gpsdata::CollectionCopy(data_, waypoints_));
    data_.SetRoutes(gpsdata::CollectionCopy(data_, routes_));
    data_.SetIcons(gpsdata::CollectionCopy(data_, icons_));
    data_.SetTrails(gpsdata::CollectionCopy(data_, trails_));
}

} // namespace comm
