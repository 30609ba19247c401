#pragma once

#include <QString>
#include <QtGlobal>

namespace gpsdata {

// One product of the product table: the limits that depend on the unit model
// and where its software update lives.
struct GPSUnit {
    qint16 ProductNumber = -1;
    qint16 RouteWaypoints = 2000;
    qint16 TrailDeltas = 3000;
    float CurrentSoftwareVersion = 0;
    QString UpdatePostfix;
};

} // namespace gpsdata
