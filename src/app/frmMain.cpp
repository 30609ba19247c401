#include "app/frmMain.h"

#include "app/AutoArrange.h"
#include "app/BusyStatus.h"
#include "app/CarverEngine.h"
#include "app/CommandLine.h"
#include "app/CommandState.h"
#include "app/EditingCommands.h"
#include "app/GPSFileCommands.h"
#include "app/LayerEditing.h"
#include "app/LayerTreePane.h"
#include "app/ListWindowPlaces.h"
#include "app/MainCommands.h"
#include "app/MapBuildCommands.h"
#include "app/MapDisplay.h"
#include "app/MapEditing.h"
#include "app/MapFile.h"
#include "app/MapModes.h"
#include "app/MapMouse.h"
#include "app/MapViewControl.h"
#include "app/MessagePanel.h"
#include "app/PositionListCommands.h"
#include "app/ProgramFolders.h"
#include "app/RouteBorderCommand.h"
#include "app/SettingsBridge.h"
#include "app/SettingsLoader.h"
#include "app/SingleInstance.h"
#include "app/StatusPanels.h"
#include "app/Trace.h"
#include "app/UDisksDrives.h"
#include "app/UnitUpdater.h"
#include "app/ViewportDetail.h"
#include "app/WorkspaceCommands.h"
#include "app/frmMapSetup.h"
#include "app/frmTerrafold.h"
#include "comm/RouteFromTrail.h"
#include "comm/UnitIdentity.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "mapbuild/MapData.h"
#include "mapview/ScaleBar.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"
#include "print/MapLayers.h"
#include "print/PrintCommands.h"
#include "unitwindows/MapUnitCommands.h"
#include "unitwindows/UnitConnect.h"
#include "unitwindows/UnitPanes.h"
#include "unitwindows/UnitTransfers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace app {

namespace {
// The smallest frame that still shows the map window and the toolbar whole.
constexpr QSize MinimumFrame(633, 450);
// The first view when no settings say otherwise: the lower 48 states.
constexpr double FirstRangeMiles = 2600;
constexpr double FirstLatitude = 38.5;
constexpr double FirstLongitude = -96.5;
} // namespace

frmMain::frmMain(SingleInstance* instance, QWidget* parent)
    : QMainWindow(parent), instance_(instance), area_(new QMdiArea(this)),
      engine_(std::make_unique<CarverEngine>(carver_)),
      window_(std::make_unique<mapview::WindowObject>(*engine_)), ownPrompt_(this), prompt_(ownPrompt_),
      ownChooser_(this), gpsData_(std::make_unique<gpsdata::GPSData>(ProgramFolders::InstalledDataFolder())),
      mapData_(std::make_unique<mapbuild::MapData>(carver_)), categories_(master_.Control()),
      undo_(std::make_unique<mapview::UndoStack>(*gpsData_)),
      mapFile_(std::make_unique<MapFile>(settings_, *mapData_, recent_, prompt_)),
      configFolder_(ProgramFolders::UserConfigFolder()), dataFolder_(ProgramFolders::UserDataFolder()),
      progress_(new unitwindows::frmProgress(this)), helpOpener_(&QDesktopServices::openUrl),
      updateOpener_(&QDesktopServices::openUrl) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Terrafold"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    // A list window opens beside the map, not maximised over it.
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(area_);
}

frmMain::~frmMain() {
    Unload();
}

void frmMain::SetPrompt(ui::Prompt* prompt) {
    prompt_.SetTarget(prompt ? *prompt : ownPrompt_);
}

void frmMain::SetFileChooser(FileChooser* chooser) {
    FileChooser* used = chooser ? chooser : &ownChooser_;
    gpsFiles_->SetChooser(used);
    workspace_->SetChooser(used);
    mapBuild_->SetChooser(used);
    positionLists_->SetChooser(used);
}

void frmMain::SetFolders(const QString& config, const QString& data) {
    configFolder_ = config;
    dataFolder_ = data;
}

