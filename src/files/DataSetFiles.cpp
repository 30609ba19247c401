#include "files/DataSetFiles.h"

#include "files/FileErrorPrompt.h"
#include "files/GPSDataFile.h"
#include "files/GpxFile.h"
#include "files/PositionListExport.h"
#include "files/PositionListImport.h"
#include "files/SectionMessages.h"
#include "gpsdata/GPSData.h"

namespace files {

DataSetFiles::Kind DataSetFiles::KindOf(const QString& path) {
    if (GPSDataFile::IsUserDataFile(path))
        return Kind::UserData;
    if (GpxFile::IsGpxFile(path))
        return Kind::Gpx;
    if (path.endsWith(".txt", Qt::CaseInsensitive))
        return Kind::PositionList;
    return Kind::Sectioned;
}

void DataSetFiles::RaiseUserDataUnavailable(gpsdata::GPSData& data, const QString& action,
                                            const QString& path) {
    // User data files are read and written by the communication control.
    SectionMessages::Raise(data, action + path + SectionMessages::CrLf +
                                     "User data files (.usr) need the communication control.");
}

bool DataSetFiles::Open(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected) {
    data.SetPath(path);
    switch (KindOf(path)) {
    case Kind::UserData:
        RaiseUserDataUnavailable(data, "Error opening ", path);
        return false;
    case Kind::Gpx:
        return GpxFile::Open(data, path);
    case Kind::PositionList: {
        data.NewGPSDataFile();
        data.SetPath(path);
        FileErrorPrompt prompt(data);
        const bool imported =
            PositionListImport(data, prompt).Import(path, false) == PositionListImport::Result::Imported;
        data.SetDirty(false);
        return imported;
    }
    case Kind::Sectioned:
        break;
    }
    return GPSDataFile(data).OpenFile(CurrentlyConnected);
}

bool DataSetFiles::Save(gpsdata::GPSData& data, const QString& path) {
    data.SetPath(path);
    switch (KindOf(path)) {
    case Kind::UserData:
        RaiseUserDataUnavailable(data, "Error saving ", path);
        return false;
    case Kind::Gpx:
        return GpxFile::Save(data, path);
    case Kind::PositionList: {
        const QString failure = PositionListExport::Save(
            path, PositionListExport::WaypointLines(data, data.Waypoints().Keys(), true));
        if (failure.isEmpty())
            return true;
        SectionMessages::Raise(data, "Error saving " + path + SectionMessages::CrLf + failure);
        return false;
    }
    case Kind::Sectioned:
        break;
    }
    return GPSDataFile(data).SaveFile();
}

} // namespace files
