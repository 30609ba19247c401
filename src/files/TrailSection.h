#pragma once

#include "files/SectionType.h"

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;
class ByteWriter;

// Plot trails: the older form, a start point and 16-bit deltas (type 6, read
// only), and the current form with index, name and points with their
// continuous flags (type 10).
class TrailSection {
public:
    static SectionResult ReadOlder(ByteReader& in, gpsdata::GPSData& data);
    static SectionResult Read(ByteReader& in, gpsdata::GPSData& data);
    // Writes nothing when the data set has no trails.
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);
};

} // namespace files
