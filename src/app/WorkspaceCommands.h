#pragma once

#include <QObject>
#include <QString>

namespace mapbuild {
class MapData;
}
namespace mapview {
class UndoStack;
}
namespace ui {
class Prompt;
}

namespace app {

class FileChooser;
class MapFile;
class SettingsLoader;
struct ProgramSettings;

// The File menu's commands for workspaces (map borders and map options):
// new, open, merge, save, save as and restore defaults, with the question
// asked before a changed map would be lost.
class WorkspaceCommands : public QObject {
    Q_OBJECT
public:
    static const QString OpenFilter;
    static const QString SaveFilter;

    WorkspaceCommands(mapbuild::MapData& map, MapFile& file, SettingsLoader& loader,
                      ProgramSettings& settings, mapview::UndoStack& undo, ui::Prompt& prompt,
                      QObject* parent = nullptr);

    void SetChooser(FileChooser* chooser) { chooser_ = chooser; }

    // True when the caller must abort (Cancel, or a save that did not happen).
    bool AbortMapDirty(const QString& message = QString());

    void NewFile();
    void Open();
    // After the dirty question: replaces the map definition with the file's.
    void Load(const QString& path);
    // Reads a workspace into the current map, as the undo step "Merge Map".
    void Merge();
    // False when nothing was saved.
    bool Save();
    bool SaveAs();
    void RestoreDefaults();

signals:
    void FilesChanged();
    // "default.ini" was read again: the main window applies every setting again.
    void DefaultsRestored();

private:
    QString Choose(const QString& title);
    bool SaveTo(const QString& path);

    mapbuild::MapData& map_;
    MapFile& file_;
    SettingsLoader& loader_;
    ProgramSettings& settings_;
    mapview::UndoStack& undo_;
    ui::Prompt& prompt_;
    FileChooser* chooser_ = nullptr;
};

} // namespace app
