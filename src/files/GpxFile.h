#pragma once

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

struct GpxDocument;

// GPX exchange for the data set: waypoints as wpt, routes as rte, trails as
// trk with one trkseg per continuous run, icons as wpt marked in our
// extension. Opening replaces the data set, like opening a sectioned file;
// a file that does not parse changes nothing.
class GpxFile {
public:
    static bool IsGpxFile(const QString& path) { return path.endsWith(".gpx", Qt::CaseInsensitive); }

    // Problems are FileError texts of the data set.
    // True when the file was read (what did not fit the limits is left out).
    static bool Open(gpsdata::GPSData& data, const QString& path);
    static bool Save(gpsdata::GPSData& data, const QString& path);

    static GpxDocument ToDocument(const gpsdata::GPSData& data);
    // Loads a parsed document into the emptied data set, within its limits.
    static void Load(gpsdata::GPSData& data, const GpxDocument& document);
};

} // namespace files
