#pragma once

#include "files/SectionType.h"

#include <QtGlobal>

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
    static SectionResult Read(ByteReader& in, gpsdata::GPSData& data);
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);

private:
    static bool Apply(gpsdata::GPSData& data, qint32 key, qint16 value);
};

} // namespace files
