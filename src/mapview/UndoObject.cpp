#include "mapview/UndoObject.h"

#include "carver/Carver.h"
#include "gpsdata/CollectionCopy.h"

namespace mapview {

void UndoObject::SetMapOperation(bool value) {
    mapOperation_ = value;
    trails_ = gpsdata::CollectionCopy(data_, data_.Trails());
    icons_ = gpsdata::CollectionCopy(data_, data_.Icons());
    waypoints_ = gpsdata::CollectionCopy(data_, data_.Waypoints());
    routes_ = gpsdata::CollectionCopy(data_, data_.Routes());
    editingRouteLeg_ = data_.EditingRouteLeg();
    limits_ = {data_.MaxNumGPSWaypoints(),      data_.MaxNumGPSRoutes(),      data_.MaxNumGPSTrails(),
               data_.MaxNumGPSIcons(),          data_.MaxNumGPSIconSymbols(), data_.MaxNumGPSWptsPerRoute(),
               data_.MaxNumGPSRouteWaypoints(), data_.MaxNumGPSTrailDeltas()};
    // Every step keeps the borders: a map operation is redone from the step
    // after it, whatever that step was.
    if (borders_)
        polygons_ = borders_->Borders();
}

void UndoObject::RestorePolygons() const {
    if (!borders_)
        return;
    borders_->KClearAll();
    for (const carver::Border& border : polygons_) {
        borders_->KAddPolyline(border.closed ? 1 : 0);
        for (const QPoint& vertex : border.vertices)
            borders_->KAddPolyPoint(vertex.x(), vertex.y());
    }
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
    data_.SetIcons(gpsdata::CollectionCopy(data_, icons_));
    data_.SetWaypoints(gpsdata::CollectionCopy(data_, waypoints_));
    data_.SetRoutes(gpsdata::CollectionCopy(data_, routes_));
    data_.SetTrails(gpsdata::CollectionCopy(data_, trails_));
}

} // namespace mapview
