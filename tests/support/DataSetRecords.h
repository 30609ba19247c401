#pragma once

#include "gpsdata/GPSData.h"

#include <QString>
#include <QStringList>

namespace testing_support {

// Every object of a data set as its text record, in collection order: two data
// sets with the same records hold the same objects. Waypoints carry their
// altitude, and trails go point by point (their record holds degrees and no breaks).
inline QStringList DataSetRecords(const gpsdata::GPSData& data) {
    QStringList records;
    for (const auto& e : data.Waypoints())
        records << e.object->MakeString() + QString(" at %1").arg(e.object->Altitude);
    for (const auto& e : data.Routes())
        records << e.object->MakeString();
    for (const auto& e : data.Icons())
        records << e.object->MakeString();
    for (const auto& e : data.Trails()) {
        records << e.object->TrlName();
        for (int p = 0; p < e.object->NumPoints(); ++p)
            records << QString("%1 %2 %3")
                           .arg(e.object->PointX(p))
                           .arg(e.object->PointY(p))
                           .arg(e.object->Continuous(p));
    }
    return records;
}

} // namespace testing_support
