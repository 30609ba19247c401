#include "comm/DataSetSnapshot.h"

#include <memory>

namespace comm {

namespace {

// Objects are copied, not shared: a download changes routes in place when it
// deletes the waypoints they use.
template <typename T>
gpsdata::OrderedMap<T> Duplicate(gpsdata::GPSData& data, const gpsdata::OrderedMap<T>& from) {
    gpsdata::OrderedMap<T> out;
    for (const auto& entry : from) {
        auto object = std::make_shared<T>(data);
        object->Copy(*entry.object);
        out.Insert(entry.key, std::move(object));
    }
    return out;
}

} // namespace

DataSetSnapshot::DataSetSnapshot(gpsdata::GPSData& data)
    : data_(data), waypoints_(Duplicate(data, data.Waypoints())), routes_(Duplicate(data, data.Routes())),
      icons_(Duplicate(data, data.Icons())), trails_(Duplicate(data, data.Trails())) {}

void DataSetSnapshot::Restore() const {
    data_.SetRoutes();
    data_.SetWaypoints(Duplicate(data_, waypoints_));
    data_.SetRoutes(Duplicate(data_, routes_));
    data_.SetIcons(Duplicate(data_, icons_));
    data_.SetTrails(Duplicate(data_, trails_));
}

} // namespace comm
