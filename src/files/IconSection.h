#pragma once

#include "files/SectionType.h"

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;
class ByteWriter;

// Type 5: icons as {symbol, latitude, longitude}; a record's place is its slot.
class IconSection {
public:
    static SectionResult Read(ByteReader& in, gpsdata::GPSData& data);
    // Writes nothing when the data set has no icons.
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);
};

} // namespace files
