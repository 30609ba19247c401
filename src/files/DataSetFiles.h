#pragma once

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

// Opens and saves the data set in the format its file name asks for:
// sectioned files (every name that is none of the others), GPX (".gpx"),
// position lists (".txt", waypoints only) and the unit's user data files
// (".usr" anywhere in the name). Problems are the data set's FileError texts.
class DataSetFiles {
public:
    enum class Kind { Sectioned, Gpx, PositionList, UserData };

    static Kind KindOf(const QString& path);

    // Replaces the data set's contents with the file's; true when the file
    // was read without a problem.
    static bool Open(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected = false);
    static bool Save(gpsdata::GPSData& data, const QString& path);

private:
    static void RaiseUserDataUnavailable(gpsdata::GPSData& data, const QString& action, const QString& path);
};

} // namespace files
