#pragma once

#include "print/TableSection.h"

#include <QList>

namespace gpsdata {
class GPSData;
}

namespace print {

// The printed tables of the data set: the chosen objects (by index) in the
// data set's order, positions in its position format.
class PrintTables {
public:
    static QList<TableSection> Waypoints(const gpsdata::GPSData& data, const QList<qint16>& items);
    // One section per route, a row per route waypoint in route order.
    static QList<TableSection> Routes(const gpsdata::GPSData& data, const QList<qint16>& items);
    static QList<TableSection> Icons(const gpsdata::GPSData& data, const QList<qint16>& items);
};

} // namespace print