void frmMain::Load() {
    Trace(QStringLiteral("Setting up drag accept"));
    loading_ = true;
    setAcceptDrops(true);
    setMinimumSize(MinimumFrame);

    Trace(QStringLiteral("Tagging window"));
    if (instance_) {
        instance_->Listen();
        connect(instance_, &SingleInstance::CommandLineReceived, this, &frmMain::ReceiveCommandLine);
    }

    Trace(QStringLiteral("Loading strings"));

    Trace(QStringLiteral("Setting defaults"));
    listSeparator_ = QStringLiteral("\t");
    undo_->ClearUndoStack();
    status_ = new StatusPanels(statusBar());
    messages_ = std::make_unique<MessagePanel>(*status_);
    busy_ = std::make_unique<BusyStatus>(*status_);
    commands_ = new MainCommands(this);
    ConnectCommands();

    Trace(QStringLiteral("Initializing objects"));
    Trace(QStringLiteral("WindowObject"));
    Trace(QStringLiteral("GPSData"));
    gpsData_->SetPrompt(&prompt_);
    Trace(QStringLiteral("MapData"));
    mapData_->SetCategorySource(&categories_);
    detail_ = std::make_unique<ViewportDetail>(*window_);
    mapData_->SetDetail(detail_.get());
    mapData_->SetPrompt(&prompt_);
    mapData_->SetProgress(busy_.get());
    window_->MakeUsedList = [this] { return mapData_->MakeUsedList(); };
    loader_ = std::make_unique<SettingsLoader>(*mapFile_, settings_, *mapData_, prompt_, configFolder_,
                                               ProgramFolders::InstalledDataFolder(), dataFolder_);
    gpsFiles_ = new GPSFileCommands(*gpsData_, *undo_, recent_, settings_, prompt_, this);
    workspace_ = new WorkspaceCommands(*mapData_, *mapFile_, *loader_, settings_, *undo_, prompt_, this);
    mapBuild_ = new MapBuildCommands(*mapData_, settings_, prompt_, *status_, this);
    mapBuild_->SetRemovableDrives(new UDisksDrives(mapBuild_));
    positionLists_ = new PositionListCommands(
        *gpsData_, *undo_, prompt_,
        [this] { return settings_.gpsDataPath.isEmpty() ? dataFolder_ : settings_.gpsDataPath; }, this);
    SetFileChooser(nullptr);
    Trace(QStringLiteral("KTRCommEvents"));
    Trace(QStringLiteral("LinkPodEvents"));
    gpsFiles_->SetControl(&pod_);
    gpsFiles_->SetProgress(progress_);
    gpsFiles_->SetConnectedSource([this] { return connection_.Connected(); });
    Trace(QStringLiteral("Connection"));
    connection_.SetPrompt(&prompt_);
    unit_ = new unitwindows::UnitConnect(connection_, prompt_, *messages_, this);
    transfers_ =
        new unitwindows::UnitTransfers(connection_, *gpsData_, *undo_, prompt_, *messages_, *progress_, this);
    transfers_->SetAbortDirty([this](const QString& message) { return gpsFiles_->AbortGPSDirty(message); });
    identity_ = std::make_unique<comm::UnitIdentity>(connection_, *gpsData_);
    identity_->SetPrompt(&prompt_);
    identity_->SetStatus(messages_.get());
    identity_->SetUpdater([this] { StartUnitUpdate(); });
    state_ = std::make_unique<CommandState>(*commands_, *status_, connection_, *mapData_);
    Trace(QStringLiteral("frmTerrafold"));
    map_ = new frmTerrafold;
    mapSub_ = area_->addSubWindow(map_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    mapSub_->setWindowIcon(windowIcon());
    layers_ = new LayerTreePane(*map_->LayerTree(), *mapData_, this);
    unitMemory_ = new unitwindows::MapUnitCommands(connection_, *mapData_, this);
    map_->SetUnitPanes(unitMemory_->Panes());
    mapData_->SetLayerTree(layers_);
    ShowMapCaption();

    Trace(QStringLiteral("Window object pointers"));
    carver_.KSetSelectWidth(5);
    carver_.KSetNodeSize(10);
    carver_.KSetBlockSize(24000);
    view_ = new MapViewControl(
        *map_, *window_, *status_, [this] { return gpsData_->PositionFormat(); }, this);
    mouse_ = new MapMouse(*map_->Display(), *window_, *view_, carver_, this);
    editingCommands_ = new EditingCommands(*commands_, *area_,
                                           {.data = *gpsData_,
                                            .undo = *undo_,
                                            .window = *window_,
                                            .prompt = prompt_,
                                            .viewChanged = [this] { view_->ViewChanged(); }},
                                           this);
    editing_ = new MapEditing(*map_->Display(), *window_, *gpsData_, *undo_, prompt_,
                              editingCommands_->Context().popups, this);
    connect(mouse_, &MapMouse::DataGesture, editing_, &MapEditing::Release);
    connect(mouse_, &MapMouse::PopupRequested, editing_, &MapEditing::ShowPopup);
    editingCommands_->FollowMap(*editing_);
    ConnectPopups();
    autoArrange_ = new AutoArrange(
        *area_, [this] { ArrangeWindows(); }, this);
    connect(&editingCommands_->Lists(), &editors::ListWindows::WindowsChanged, autoArrange_,
            &AutoArrange::Request);
    connect(map_->Display(), &MapDisplay::MouseMove, editing_,
            [this](Qt::MouseButtons, QPointF pixel) { editing_->Follow(view_->ToInternal(pixel)); });
    map_->Display()->SetPainter([this](QPainter& p) { DrawMap(p); });
    ConnectMapModes();
    ConnectData();
    ConnectFiles();
    ConnectUndo();
    ConnectLink();
    ConnectMapBuild();
    ConnectPrint();
    Trace(QStringLiteral("Waiting for flash to come up"));
    const QString res = masterFolder_.isEmpty() ? ProgramFolders::MasterMapFolder() : masterFolder_;
    master_.Open(res);
    mapData_->SetListFolder(dataFolder_);
    mapData_->SetMasterAt5ListPath(res);
    LoadSettings();
    Trace(QStringLiteral("Requesting linkpod updates"));
    connection_.Startup();
    identity_->Startup();
    Trace(QStringLiteral("Updates requested"));

    show();
    mapSub_->showMaximized();
    SettingsBridge::ApplyView(settings_, *window_);
    if (window_->ZoomRange() <= window_->MinZoomRange()) {
        window_->Center(geo::LongitudeToX(FirstLongitude), geo::LatitudeToY(FirstLatitude));
        window_->SetZoomRange(FirstRangeMiles);
    }
    view_->ViewChanged();
    ShowMode();
    loading_ = false;
    status_->SetStatusText(StatusPanels::Message, QStringLiteral("Ready"));
    state_->ConnectionChanged();
    connect(map_->Display(), &MapDisplay::Painted, this, &frmMain::MarkReady);
    if (!map_->Display()->isVisible())
        MarkReady();
}

void frmMain::MarkReady() {
    if (appReady_)
        return;
    appReady_ = true;
    emit Ready();
}

template <class Slot> void frmMain::OnCommand(const char* name, const QObject* context, Slot slot) {
    connect(commands_->Command(QLatin1String(name)), &QAction::triggered, context, slot);
}

void frmMain::ConnectCommands() {
    OnCommand("mnuFileExit", this, [this] { close(); });
    OnCommand("mnuHelpContents", this, [this] { ShowHelp(); });
    OnCommand("mnuSerialUpdateUnitSoftware", this, [this] { StartUnitUpdate(); });
    OnCommand("mnuHelpAbout", this, [this] {
        prompt_.Message(
            QStringLiteral("About Terrafold"),
            QStringLiteral("Terrafold\nA GPS workstation: GPS data, map borders and custom maps."),
            ui::Icon::Information);
    });
    OnCommand("mnuWindowArrange", this, [this] { ArrangeWindows(); });
    OnCommand("mnuWindowArrangeIcons", this, [this] { ArrangeIcons(); });
    OnCommand("mnuWindowCloseAll", this, [this] { CloseAllLists(); });
    OnCommand("mnuWindowCascade", this, [this] { area_->cascadeSubWindows(); });
    OnCommand("mnuWindowTileHorizontal", this, [this] { WindowArranger::Tile(area_, Qt::Vertical); });
    OnCommand("mnuWindowTileVertical", this, [this] { WindowArranger::Tile(area_, Qt::Horizontal); });
    connect(commands_->Command(QStringLiteral("mnuWindowAutoArrange")), &QAction::toggled, this,
            &frmMain::SetAutoArrange);
    connect(commands_->Command(QStringLiteral("mnuViewToolbar")), &QAction::toggled, commands_->ToolBar(),
            &QToolBar::setVisible);
    connect(commands_->Command(QStringLiteral("mnuViewStatusbar")), &QAction::toggled, statusBar(),
            &QStatusBar::setVisible);
    for (int i = 0; i < MainCommands::RecentFileCount; ++i)
        connect(commands_->Recent(i), &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
}

void frmMain::StartUnitUpdate() {
    connection_.Disconnect();
    const QString message =
        UnitUpdater::Open(UnitUpdater::SearchFolders(ProgramFolders::InstalledDataFolder(), cdDrive_),
                          gpsData_->UpdatePostfix(), updateOpener_);
    if (!message.isEmpty())
        prompt_.Message(QStringLiteral("Update"), message, ui::Icon::Exclamation);
}

void frmMain::ConnectLink() {
    OnCommand("mnuUnitConnect", unit_, [this] { unit_->Connect(); });
    OnCommand("mnuUnitDisconnect", unit_, [this] { unit_->Disconnect(); });
    OnCommand("mnuUnitCardOpen", unit_, [this] { unit_->OpenCardReader(); });
    OnCommand("mnuUnitCardClose", unit_, [this] { unit_->CloseCardReader(); });
    OnCommand("mnuUnitOptions", unit_, [this] { unit_->ShowOptions(); });
    connect(unit_, &unitwindows::UnitConnect::ClearDeviceLists, unitMemory_->Panes(),
            &unitwindows::UnitPanes::ClearDeviceLists);
    OnCommand("mnuTransferData", transfers_, [this] { transfers_->ShowTransferWindow(); });
    OnCommand("download", transfers_, [this] { transfers_->DownloadLast(); });
    OnCommand("downloadalt", transfers_, [this] { transfers_->DownloadLast(); });
    auto refresh = [this] { state_->ConnectionChanged(); };
    connect(&connection_, &comm::Connection::ConnectedStatusChanged, this, refresh);
    connect(unit_, &unitwindows::UnitConnect::OptionsApplied, this, refresh);
    unitMemory_->SetPrompt(&prompt_);
    unitMemory_->SetProgress(progress_);
    unitMemory_->SetActions({commands_->Command(QStringLiteral("mnuMapSendMap")),
                             commands_->Command(QStringLiteral("mnuGPSEraseFlash")),
                             commands_->Command(QStringLiteral("mnuGPSFormatDevice"))});
    connect(unitMemory_, &unitwindows::MapUnitCommands::Beep, this, [] { QApplication::beep(); });
    // The session turns link errors into messages and beeps itself.
    connection_.SetBeep([] { QApplication::beep(); });
}

void frmMain::ConnectMapBuild() {
    OnCommand("mnuMapEstimate", mapBuild_, [this] { mapBuild_->Estimate(); });
    OnCommand("mnuMapBuild", mapBuild_, [this] { mapBuild_->Build(); });
    OnCommand("mnuFileSaveMap", mapBuild_, [this] { mapBuild_->SaveBuiltMap(); });
    connect(mapData_.get(), &mapbuild::MapData::CartridgeReady, this, [] { QApplication::beep(); });
    // Borders and the built map decide what can be built and saved.
    auto refresh = [this] { state_->Refresh(); };
    connect(mapData_.get(), &mapbuild::MapData::StateChanged, this, refresh);
    connect(mapData_.get(), &mapbuild::MapData::NeedRefresh, this, refresh);
    connect(mouse_, &MapMouse::BordersChanged, this, refresh);
    connect(mapFile_.get(), &MapFile::Loaded, this, refresh);
}

void frmMain::LoadSettings() {
    loader_->Load();
    ApplySettings();
    ListWindowPlaces::Restore(settings_, editingCommands_->Lists());
    mapData_->SetDirty(false);
    ShowRecentFiles();
}

void frmMain::ApplySettings() {
    SettingsBridge::ApplyData(settings_, *gpsData_);
    SettingsBridge::ApplyConnection(settings_, connection_);
    SettingsBridge::ApplyTransfers(settings_, *transfers_);
    SettingsBridge::ApplyPlacement(settings_, *this);
    commands_->Command(QStringLiteral("mnuViewToolbar"))->setChecked(settings_.viewToolbar);
    commands_->Command(QStringLiteral("mnuViewStatusbar"))->setChecked(settings_.viewStatusbar);
    commands_->Command(QStringLiteral("mnuViewMapLayers"))->setChecked(settings_.viewMapLayers);
    map_->ShowLayers(settings_.viewMapLayers);
    layout_ = WindowArranger::FromSettings(settings_);
    SettingsBridge::ApplyMapSplit(settings_, *map_->Splitter());
    SetAutoArrange(settings_.autoArrangeWindows);
}

void frmMain::CollectSettings() {
    SettingsBridge::CollectView(*window_, settings_);
    SettingsBridge::CollectData(*gpsData_, settings_);
    SettingsBridge::CollectConnection(connection_, settings_);
    SettingsBridge::CollectTransfers(*transfers_, settings_);
    SettingsBridge::CollectPlacement(*this, settings_);
    ListWindowPlaces::Collect(editingCommands_->Lists(), settings_);
    settings_.viewToolbar = commands_->Command(QStringLiteral("mnuViewToolbar"))->isChecked();
    settings_.viewStatusbar = commands_->Command(QStringLiteral("mnuViewStatusbar"))->isChecked();
    settings_.viewMapLayers = commands_->Command(QStringLiteral("mnuViewMapLayers"))->isChecked();
    settings_.autoArrangeWindows = commands_->Command(QStringLiteral("mnuWindowAutoArrange"))->isChecked();
    SettingsBridge::CollectMapSplit(*map_->Splitter(), settings_);
}

void frmMain::SaveSettings() {
    QString error;
    if (!mapFile_->SaveMapFile(loader_->SettingsFile(), true, &error))
        prompt_.Message(QStringLiteral("File Error"),
                        QStringLiteral("Error saving ") + loader_->SettingsFile() + QStringLiteral("\r\n") +
                            error,
                        ui::Icon::Critical);
}

void frmMain::ConnectData() {
    connect(gpsData_.get(), &gpsdata::GPSData::FileError, this, [this](const QString& message) {
        prompt_.Message(QStringLiteral("File Error"), message, ui::Icon::Critical);
    });
    connect(gpsData_.get(), &gpsdata::GPSData::Warning, this, [this](const QString& message) {
        prompt_.Message(QStringLiteral("Warning"), message, ui::Icon::Exclamation);
    });
    // Every change of the data redraws the map.
    auto redraw = [this] { map_->Display()->update(); };
    for (auto signal :
         {&gpsdata::GPSData::WaypointChanged, &gpsdata::GPSData::RouteChanged,
          &gpsdata::GPSData::TrailChanged, &gpsdata::GPSData::IconChanged, &gpsdata::GPSData::WaypointAdded,
          &gpsdata::GPSData::RouteAdded, &gpsdata::GPSData::TrailAdded, &gpsdata::GPSData::IconAdded,
          &gpsdata::GPSData::WaypointRemoved, &gpsdata::GPSData::RouteRemoved,
          &gpsdata::GPSData::TrailRemoved, &gpsdata::GPSData::IconRemoved})
        connect(gpsData_.get(), signal, this, redraw);
    for (auto signal : {&gpsdata::GPSData::WaypointListModified, &gpsdata::GPSData::RouteListModified,
                        &gpsdata::GPSData::TrailListModified, &gpsdata::GPSData::IconListModified})
        connect(gpsData_.get(), signal, this, redraw);
    connect(mapData_.get(), &mapbuild::MapData::NeedRefresh, this, redraw);
    connect(mapData_.get(), &mapbuild::MapData::NameChanged, this, &frmMain::ShowMapCaption);
    connect(layers_, &LayerTreePane::LayerSwitched, this, redraw);
    // A layer's colour changed in the layer editor.
    connect(window_.get(), &mapview::WindowObject::Change, this, redraw);
    auto* layerEditing = new LayerEditing(*map_->LayerTree(), *window_, this);
    OnCommand("mnuMapCategories", layerEditing, [this, layerEditing] {
        commands_->Command(QStringLiteral("mnuViewMapLayers"))->setChecked(true);
        layerEditing->EditCurrent();
    });
    connect(mouse_, &MapMouse::BordersChanged, mapData_.get(), &mapbuild::MapData::DefinitionChanged);
    // A workspace brings its own view: the zoom box and the map follow it.
    connect(mapFile_.get(), &MapFile::Loaded, this, [this] {
        SettingsBridge::ApplyView(settings_, *window_);
        view_->ViewChanged();
    });
    connect(mapFile_.get(), &MapFile::WorkspaceWritten, undo_.get(), &mapview::UndoStack::ClearUndoStack);
    connect(mapFile_.get(), &MapFile::Saving, this, &frmMain::CollectSettings);
    // At start-up the objects hold no chosen values yet: the settings file is
    // read over the record's own defaults.
    connect(mapFile_.get(), &MapFile::Loading, this, [this] {
        if (!loading_)
            CollectSettings();
    });
    connect(commands_->Command(QStringLiteral("mnuViewMapLayers")), &QAction::toggled, map_,
            &frmTerrafold::ShowLayers);
}

void frmMain::ConnectFiles() {
    OnCommand("mnuFileNewGPS", this, [this] { gpsFiles_->NewFile(); });
    OnCommand("mnuFileOpenGPS", this, [this] { gpsFiles_->Open(); });
    OnCommand("mnuFileSaveGPS", this, [this] { gpsFiles_->Save(); });
    OnCommand("mnuFileSaveGPSAs", this, [this] { gpsFiles_->SaveAs(); });
    OnCommand("mnuFileNewBorder", this, [this] { workspace_->NewFile(); });
    OnCommand("mnuFileOpenBorder", this, [this] { workspace_->Open(); });
    OnCommand("mnuFileMergeBorder", this, [this] { workspace_->Merge(); });
    OnCommand("mnuFileSaveBorder", this, [this] { workspace_->Save(); });
    OnCommand("mnuFileSaveBorderAs", this, [this] { workspace_->SaveAs(); });
    OnCommand("mnuFileRestoreDefaults", this, [this] { workspace_->RestoreDefaults(); });
    OnCommand("mnuFileImportRoute", this, [this] { positionLists_->Import(true); });
    OnCommand("mnuFileImportWaypoints", this, [this] { positionLists_->Import(false); });
    OnCommand("mnuFileExport", this, [this] { positionLists_->Export(); });
    connect(gpsFiles_, &GPSFileCommands::FilesChanged, this, &frmMain::ShowRecentFiles);
    connect(workspace_, &WorkspaceCommands::FilesChanged, this, &frmMain::ShowRecentFiles);
    connect(workspace_, &WorkspaceCommands::DefaultsRestored, this, [this] {
        ApplySettings();
        view_->ViewChanged();
    });
}

void frmMain::ConnectUndo() {
    undo_->SetBorders(&carver_);
    connect(undo_.get(), &mapview::UndoStack::BordersRestored, this, [this] {
        mapData_->DefinitionChanged();
        map_->Display()->update();
    });
    QAction* undo = commands_->Command(QStringLiteral("mnuEditUndo"));
    QAction* redo = commands_->Command(QStringLiteral("mnuEditRedo"));
    connect(undo, &QAction::triggered, undo_.get(), &mapview::UndoStack::PerformUndoOperation);
    connect(redo, &QAction::triggered, undo_.get(), &mapview::UndoStack::PerformRedoOperation);
    connect(undo_.get(), &mapview::UndoStack::MenuChanged, this, [this, undo, redo] {
        undo->setText(undo_->UndoCaption());
        undo->setEnabled(undo_->UndoEnabled());
        redo->setText(undo_->RedoCaption());
        redo->setEnabled(undo_->RedoEnabled());
    });
}

void frmMain::ShowMapCaption() {
    mapSub_->setWindowTitle(QStringLiteral("Master Map - ") + (mapData_->FileName().isEmpty()
                                                                   ? QStringLiteral("Untitled")
                                                                   : mapData_->MapName()));
}

void frmMain::ConnectMapModes() {
    static const char* const modes[] = {"center", "create", "polyline", "dropwpt", "droprtewpt", "dropicn"};
    for (int mode = 0; mode < 6; ++mode)
        if (mode != ModeDropRouteWaypoint)
            connect(commands_->Command(QLatin1String(modes[mode])), &QAction::triggered, this,
                    [this, mode] { window_->SetMode(mode); });
    // Each choice of the route command starts a route of its own; on a full
    // route list the buttons go back to the mode that stays.
    OnCommand("droprtewpt", editing_, [this] {
        editing_->StartRoute();
        ShowMode();
    });
    connect(window_.get(), &mapview::WindowObject::ModeChange, this, &frmMain::ShowMode);
    connect(commands_->Command(QStringLiteral("mnuViewMapOptions")), &QAction::triggered, this,
            &frmMain::ShowMapSetup);
    connect(commands_->Command(QStringLiteral("mnuViewZoomIn")), &QAction::triggered, this,
            [this] { view_->ZoomStep(1); });
    connect(commands_->Command(QStringLiteral("mnuViewZoomOut")), &QAction::triggered, this,
            [this] { view_->ZoomStep(0); });
    OnCommand("mnuViewZoomToData", view_, [this] { view_->ZoomToData(*gpsData_, false); });
    connect(gpsFiles_, &GPSFileCommands::Loaded, view_, [this] { view_->ZoomToData(*gpsData_, true); });
}

void frmMain::ConnectPopups() {
    editors::PopupCommands& popups = editingCommands_->Context().popups;
    // Chosen from a list window too: the map comes forward for the clicks.
    popups.insertRouteWaypoints = [this](qint16 route, int leg) {
        area_->setActiveSubWindow(mapSub_);
        editing_->InsertWaypointsInto(route, leg);
    };
    auto* border = new RouteBorderCommand(*gpsData_, *mapData_, *undo_, this);
    connect(border, &RouteBorderCommand::BorderAdded, map_->Display(), qOverload<>(&QWidget::update));
    popups.makeRouteBorder = [border](qint16 route) { border->Make(route); };
    auto* routeFromTrail = new comm::RouteFromTrail(connection_, *gpsData_, this);
    popups.createRouteFromTrail = [routeFromTrail](qint16 trail) { routeFromTrail->CreateRoute(trail); };
}

void frmMain::ShowMapSetup() {
    auto* dialog = new frmMapSetup(*window_, *gpsData_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &frmMapSetup::Applied, view_, &MapViewControl::ViewChanged);
    dialog->open();
}

void frmMain::ShowMode() {
    const int mode = window_->Mode();
    if (QAction* button = commands_->ModeButton(mode))
        button->setChecked(true);
    // Only the route waypoint mode keeps a route under edit on the map.
    if (mode != ModeDropRouteWaypoint) {
        gpsData_->SetEditingRoute(-1);
        gpsData_->SetEditingRouteLeg(0);
    }
    map_->Display()->update();
}

print::MapLayers frmMain::Layers() {
    return {[this](QPainter& p, const mapview::WindowObject& view) { master_.Draw(p, view); }, &carver_,
            gpsData_.get()};
}

void frmMain::DrawMap(QPainter& painter) {
    SetMapDrawing(true);
    Layers().Draw(painter, *window_, true);
    editing_->DrawMovingLine(painter);
    mapview::ScaleBar::Paint(painter, *window_, map_->Display()->rect());
    SetMapDrawing(false);
}

void frmMain::ConnectPrint() {
    // Only a workspace that was opened or saved gives the map a name.
    const auto mapName = [this] {
        const QString file = mapData_->FileName();
        return file.isEmpty() || file == QLatin1String("Untitled") ? QString() : mapData_->MapName();
    };
    print_ = new print::PrintCommands(
        *this, *gpsData_, *window_, Layers(), mapName, [this] { return gpsData_->Path(); }, this);
    OnCommand("mnuFilePrint", print_, [this] { print_->ShowPrintOptions(); });
    OnCommand("mnuPrintMap", print_, [this] { print_->PrintMap(); });
}

void frmMain::ParseCommandOptions(const QString& text) {
    cdDrive_ = app::ParseCommandOptions(text);
}

void frmMain::ExecuteCommands(const QString& text) {
    // Only the first file that names a kind the program opens is handled:
    // the user's answer to its save question is the answer for the line.
    for (const QString& candidate : CommandNameCandidates(text)) {
        const QString name = ResolveLongPath(candidate);
        if (!name.isEmpty() && QFileInfo(name).isFile() && OpensAs(name) != OpenedKind::None) {
            ExecuteCommand(name);
            return;
        }
    }
}

frmMain::OpenedKind frmMain::OpensAs(const QString& name) {
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String(".nmp")))
        return OpenedKind::Workspace;
    // GPX files are the desktop's common exchange format and open the same way.
    if (lower.contains(QLatin1String(".nrv")) || lower.contains(QLatin1String(".usr")) ||
        lower.endsWith(QLatin1String(".gpx")))
        return OpenedKind::GPSData;
    return OpenedKind::None;
}

