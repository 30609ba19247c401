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
#include <QFile>

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
                                   linkpod::LinkPod* pod, ui::Progress* progress) {
    // The control answers by events; wait for the end here so that callers
    // get a result like any other kind of file.
    if (!QCoreApplication::instance()) {
        SectionMessages::Raise(data, (save ? "Error saving " : "Error opening ") + path +
                                         SectionMessages::CrLf +
                                         "User data files need the program's event loop.");
        return false;
    }
    linkpod::LinkPod own;
    UserDataFile file(data, pod ? *pod : own, data.Prompt(), progress);
    std::optional<bool> ok;
    QObject::connect(&file, &UserDataFile::Finished, [&](bool result) { ok = result; });
    if (save)
        file.Save(path);
    else
        file.Open(path, true);
    while (!ok)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return *ok;
}

OpenResult DataSetFiles::Read(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected,
                              linkpod::LinkPod* pod, ui::Progress* progress) {
    const QString before = data.Path();
    const bool dirty = data.Dirty();
    const OpenResult result = ReadKind(data, path, CurrentlyConnected, pod, progress);
    if (result == OpenResult::Refused) {
        data.SetPath(before);
        data.SetDirty(dirty);
    }
    return result;
}

OpenResult DataSetFiles::ReadKind(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected,
                                  linkpod::LinkPod* pod, ui::Progress* progress) {
    const Kind kind = KindOf(path);
    // Every kind but the sectioned files empties the data set before it
    // reads: a file that cannot be read at all is refused before that.
    if (kind == Kind::PositionList && !QFile(path).open(QIODevice::ReadOnly)) {
        GPSDataFile::RaiseOpenError(data, path, QStringLiteral("The file cannot be opened."));
        return OpenResult::Refused;
    }
    data.SetPath(path);
    switch (kind) {
    case Kind::UserData:
        return RunUserDataFile(data, path, false, pod, progress) ? OpenResult::Opened : OpenResult::Refused;
    case Kind::Gpx:
        return GpxFile::Open(data, path) ? OpenResult::Opened : OpenResult::Refused;
    case Kind::PositionList: {
        data.NewGPSDataFile();
        data.SetPath(path);
        FileErrorPrompt prompt(data);
        const bool imported =
            PositionListImport(data, prompt).Import(path, false) == PositionListImport::Result::Imported;
        data.SetDirty(!imported);
        return imported ? OpenResult::Opened : OpenResult::Damaged;
    }
    case Kind::Sectioned:
        break;
    }
    return GPSDataFile(data).OpenFile(CurrentlyConnected);
}

bool DataSetFiles::Open(gpsdata::GPSData& data, const QString& path, bool CurrentlyConnected,
                        linkpod::LinkPod* pod) {
    return Read(data, path, CurrentlyConnected, pod) == OpenResult::Opened;
}

bool DataSetFiles::Save(gpsdata::GPSData& data, const QString& path, linkpod::LinkPod* pod,
                        ui::Progress* progress) {
    // The data set names the file that holds it: one not written leaves that
    // the old one.
    const QString before = data.Path();
    const bool saved = SaveKind(data, path, pod, progress);
    if (!saved)
        data.SetPath(before);
    return saved;
}

bool DataSetFiles::SaveKind(gpsdata::GPSData& data, const QString& path, linkpod::LinkPod* pod,
                            ui::Progress* progress) {
    data.SetPath(path);
    switch (KindOf(path)) {
    case Kind::UserData:
        return RunUserDataFile(data, path, true, pod, progress);
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
