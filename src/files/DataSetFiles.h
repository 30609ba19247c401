#pragma once

#include "files/OpenResult.h"

#include <QString>

namespace gpsdata {
class GPSData;
}
namespace linkpod {
class LinkPod;
}
namespace ui {
class Progress;
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
    // False for the position lists, which keep only the waypoints' names
    // and positions: saving the data set as one loses the rest.
    static bool KeepsWholeDataSet(const QString& path) { return KindOf(path) != Kind::PositionList; }

    // Replaces the data set's contents with the file's. A refused file
    // (one that cannot be read, or is no file of its kind) leaves the data
    // set as it was, its path and changed flag included.
    // User data files go through `pod`, the program's communication control,
    // or a control of their own when none is given; the call returns when the
    // control has finished. They show their percentage on `progress`, where
    // the user may cancel: a cancelled read is a refused one.
    static OpenResult Read(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected = false,
                           linkpod::LinkPod* pod = nullptr, ui::Progress* progress = nullptr);
    // Read, true when the file was read without a problem.
    static bool Open(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected = false,
                     linkpod::LinkPod* pod = nullptr);
    // False when the file was not written whole (or the user cancelled);
    // the data set's path then stays the one it had.
    static bool Save(gpsdata::GPSData& data, const QString& path, linkpod::LinkPod* pod = nullptr,
                     ui::Progress* progress = nullptr);

private:
    static OpenResult ReadKind(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected,
                               linkpod::LinkPod* pod, ui::Progress* progress);
    static bool SaveKind(gpsdata::GPSData& data, const QString& path, linkpod::LinkPod* pod,
                         ui::Progress* progress);
    static bool RunUserDataFile(gpsdata::GPSData& data, const QString& path, bool save, linkpod::LinkPod* pod,
                                ui::Progress* progress);
};

} // namespace files
