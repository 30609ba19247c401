#include "app/GPSFileCommands.h"

#include "app/BusyCursor.h"
#include "app/FileChooser.h"
#include "app/ProgramSettings.h"
#include "app/RecentFiles.h"
#include "app/SavePrompt.h"
#include "files/DataSetFiles.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "mapview/UndoStack.h"

#include <QFileInfo>

namespace app {

// GPX, the desktop's common exchange format, is offered beside the unit's
// own formats.
const QString GPSFileCommands::OpenFilter = QStringLiteral(
    "GPS Data File (*.usr)|*.usr|KTR File (*.nrv)|*.nrv|GPX File (*.gpx)|*.gpx|All Files (*.*)|*.*");
const QString GPSFileCommands::SaveFilter =
    QStringLiteral("GPS Data File (*.usr)|*.usr|GPX File (*.gpx)|*.gpx|All Files (*.*)|*.*");

const QString GPSFileCommands::NotAPositionListText = QStringLiteral(
    "A position list (.txt) keeps only the names and positions of the waypoints: routes, icons, "
    "trails, symbols, comments, dates and the unit's limits would be lost.\n\n"
    "Choose another name to save all of the GPS data (.usr, .nrv or .gpx), "
    "or use File > Export... to write a position list.");

GPSFileCommands::GPSFileCommands(gpsdata::GPSData& data, mapview::UndoStack& undo, RecentFiles& recent,
                                 ProgramSettings& settings, ui::Prompt& prompt, QObject* parent)
    : QObject(parent), data_(data), undo_(undo), recent_(recent), settings_(settings), prompt_(prompt),
      connected_([] { return false; }) {}

bool GPSFileCommands::AbortGPSDirty(const QString& message) {
    return SavePrompt::AbortIfDirty(
        prompt_, message.isEmpty() ? SavePrompt::GPSChangedText(data_.Path()) : message,
        [this] { return data_.Dirty(); }, [this] { Save(); });
}

void GPSFileCommands::NewFile() {
    if (AbortGPSDirty())
        return;
    data_.NewGPSDataFile();
    data_.SetDirty(false);
    // Undoing into another file's data would mix two files.
    undo_.ClearUndoStack();
    emit FilesChanged();
    emit Loaded();
}

void GPSFileCommands::Open() {
    if (AbortGPSDirty() || !chooser_)
        return;
    const QString path = chooser_->OpenName(
        {QStringLiteral("Open GPS Data File"), OpenFilter, settings_.gpsDataPath, QStringLiteral("usr")});
    if (!path.isEmpty())
        Load(path);
}

bool GPSFileCommands::Load(const QString& path) {
    files::OpenResult result;
    {
        const BusyCursor busy;
        result = files::DataSetFiles::Read(data_, path, connected_(), pod_, progress_);
    }
    // A refused file (or a cancelled load) changed nothing: the data, its
    // changed flag and the undo steps stay as they were.
    if (result == files::OpenResult::Refused)
        return false;
    if (result == files::OpenResult::Opened)
        Remember(path);
    // What a damaged file gave is in no file as it stands, so it is not
    // discarded without a question.
    data_.SetDirty(result == files::OpenResult::Damaged);
    undo_.ClearUndoStack();
    emit FilesChanged();
    emit Loaded();
    return result == files::OpenResult::Opened;
}

bool GPSFileCommands::Save() {
    // Data opened from a position list is saved under a name that keeps it
    // all, as untitled data is.
    if (data_.Path().isEmpty() || !files::DataSetFiles::KeepsWholeDataSet(data_.Path()))
        return SaveAs();
    return SaveTo(data_.Path());
}

bool GPSFileCommands::SaveAs() {
    if (!chooser_)
        return false;
    const QString path = chooser_->SaveName(
        {QStringLiteral("Save GPS Data File As"), SaveFilter, settings_.gpsDataPath, QStringLiteral("usr")});
    return !path.isEmpty() && SaveTo(path);
}

bool GPSFileCommands::SaveTo(const QString& path) {
    // Written as a position list the data would lose everything but the
    // waypoints' names and positions, yet read as saved; the list itself is
    // written by File > Export.
    if (!files::DataSetFiles::KeepsWholeDataSet(path)) {
        prompt_.Message(QStringLiteral("Save GPS Data File As"), NotAPositionListText, ui::Icon::Exclamation);
        return false;
    }
    // A failed save is told through the data set's FileError and keeps the
    // data marked as changed; so does a cancelled one, untold.
    if (!files::DataSetFiles::Save(data_, path, pod_, progress_))
        return false;
    data_.SetDirty(false);
    Remember(path);
    emit FilesChanged();
    return true;
}

void GPSFileCommands::Remember(const QString& path) {
    recent_.Add(path);
    settings_.gpsDataPath = QFileInfo(path).absolutePath();
}

} // namespace app
