#include "app/frmMain.h"

#include "app/CarverEngine.h"
#include "app/CommandLine.h"
#include "app/InstallFolder.h"
#include "app/MainCommands.h"
#include "app/MapDisplay.h"
#include "app/MapMouse.h"
#include "app/MapViewControl.h"
#include "app/SingleInstance.h"
#include "app/StatusPanels.h"
#include "app/Trace.h"
#include "app/frmTerrafold.h"
#include "geo/Coordinates.h"
#include "mapview/WindowObject.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

namespace app {

namespace {
// The smallest frame that still shows the map window and the toolbar whole.
constexpr QSize MinimumFrame(633, 450);
constexpr int ArrangePeriodMs = 500;
// The first view when no settings say otherwise: the lower 48 states.
constexpr double FirstRangeMiles = 2600;
constexpr double FirstLatitude = 38.5;
constexpr double FirstLongitude = -96.5;
} // namespace

frmMain::frmMain(SingleInstance* instance, QWidget* parent)
    : QMainWindow(parent), instance_(instance), area_(new QMdiArea(this)),
      engine_(std::make_unique<CarverEngine>(carver_)),
      window_(std::make_unique<mapview::WindowObject>(*engine_)), ownPrompt_(this), prompt_(&ownPrompt_),
      progress_(this), helpOpener_(&QDesktopServices::openUrl) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Terrafold"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);
    tmrArrange_.setInterval(ArrangePeriodMs);
    connect(&tmrArrange_, &QTimer::timeout, this, &frmMain::ArrangeWindows);
}

frmMain::~frmMain() {
    Unload();
}

