#pragma once

#include "files/SectionType.h"

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;
class ByteWriter;

// Type 1: the product number, the unit's limits and the symbols it accepts,
// as key and value pairs.
class ProductSection {
public:
    // Limits are stored without cutting data already read. A negative limit
    // gives NegativeLimit with `reason` naming it.
    static SectionResult Read(ByteReader& in, gpsdata::GPSData& data, QString& reason);
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);

private:
    static SectionResult Apply(gpsdata::GPSData& data, qint32 key, qint16 value, QString& reason);
};

} // namespace files