bool frmMain::ExecuteCommand(const QString& text) {
    const QString name = ResolveLongPath(text);
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    switch (OpensAs(name)) {
    case OpenedKind::Workspace:
        if (workspace_->AbortMapDirty())
            return false;
        workspace_->Load(name);
        return true;
    case OpenedKind::GPSData:
        if (gpsFiles_->AbortGPSDirty())
            return false;
        gpsFiles_->Load(name);
        return true;
    case OpenedKind::None:
        break;
    }
    return false;
}

void frmMain::ReceiveCommandLine(const QString& text) {
    ParseCommandOptions(text);
    mapData_->MakeUsedList();
    ExecuteCommands(text);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void frmMain::ShowRecentFiles() {
    const QStringList& entries = recent_.Entries();
    for (int i = 0; i < MainCommands::RecentFileCount; ++i) {
        QAction* a = commands_->Recent(i);
        a->setVisible(i < entries.size());
        if (i < entries.size())
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(entries.at(i)));
    }
    commands_->RecentSeparator()->setVisible(!entries.isEmpty());
}

void frmMain::OpenRecentFile(int i) {
    if (i >= recent_.Entries().size())
        return;
    const QString path = recent_.Entries().at(i);
    if (!QFileInfo(path).isFile()) {
        prompt_.Message(QStringLiteral("File Error"),
                        QStringLiteral("The file ") + path +
                            QStringLiteral(" no longer exists.\r\nIt has been taken off the list."),
                        ui::Icon::Exclamation);
        recent_.Remove(path);
        ShowRecentFiles();
        return;
    }
    ExecuteCommand(path);
}

