#pragma once

#include "app/FileChooser.h"
#include "app/GuiPrompt.h"
#include "app/HelpLauncher.h"
#include "app/ProgramSettings.h"
#include "app/PromptRelay.h"
#include "app/RecentFiles.h"
#include "app/UnitUpdater.h"
#include "app/WindowArranger.h"
#include "carver/Carver.h"
#include "comm/Connection.h"
#include "linkpod/LinkPod.h"
#include "mapbuild/MasterCategories.h"
#include "mapview/MasterMapLayer.h"
#include "unitwindows/frmProgress.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QPainter;

namespace comm {
class UnitIdentity;
}
namespace gpsdata {
class GPSData;
}
namespace mapbuild {
class MapData;
}
namespace mapview {
class UndoStack;
class WindowObject;
} // namespace mapview
namespace print {
class PrintCommands;
struct MapLayers;
} // namespace print
namespace unitwindows {
class MapUnitCommands;
class UnitConnect;
class UnitTransfers;
} // namespace unitwindows

namespace app {

class AutoArrange;
class BusyStatus;
class EditingCommands;
class CarverEngine;
class CommandState;
class MapBuildCommands;
class MessagePanel;
class ViewportDetail;
class GPSFileCommands;
class LayerTreePane;
class MainCommands;
class MapEditing;
class MapFile;
class SettingsLoader;
class WorkspaceCommands;
class MapMouse;
class MapViewControl;
class PositionListCommands;
class SingleInstance;
class StatusPanels;
class frmTerrafold;

// The main window: a frame for the map window and the list windows, with the
// menus, toolbar and status bar, the file commands and the save prompts.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // `instance` (may be null) is the single-instance channel that this window
    // answers once it is loaded.
    explicit frmMain(SingleInstance* instance = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    // Where the settings file and the user's data live; before Load.
    void SetFolders(const QString& config, const QString& data);
    // The master map's "res" folder; the one beside the program otherwise.
    void SetMasterFolder(const QString& res) { masterFolder_ = res; }

    // The load steps; the window is shown at their end.
    void Load();

    void ParseCommandOptions(const QString& text);
    void ExecuteCommands(const QString& text);
    bool ExecuteCommand(const QString& name);

    QString CDDrive() const { return cdDrive_; }
    bool AppReady() const { return appReady_; }
    QStringList RecentFileList() const { return recent_.Entries(); }

    // While the map draws a close is held back and carried out when it ends.
    void SetMapDrawing(bool drawing);
    bool QuitPending() const { return quitPending_; }

    ui::Prompt& Prompt() { return prompt_; }
    unitwindows::frmProgress& Progress() { return *progress_; }
    StatusPanels& Status() { return *status_; }
    MainCommands& Commands() { return *commands_; }
    frmTerrafold& MapWindow() { return *map_; }
    QMdiArea& Area() { return *area_; }
    mapview::WindowObject& Window() { return *window_; }
    // The master map under the map display, with the picture it keeps.
    const mapview::MasterMapLayer& MasterLayer() const { return master_; }
    Carver& Borders() { return carver_; }
    MapViewControl& View() { return *view_; }
    gpsdata::GPSData& Data() { return *gpsData_; }
    mapbuild::MapData& Map() { return *mapData_; }
    mapview::UndoStack& Undo() { return *undo_; }
    GPSFileCommands& GPSFiles() { return *gpsFiles_; }
    WorkspaceCommands& Workspace() { return *workspace_; }
    EditingCommands& Editing() { return *editingCommands_; }
    MapBuildCommands& MapBuild() { return *mapBuild_; }
    comm::Connection& Link() { return connection_; }
    unitwindows::UnitConnect& UnitLink() { return *unit_; }
    unitwindows::UnitTransfers& Transfers() { return *transfers_; }
    unitwindows::MapUnitCommands& UnitMemory() { return *unitMemory_; }
    ProgramSettings& Settings() { return settings_; }
    print::PrintCommands& Printing() { return *print_; }

    // Tests answer the questions and choose the files themselves; the window
    // keeps its own message boxes and file dialogs otherwise.
    void SetPrompt(ui::Prompt* prompt);
    void SetFileChooser(FileChooser* chooser);
    void SetHelpOpener(HelpLauncher::Opener opener) { helpOpener_ = std::move(opener); }
    void SetUpdateOpener(UnitUpdater::Opener opener) { updateOpener_ = std::move(opener); }

    WindowArranger::Layout& ArrangeLayout() { return layout_; }
    void SetAutoArrange(bool on);

    bool IsUnloaded() const { return unloaded_; }

signals:
    void Ready();
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Runs `slot` whenever the named menu command or toolbar button is chosen.
    template <class Slot> void OnCommand(const char* name, const QObject* context, Slot slot);
    void ConnectCommands();
    void ConnectMapModes();
    // The route and trail commands of the map's popups and the list rows.
    void ConnectPopups();
    void ShowMode();
    void ShowMapSetup();
    void DrawMap(QPainter& painter);
    print::MapLayers Layers();
    void ConnectPrint();
    void ReceiveCommandLine(const QString& text);
    void ConnectData();
    void ConnectFiles();
    void ConnectUndo();
    void ConnectLink();
    void ConnectMapBuild();
    void StartUnitUpdate();
    void LoadSettings();
    // Puts the settings record into the windows and objects that use them
    // (all but the view, which follows each file read, and the open list
    // windows, which only the start opens).
    void ApplySettings();
    void SaveSettings();
    void CollectSettings();
    void ShowMapCaption();
    void ShowRecentFiles();
    void OpenRecentFile(int i);
    enum class OpenedKind { None, Workspace, GPSData };
    static OpenedKind OpensAs(const QString& name);
    void ShowHelp();
    void ArrangeWindows();
    void ArrangeIcons();
    void CloseAllLists();
    void MarkReady();
    bool QueryUnload();
    void Unload();

    SingleInstance* instance_;
    QMdiArea* area_;
    StatusPanels* status_ = nullptr;
    MainCommands* commands_ = nullptr;
    frmTerrafold* map_ = nullptr;
    Carver carver_;
    mapview::MasterMapLayer master_;
    std::unique_ptr<CarverEngine> engine_;
    std::unique_ptr<mapview::WindowObject> window_;
    GuiPrompt ownPrompt_;
    PromptRelay prompt_;
    DialogFileChooser ownChooser_;
    std::unique_ptr<gpsdata::GPSData> gpsData_;
    std::unique_ptr<mapbuild::MapData> mapData_;
    mapbuild::MasterCategories categories_;
    std::unique_ptr<mapview::UndoStack> undo_;
    ProgramSettings settings_;
    app::RecentFiles recent_;
    std::unique_ptr<MapFile> mapFile_;
    std::unique_ptr<SettingsLoader> loader_;
    linkpod::LinkPod pod_;
    comm::Connection connection_{pod_};
    std::unique_ptr<comm::UnitIdentity> identity_;
    unitwindows::UnitConnect* unit_ = nullptr;
    unitwindows::UnitTransfers* transfers_ = nullptr;
    unitwindows::MapUnitCommands* unitMemory_ = nullptr;
    std::unique_ptr<MessagePanel> messages_;
    std::unique_ptr<BusyStatus> busy_;
    std::unique_ptr<ViewportDetail> detail_;
    std::unique_ptr<CommandState> state_;
    MapBuildCommands* mapBuild_ = nullptr;
    GPSFileCommands* gpsFiles_ = nullptr;
    WorkspaceCommands* workspace_ = nullptr;
    PositionListCommands* positionLists_ = nullptr;
    MapViewControl* view_ = nullptr;
    MapMouse* mouse_ = nullptr;
    MapEditing* editing_ = nullptr;
    LayerTreePane* layers_ = nullptr;
    print::PrintCommands* print_ = nullptr;
    QMdiSubWindow* mapSub_ = nullptr;
    QString configFolder_;
    QString dataFolder_;
    QString masterFolder_;
    unitwindows::frmProgress* progress_;
    HelpLauncher::Opener helpOpener_;
    UnitUpdater::Opener updateOpener_;
    WindowArranger::Layout layout_;
    AutoArrange* autoArrange_ = nullptr;
    EditingCommands* editingCommands_ = nullptr;
    QString cdDrive_;
    QString listSeparator_ = QStringLiteral("\t");
    bool loading_ = false;
    bool appReady_ = false;
    bool mapDrawing_ = false;
    bool quitPending_ = false;
    bool unloaded_ = false;
};

} // namespace app
