#pragma once

#include "files/SectionType.h"

namespace gpsdata {
class GPSData;
class WaypointObject;
} // namespace gpsdata

namespace files {

class ByteReader;
class ByteWriter;

// Waypoints: the older fixed 36-byte records (type 2, read only) and the
// current records with index, internal position, type and comment (type 9).
// A type-9 record ends with the comment length, the type, then the comment.
class WaypointSection {
public:
    static SectionResult ReadOlder(ByteReader& in, gpsdata::GPSData& data);
    static SectionResult Read(ByteReader& in, gpsdata::GPSData& data);
    // Writes nothing when the data set has no waypoints.
    static void Write(ByteWriter& out, const gpsdata::GPSData& data);

private:
    static void WriteRecord(ByteWriter& out, const gpsdata::WaypointObject& waypoint);
};

} // namespace files
