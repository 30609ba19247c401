#pragma once

#include "app/GuiProgress.h"
#include "app/GuiPrompt.h"
#include "app/HelpLauncher.h"
#include "app/MasterMapLayer.h"
#include "app/WindowArranger.h"
#include "carver/Carver.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QPainter;

namespace mapview {
class WindowObject;
}

namespace app {

class CarverEngine;
class MainCommands;
class MapMouse;
class MapViewControl;
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

    // The load steps; the window is shown at their end.
    void Load();

    void ParseCommandOptions(const QString& text);
    void ExecuteCommands(const QString& text);
    bool ExecuteCommand(const QString& name);

    QString CDDrive() const { return cdDrive_; }
    bool AppReady() const { return appReady_; }
    QStringList RecentFiles() const { return recent_; }
    void AddRecentFile(const QString& path);

    // While the map draws a close is held back and carried out when it ends.
    void SetMapDrawing(bool drawing);
    bool QuitPending() const { return quitPending_; }

    ui::Prompt& Prompt() { return *prompt_; }
    ui::Progress& Progress() { return progress_; }
    StatusPanels& Status() { return *status_; }
    MainCommands& Commands() { return *commands_; }
    frmTerrafold& MapWindow() { return *map_; }
    QMdiArea& Area() { return *area_; }
    mapview::WindowObject& Window() { return *window_; }
    Carver& Borders() { return carver_; }
    MapViewControl& View() { return *view_; }

    // Tests answer the questions themselves; the window keeps its own otherwise.
    void SetPrompt(ui::Prompt* prompt);
    void SetHelpOpener(HelpLauncher::Opener opener) { helpOpener_ = std::move(opener); }

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
    void ConnectCommands();
    void ConnectMapModes();
    void ShowMode();
    void DrawMap(QPainter& painter);
    void ReceiveCommandLine(const QString& text);
    void ShowRecentFiles();
    void OpenRecentFile(int i);
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
    MasterMapLayer master_;
    std::unique_ptr<CarverEngine> engine_;
    std::unique_ptr<mapview::WindowObject> window_;
    MapViewControl* view_ = nullptr;
    MapMouse* mouse_ = nullptr;
    int positionFormat_ = 4;
    QMdiSubWindow* mapSub_ = nullptr;
    GuiPrompt ownPrompt_;
    ui::Prompt* prompt_;
    GuiProgress progress_;
    HelpLauncher::Opener helpOpener_;
    WindowArranger::Layout layout_;
    QTimer tmrArrange_;
    QStringList recent_;
    QString cdDrive_;
    QString listSeparator_ = QStringLiteral("\t");
    bool loading_ = false;
    bool appReady_ = false;
    bool mapDrawing_ = false;
    bool quitPending_ = false;
    bool unloaded_ = false;
};

} // namespace app
