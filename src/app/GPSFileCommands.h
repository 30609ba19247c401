#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace gpsdata {
class GPSData;
}
namespace linkpod {
class LinkPod;
}
namespace mapview {
class UndoStack;
}
namespace ui {
class Progress;
class Prompt;
} // namespace ui

namespace app {

class FileChooser;
class RecentFiles;
struct ProgramSettings;

// The File menu's commands for the GPS data set: new, open, save and save as,
// with the question asked before changed data would be lost.
class GPSFileCommands : public QObject {
    Q_OBJECT
public:
    static const QString OpenFilter;
    static const QString SaveFilter;
    // Why the GPS data is not saved under a position list's name.
    static const QString NotAPositionListText;

    GPSFileCommands(gpsdata::GPSData& data, mapview::UndoStack& undo, RecentFiles& recent,
                    ProgramSettings& settings, ui::Prompt& prompt, QObject* parent = nullptr);

    void SetChooser(FileChooser* chooser) { chooser_ = chooser; }
    // Whether a unit is connected: its limits then stay in force on a load.
    void SetConnectedSource(std::function<bool()> connected) { connected_ = std::move(connected); }
    // The program's communication control, which reads and writes the
    // unit's user data files.
    void SetControl(linkpod::LinkPod* pod) { pod_ = pod; }
    // Where long loads and saves show their percentage and may be cancelled.
    void SetProgress(ui::Progress* progress) { progress_ = progress; }

    // True when the caller must abort (Cancel, or a save that did not happen).
    bool AbortGPSDirty(const QString& message = QString());

    void NewFile();
    void Open();
    // After the dirty question: reads the file into the data set. Only a file
    // read whole joins the recent files; true for those.
    bool Load(const QString& path);
    // False when nothing was saved.
    bool Save();
    bool SaveAs();

signals:
    // A file was opened or saved: the recent-file menu and captions follow.
    void FilesChanged();
    // A file was read into the data set.
    void Loaded();

private:
    bool SaveTo(const QString& path);
    void Remember(const QString& path);

    gpsdata::GPSData& data_;
    mapview::UndoStack& undo_;
    RecentFiles& recent_;
    ProgramSettings& settings_;
    ui::Prompt& prompt_;
    FileChooser* chooser_ = nullptr;
    std::function<bool()> connected_;
    linkpod::LinkPod* pod_ = nullptr;
    ui::Progress* progress_ = nullptr;
};

} // namespace app
