#include "files/DataSetFiles.h"

#include "files/FileErrorPrompt.h"
#include "files/GPSDataFile.h"
#include "files/GpxFile.h"
#include "files/PositionListExport.h"
#include "files/PositionListImport.h"
#include "files/SectionMessages.h"
#include "files/UserDataFile.h"
#include "gpsdata/GPSData.h"
#include "linkpod/LinkPod.h"

#include <QCoreApplication>

#include <optional>

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

bool DataSetFiles::RunUserDataFile(gpsdata::GPSData& data, const QString& path, bool save,
                                   linkpod::LinkPod* pod) {
    // The control answers by events; wait for the end here so that callers
    // get a result like any other kind of file.
    if (!QCoreApplication::instance()) {
        SectionMessages::Raise(data, (save ? "Error saving " : "Error opening ") + path +
                                         SectionMessages::CrLf +
                                         "User data files need the program's event loop.");
        return false;
    }
    linkpod::LinkPod own;
    UserDataFile file(data, pod ? *pod : own, data.Prompt(), nullptr);
    std::optional<bool> ok;
    QObject::connect(&file, &UserDataFile::Finished, [&](bool result) { ok = result; });
    if (save)
        file.Save(path);
    else
        file.Open(path);
    while (!ok)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return *ok;
}

bool DataSetFiles::Open(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected,
                        linkpod::LinkPod* pod) {
    data.SetPath(path);
    switch (KindOf(path)) {
    case Kind::UserData:
        // Records replace objects with their index, so empty the set first
        // as every other kind of open does.
        data.NewGPSDataFile();
        return RunUserDataFile(data, path, false, pod);
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

bool DataSetFiles::Save(gpsdata::GPSData& data, const QString& path, linkpod::LinkPod* pod) {
    data.SetPath(path);
    switch (KindOf(path)) {
    case Kind::UserData:
        return RunUserDataFile(data, path, true, pod);
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
