#include "app/WorkspaceCommands.h"

#include "app/BusyCursor.h"
#include "app/FileChooser.h"
#include "app/MapFile.h"
#include "app/ProgramSettings.h"
#include "app/SavePrompt.h"
#include "app/SettingsLoader.h"
#include "carver/Carver.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"
#include "mapview/UndoStack.h"

#include <QFileInfo>

namespace app {

const QString WorkspaceCommands::OpenFilter =
    QStringLiteral("All Files (*.*)|*.*|Map Border File (*.nmp)|*.nmp");
const QString WorkspaceCommands::SaveFilter =
    QStringLiteral("All Files (*.*)|*.*|Map Border Files (*.nmp)|*.nmp");

WorkspaceCommands::WorkspaceCommands(mapbuild::MapData& map, MapFile& file, SettingsLoader& loader,
                                     ProgramSettings& settings, mapview::UndoStack& undo, ui::Prompt& prompt,
                                     QObject* parent)
    : QObject(parent), map_(map), file_(file), loader_(loader), settings_(settings), undo_(undo),
      prompt_(prompt) {}

bool WorkspaceCommands::AbortMapDirty(const QString& message) {
    return SavePrompt::AbortIfDirty(
        prompt_, message.isEmpty() ? SavePrompt::MapChangedText(map_.FileName()) : message,
        [this] { return map_.Dirty(); }, [this] { Save(); });
}

void WorkspaceCommands::NewFile() {
    if (AbortMapDirty())
        return;
    map_.ClearMap();
    emit FilesChanged();
}

QString WorkspaceCommands::Choose(const QString& title) {
    if (!chooser_)
        return {};
    return chooser_->OpenName({title, OpenFilter, settings_.mapBorderDataPath, QStringLiteral("nmp")});
}

void WorkspaceCommands::Open() {
    if (AbortMapDirty())
        return;
    const QString path = Choose(QStringLiteral("Open Map Border File"));
    if (!path.isEmpty())
        Load(path);
}

void WorkspaceCommands::Load(const QString& path) {
    map_.ClearMap();
    map_.SetFileName(path);
    bool loaded;
    {
        const BusyCursor busy;
        loaded = file_.LoadMapFile(path);
    }
    if (loaded) {
        map_.SetDirty(false);
        settings_.mapBorderDataPath = QFileInfo(path).absolutePath();
    } else {
        // What a damaged file gave is in no file as it stands: it is not
        // saved over that file without a name being chosen, nor discarded
        // without a question.
        map_.SetFileName(QString());
        map_.SetDirty(!file_.ReadOptions().isEmpty() || map_.Borders().KGetNumPolygons() > 0);
    }
    emit FilesChanged();
}

void WorkspaceCommands::Merge() {
    const QString path = Choose(QStringLiteral("Merge Map"));
    if (path.isEmpty())
        return;
    undo_.PushUndoOperation(true, QStringLiteral("Merge Map"));
    {
        const BusyCursor busy;
        file_.LoadMapFile(path);
    }
    // The merged borders are not yet in any file.
    map_.SetDirty(true);
    emit FilesChanged();
}

bool WorkspaceCommands::Save() {
    const QString name = map_.FileName();
    if (name.isEmpty() || name == QLatin1String("Untitled"))
        return SaveAs();
    return SaveTo(name);
}

bool WorkspaceCommands::SaveAs() {
    if (!chooser_)
        return false;
    const QString path = chooser_->SaveName({QStringLiteral("Save Map Borders As"), SaveFilter,
                                             settings_.mapBorderDataPath, QStringLiteral("nmp")});
    if (path.isEmpty())
        return false;
    map_.SetFileName(path);
    return SaveTo(path);
}

bool WorkspaceCommands::SaveTo(const QString& path) {
    QString error;
    if (!file_.SaveMapFile(path, false, &error)) {
        prompt_.Message(QStringLiteral("File Error"),
                        QStringLiteral("Error saving ") + path + QStringLiteral("\r\n") + error,
                        ui::Icon::Critical);
        return false;
    }
    map_.SetDirty(false);
    settings_.mapBorderDataPath = QFileInfo(path).absolutePath();
    emit FilesChanged();
    return true;
}

void WorkspaceCommands::RestoreDefaults() {
    if (AbortMapDirty())
        return;
    loader_.RestoreDefaults();
    emit DefaultsRestored();
    emit FilesChanged();
}

} // namespace app
