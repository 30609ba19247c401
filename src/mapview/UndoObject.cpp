#include "mapview/UndoObject.h"

#include <memory>

namespace mapview {

namespace {

template <typename T>
gpsdata::OrderedMap<T> CopyOf(gpsdata::GPSData& data, const gpsdata::OrderedMap<T>& source) {
    gpsdata::OrderedMap<T> copy;
    for (const auto& entry : source) {
        auto object = std::make_shared<T>(data);
        object->Copy(*entry.object);
        copy.Insert(entry.key, std::move(object));
    }
    return copy;
}

} // namespace

void UndoObject::SetMapOperation(bool value) {
    mapOperation_ = value;
    trails_ = CopyOf(data_, data_.Trails());
    icons_ = CopyOf(data_, data_.Icons());
    waypoints_ = CopyOf(data_, data_.Waypoints());
    routes_ = CopyOf(data_, data_.Routes());
    editingRouteLeg_ = data_.EditingRouteLeg();
    limits_ = {data_.MaxNumGPSWaypoints(),      data_.MaxNumGPSRoutes(),      data_.MaxNumGPSTrails(),
               data_.MaxNumGPSIcons(),          data_.MaxNumGPSIconSymbols(), data_.MaxNumGPSWptsPerRoute(),
               data_.MaxNumGPSRouteWaypoints(), data_.MaxNumGPSTrailDeltas()};
}

void UndoObject::Undo() const {
    data_.SetEditingRouteLeg(editingRouteLeg_);
    data_.SetIcons();
    data_.SetWaypoints();
    data_.SetRoutes();
    data_.SetTrails();
    data_.SetMaxNumGPSWaypoints(limits_[0]);
    data_.SetMaxNumGPSRoutes(limits_[1]);
    data_.SetMaxNumGPSTrails(limits_[2]);
    data_.SetMaxNumGPSIcons(limits_[3]);
    data_.SetMaxNumGPSIconSymbols(limits_[4]);
    data_.SetMaxNumGPSWptsPerRoute(limits_[5]);
    data_.SetMaxNumGPSRouteWaypoints(limits_[6]);
    data_.SetMaxNumGPSTrailDeltas(limits_[7]);
    data_.SetIcons(CopyOf(data_, icons_));
    data_.SetWaypoints(CopyOf(data_, waypoints_));
    data_.SetRoutes(CopyOf(data_, routes_));
    data_.SetTrails(CopyOf(data_, trails_));
}

} // namespace mapview
