#pragma once

#include "gpsdata/GPSData.h"

#include <QObject>
#include <QStringList>

// Records what a data set announces while a file is loaded: messages and
// list-modified events, in order.
class DataSetRecorder {
public:
    explicit DataSetRecorder(gpsdata::GPSData& data) {
        QObject::connect(&data, &gpsdata::GPSData::FileError, [this](const QString& m) { errors << m; });
        QObject::connect(&data, &gpsdata::GPSData::Warning, [this](const QString& m) { warnings << m; });
        QObject::connect(&data, &gpsdata::GPSData::IconListModified, [this] { lists << "Icon"; });
        QObject::connect(&data, &gpsdata::GPSData::RouteListModified, [this] { lists << "Route"; });
        QObject::connect(&data, &gpsdata::GPSData::TrailListModified, [this] { lists << "Trail"; });
        QObject::connect(&data, &gpsdata::GPSData::WaypointListModified, [this] { lists << "Waypoint"; });
    }

    QStringList errors;
    QStringList warnings;
    QStringList lists;
};