void frmMain::ShowHelp() {
    const QString message =
        HelpLauncher::Open(HelpLauncher::HelpFile(ProgramFolders::InstalledDataFolder()), helpOpener_);
    if (!message.isEmpty())
        prompt_.Message(QStringLiteral("Help"), message, ui::Icon::Exclamation);
}

void frmMain::SetAutoArrange(bool on) {
    QAction* a = commands_->Command(QStringLiteral("mnuWindowAutoArrange"));
    if (a->isChecked() != on)
        a->setChecked(on);
    autoArrange_->SetEnabled(on);
}

void frmMain::ArrangeWindows() {
    if (!isMinimized())
        WindowArranger::Arrange(area_, layout_);
}

void frmMain::ArrangeIcons() {
    // Minimised children line up along the bottom edge of the frame.
    int x = 0;
    for (QMdiSubWindow* w : area_->subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        w->move(x, area_->viewport()->height() - size.height());
        x += size.width();
    }
}

void frmMain::CloseAllLists() {
    for (QMdiSubWindow* w : area_->subWindowList())
        if (w != mapSub_)
            w->close();
}

void frmMain::SetMapDrawing(bool drawing) {
    mapDrawing_ = drawing;
    // The held-back close runs once the drawing has returned.
    if (!drawing && quitPending_)
        QTimer::singleShot(0, this, [this] { close(); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (quitPending_ && !mapDrawing_) {
        Unload();
        event->accept();
        return;
    }
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    Unload();
    event->accept();
}

bool frmMain::QueryUnload() {
    Trace(QStringLiteral("QueryUnload"));
    const bool abort = workspace_->AbortMapDirty() || gpsFiles_->AbortGPSDirty();
    if (mapDrawing_) {
        quitPending_ = !abort;
        return false;
    }
    return !abort;
}

void frmMain::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (map_)
        SaveSettings();
    Trace(QStringLiteral("MDIForm_Unload"));
    Trace(QStringLiteral("Unloading transfer"));
    Trace(QStringLiteral("Unloading icons"));
    Trace(QStringLiteral("Unloading serial connect"));
    Trace(QStringLiteral("Killing objects manually"));
    Trace(QStringLiteral("Killing KTRComm"));
    Trace(QStringLiteral("Killing MapData"));
    Trace(QStringLiteral("Killing GPSData"));
    Trace(QStringLiteral("Killing Window"));
    Trace(QStringLiteral("Killing MapDataEvents"));
    Trace(QStringLiteral("Killing GPS data"));
    Trace(QStringLiteral("Killing WindowEvents"));
    Trace(QStringLiteral("Killing undo stack"));
    Trace(QStringLiteral("Killing Child windows"));
    Trace(QStringLiteral("Calling End"));
    emit Unloaded();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    // Every dropped file is tried in turn, not only the first that opens.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            ExecuteCommand(url.toLocalFile());
    event->acceptProposedAction();
}

} // namespace app