void frmMain::SetPrompt(ui::Prompt* prompt) {
    prompt_ = prompt ? prompt : &ownPrompt_;
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
    status_ = new StatusPanels(statusBar());
    commands_ = new MainCommands(this);
    ConnectCommands();

    Trace(QStringLiteral("Initializing objects"));
    Trace(QStringLiteral("WindowObject"));
    Trace(QStringLiteral("frmTerrafold"));
    map_ = new frmTerrafold;
    mapSub_ = area_->addSubWindow(map_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    mapSub_->setWindowTitle(QStringLiteral("Master Map - Untitled"));
    mapSub_->setWindowIcon(windowIcon());

    Trace(QStringLiteral("Window object pointers"));
    carver_.KSetSelectWidth(5);
    carver_.KSetNodeSize(10);
    carver_.KSetBlockSize(24000);
    view_ = new MapViewControl(
        *map_, *window_, *status_, [this] { return positionFormat_; }, this);
    mouse_ = new MapMouse(*map_->Display(), *window_, *view_, carver_, this);
    map_->Display()->SetPainter([this](QPainter& p) { DrawMap(p); });
    ConnectMapModes();
    Trace(QStringLiteral("Waiting for flash to come up"));
    master_.Open(QApplication::applicationDirPath() + QStringLiteral("/res"));
    Trace(QStringLiteral("Requesting linkpod updates"));
    Trace(QStringLiteral("Updates requested"));

    resize(1100, 760);
    show();
    mapSub_->showMaximized();
    if (window_->ZoomRange() <= window_->MinZoomRange()) {
        window_->Center(geo::LongitudeToX(FirstLongitude), geo::LatitudeToY(FirstLatitude));
        window_->SetZoomRange(FirstRangeMiles);
    }
    view_->ViewChanged();
    ShowMode();
    loading_ = false;
    status_->SetStatusText(StatusPanels::Message, QStringLiteral("Ready"));
    status_->SetStatusText(StatusPanels::MapSize, QStringLiteral("Map not built"));
    status_->SetStatusText(StatusPanels::Connection, QStringLiteral("Not connected"));
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

void frmMain::ConnectCommands() {
    auto on = [this](const char* name, auto slot) {
        connect(commands_->Command(QLatin1String(name)), &QAction::triggered, this, slot);
    };
    on("mnuFileExit", [this] { close(); });
    on("mnuHelpContents", [this] { ShowHelp(); });
    on("mnuHelpAbout", [this] {
        prompt_->Message(
            QStringLiteral("About Terrafold"),
            QStringLiteral("Terrafold\nA GPS workstation: GPS data, map borders and custom maps."),
            ui::Icon::Information);
    });
    on("mnuWindowArrange", [this] { ArrangeWindows(); });
    on("mnuWindowArrangeIcons", [this] { ArrangeIcons(); });
    on("mnuWindowCloseAll", [this] { CloseAllLists(); });
    on("mnuWindowCascade", [this] { area_->cascadeSubWindows(); });
    on("mnuWindowTileHorizontal", [this] { WindowArranger::Tile(area_, Qt::Vertical); });
    on("mnuWindowTileVertical", [this] { WindowArranger::Tile(area_, Qt::Horizontal); });
    connect(commands_->Command(QStringLiteral("mnuWindowAutoArrange")), &QAction::toggled, this,
            &frmMain::SetAutoArrange);
    connect(commands_->Command(QStringLiteral("mnuViewToolbar")), &QAction::toggled, commands_->ToolBar(),
            &QToolBar::setVisible);
    connect(commands_->Command(QStringLiteral("mnuViewStatusbar")), &QAction::toggled, statusBar(),
            &QStatusBar::setVisible);
    for (int i = 0; i < MainCommands::RecentFileCount; ++i)
        connect(commands_->Recent(i), &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
}

void frmMain::ConnectMapModes() {
    static const char* const modes[] = {"center", "create", "polyline", "dropwpt", "droprtewpt", "dropicn"};
    for (int mode = 0; mode < 6; ++mode)
        connect(commands_->Command(QLatin1String(modes[mode])), &QAction::triggered, this,
                [this, mode] { window_->SetMode(mode); });
    connect(window_.get(), &mapview::WindowObject::ModeChange, this, &frmMain::ShowMode);
    connect(commands_->Command(QStringLiteral("mnuViewZoomIn")), &QAction::triggered, this,
            [this] { view_->ZoomStep(1); });
    connect(commands_->Command(QStringLiteral("mnuViewZoomOut")), &QAction::triggered, this,
            [this] { view_->ZoomStep(0); });
}

void frmMain::ShowMode() {
    if (QAction* button = commands_->ModeButton(window_->Mode()))
        button->setChecked(true);
    map_->Display()->update();
}

void frmMain::DrawMap(QPainter& painter) {
    SetMapDrawing(true);
    master_.Draw(painter, *window_);
    carver_.KDraw(painter, 1);
    SetMapDrawing(false);
}

void frmMain::ParseCommandOptions(const QString& text) {
    cdDrive_ = app::ParseCommandOptions(text);
}

void frmMain::ExecuteCommands(const QString& text) {
    QString rest = text;
    while (!rest.isEmpty()) {
        if (ExecuteCommand(rest))
            return;
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        if (space < 0)
            return;
        rest = rest.mid(space + 1);
    }
}

bool frmMain::ExecuteCommand(const QString& text) {
    const QString name = ResolveLongPath(text);
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    return false;
}

void frmMain::ReceiveCommandLine(const QString& text) {
    ParseCommandOptions(text);
    ExecuteCommands(text);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void frmMain::AddRecentFile(const QString& path) {
    recent_.removeAll(path);
    recent_.prepend(path);
    while (recent_.size() > MainCommands::RecentFileCount)
        recent_.removeLast();
    ShowRecentFiles();
}

void frmMain::ShowRecentFiles() {
    for (int i = 0; i < MainCommands::RecentFileCount; ++i) {
        QAction* a = commands_->Recent(i);
        a->setVisible(i < recent_.size());
        if (i < recent_.size())
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(recent_.at(i)));
    }
    commands_->RecentSeparator()->setVisible(!recent_.isEmpty());
}

void frmMain::OpenRecentFile(int i) {
    if (i < recent_.size())
        ExecuteCommands(recent_.at(i));
}

void frmMain::ShowHelp() {
    const QString message = HelpLauncher::Open(HelpLauncher::HelpFile(InstallFolder()), helpOpener_);
    if (!message.isEmpty())
        prompt_->Message(QStringLiteral("Help"), message, ui::Icon::Exclamation);
}

void frmMain::SetAutoArrange(bool on) {
    QAction* a = commands_->Command(QStringLiteral("mnuWindowAutoArrange"));
    if (a->isChecked() != on)
        a->setChecked(on);
    if (on)
        tmrArrange_.start();
    else
        tmrArrange_.stop();
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
    if (mapDrawing_) {
        quitPending_ = true;
        return false;
    }
    return true;
}

void frmMain::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
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
