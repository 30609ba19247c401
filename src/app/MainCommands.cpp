#include "app/MainCommands.h"

#include "app/ToolIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace app {

MainCommands::MainCommands(QMainWindow* window)
    : QObject(window), window_(window), toolbar_(new QToolBar(QStringLiteral("Toolbar"), window)),
      modes_(new QActionGroup(this)) {
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    window->addToolBar(Qt::TopToolBarArea, toolbar_);
    QMenuBar* bar = window->menuBar();
    BuildFileMenu(bar->addMenu(QStringLiteral("&File")));
    BuildEditMenu(bar->addMenu(QStringLiteral("&Edit")));
    BuildViewMenu(bar->addMenu(QStringLiteral("&View")));
    BuildMapMenu(bar->addMenu(QStringLiteral("&Map")));
    BuildUnitMenu(bar->addMenu(QStringLiteral("&Unit")));
    BuildWindowMenu(bar->addMenu(QStringLiteral("&Window")));
    BuildHelpMenu(bar->addMenu(QStringLiteral("&Help")));
}

QAction* MainCommands::Command(const QString& name) const {
    return byName_.value(name);
}

QAction* MainCommands::Add(QMenu* menu, const char* name, const QString& caption, const char* key,
                           const QString& tip) {
    auto* action = new QAction(caption, window_);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    byName_.insert(QLatin1String(name), action);
    if (key) {
        const QString k = QLatin1String(key);
        action->setIcon(ToolIcons::ForKey(k));
        action->setToolTip(tip);
        action->setProperty("key", k);
        toolbar_->addAction(action);
        toolbar_->widgetForAction(action)->setObjectName(k);
        byName_.insert(k, action);
    }
    return action;
}

void MainCommands::BuildFileMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuFile"));
    Add(m, "mnuFileNewGPS", QStringLiteral("&New GPS Data File"), "newgps",
        QStringLiteral("New GPS Data File"))
        ->setShortcut(QKeySequence::New);
    Add(m, "mnuFileOpenGPS", QStringLiteral("&Open GPS Data File..."), "opengps",
        QStringLiteral("Open GPS Data File"))
        ->setShortcut(QKeySequence::Open);
    Add(m, "mnuFileSaveGPS", QStringLiteral("&Save GPS Data File"), "savegps",
        QStringLiteral("Save GPS Data File"))
        ->setShortcut(QKeySequence::Save);
    Add(m, "mnuFileSaveGPSAs", QStringLiteral("Save GPS Data File &As..."))
        ->setShortcut(QKeySequence::SaveAs);
    m->addSeparator();
    Add(m, "mnuFileImportRoute", QStringLiteral("&Import Route..."));
    Add(m, "mnuFileImportWaypoints", QStringLiteral("Import &Waypoint List..."));
    Add(m, "mnuFileExport", QStringLiteral("Expor&t..."));
    m->addSeparator();
    toolbar_->addSeparator();
    Add(m, "mnuFileNewBorder", QStringLiteral("New &Map Border File"), "newborder",
        QStringLiteral("New Map Border File"));
    Add(m, "mnuFileOpenBorder", QStringLiteral("Open Map &Border File..."), "openborder",
        QStringLiteral("Open Map Border File"));
    Add(m, "mnuFileMergeBorder", QStringLiteral("Mer&ge Map Border File..."));
    Add(m, "mnuFileSaveBorder", QStringLiteral("Save Map Bor&ders"), "saveborder",
        QStringLiteral("Save Map Borders"));
    Add(m, "mnuFileSaveBorderAs", QStringLiteral("Save Map Borders As..."));
    Add(m, "mnuFileRestoreDefaults", QStringLiteral("Restore &Defaults"));
    m->addSeparator();
    Add(m, "mnuFileSaveMap", QStringLiteral("Save Built Ma&p..."), "savemap",
        QStringLiteral("Save Built Map"));
    m->addSeparator();
    Add(m, "mnuFilePrint", QStringLiteral("P&rint..."))->setShortcut(QKeySequence::Print);
    Add(m, "mnuPrintMap", QStringLiteral("Print Map &View..."));
    recentSeparator_ = m->addSeparator();
    recentSeparator_->setVisible(false);
    for (int i = 0; i < RecentFileCount; ++i) {
        auto* action = new QAction(window_);
        action->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i + 1));
        action->setVisible(false);
        m->addAction(action);
        recent_ << action;
    }
    m->addSeparator();
    Add(m, "mnuFileExit", QStringLiteral("E&xit"))->setShortcut(QKeySequence::Quit);
}

void MainCommands::BuildEditMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuEdit"));
    toolbar_->addSeparator();
    QAction* undo = Add(m, "mnuEditUndo", QStringLiteral("Can't Undo"), "undo", QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false);
    QAction* redo = Add(m, "mnuEditRedo", QStringLiteral("Can't Redo"));
    redo->setShortcut(QKeySequence::Redo);
    redo->setEnabled(false);
    editMenu_ = m;
    m->addSeparator();
    Add(m, "mnuEditCut", QStringLiteral("Cu&t"))->setShortcut(QKeySequence::Cut);
    Add(m, "mnuEditCopy", QStringLiteral("&Copy"))->setShortcut(QKeySequence::Copy);
    Add(m, "mnuEditPaste", QStringLiteral("&Paste"))->setShortcut(QKeySequence::Paste);
    Add(m, "mnuEditDelete", QStringLiteral("&Delete"))->setShortcut(QKeySequence::Delete);
    Add(m, "mnuEditSelectAll", QStringLiteral("Select &All"))->setShortcut(QKeySequence::SelectAll);
    Add(m, "mnuEditSelected", QStringLiteral("&Edit Selected"));
    m->addSeparator();
    Add(m, "mnuEditNewWaypoint", QStringLiteral("Create New &Waypoint"));
    Add(m, "mnuEditNewRoute", QStringLiteral("Create New &Route"));
    Add(m, "mnuEditNewIcon", QStringLiteral("Create New &Icon"));
    // Each opens one more list window of its kind.
    m->addSeparator();
    Add(m, "mnuEditWaypointList", QStringLiteral("Wa&ypoint List"));
    Add(m, "mnuEditRouteList", QStringLiteral("R&oute List"));
    Add(m, "mnuEditIconList", QStringLiteral("Ico&n List"));
    Add(m, "mnuEditTrailList", QStringLiteral("Trai&l List"));
}

void MainCommands::BuildViewMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuView"));
    for (const auto& [name, caption] : {std::pair{"mnuViewToolbar", "&Toolbar"},
                                        {"mnuViewStatusbar", "&Status Bar"},
                                        {"mnuViewMapLayers", "Map &Layers"}}) {
        QAction* a = Add(m, name, QLatin1String(caption));
        a->setCheckable(true);
        a->setChecked(true);
    }
    m->addSeparator();
    Add(m, "mnuViewZoomIn", QStringLiteral("Zoom &In"))->setShortcut(QKeySequence::ZoomIn);
    Add(m, "mnuViewZoomOut", QStringLiteral("Zoom &Out"))->setShortcut(QKeySequence::ZoomOut);
    Add(m, "mnuViewZoomToData", QStringLiteral("Zoom to &Data"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m->addSeparator();
    Add(m, "mnuViewMapOptions", QStringLiteral("Map O&ptions..."));
}

void MainCommands::BuildMapMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuMap"));
    toolbar_->addSeparator();
    struct Mode {
        const char* name;
        const char* caption;
        const char* key;
        const char* tip;
    };
    static const Mode modes[] = {
        {"mnuMapCenter", "&Center Map", "center", "Center Map"},
        {"mnuMapCreate", "Create Map &Border", "create", "Create Map Border"},
        {"mnuMapPolyline", "Draw &Polyline", "polyline", "Draw Polyline"},
        {"mnuMapDropWpt", "Drop &Waypoints", "dropwpt", "Drop Waypoints"},
        {"mnuMapDropRteWpt", "Drop &Route Waypoints", "droprtewpt", "Drop Route Waypoints"},
        {"mnuMapDropIcn", "Drop &Icons", "dropicn", "Drop Icons"},
    };
    for (const Mode& mode : modes) {
        QAction* a = Add(m, mode.name, QLatin1String(mode.caption), mode.key, QLatin1String(mode.tip));
        a->setCheckable(true);
        modes_->addAction(a);
    }
    m->addSeparator();
    toolbar_->addSeparator();
    Add(m, "mnuMapEstimate", QStringLiteral("Map &Estimate"), "cartridgeestimate",
        QStringLiteral("Map Estimate"));
    Add(m, "mnuMapBuild", QStringLiteral("B&uild Map"), "map", QStringLiteral("Build Map"));
    Add(m, "mnuMapSendMap", QStringLiteral("&Send Map to Unit"), "sendmap",
        QStringLiteral("Send Map to Unit"));
    m->addSeparator();
    Add(m, "mnuMapCategories", QStringLiteral("Map &Categories..."), "mapcategories",
        QStringLiteral("Map Categories"));
}

void MainCommands::BuildUnitMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuUnit"));
    toolbar_->addSeparator();
    Add(m, "mnuUnitConnect", QStringLiteral("&Connect"), "connect", QStringLiteral("Connect to GPS Unit"));
    Add(m, "mnuUnitDisconnect", QStringLiteral("&Disconnect"), "disconnect",
        QStringLiteral("Disconnect from GPS Unit"));
    m->addSeparator();
    Add(m, "mnuUnitCardOpen", QStringLiteral("&Open Card Reader"), "mmcconnect",
        QStringLiteral("Open Card Reader"));
    Add(m, "mnuUnitCardClose", QStringLiteral("C&lose Card Reader"), "mmcdisconnect",
        QStringLiteral("Close Card Reader"));
    m->addSeparator();
    Add(m, "mnuTransferData", QStringLiteral("&Transfer Data..."), "transferdata",
        QStringLiteral("Transfer Data"));
    Add(m, "mnuUnitDownload", QStringLiteral("Do&wnload"), "download",
        QStringLiteral("Download from GPS Unit"));
    // The second download button has no menu entry of its own.
    m->removeAction(Add(m, "mnuUnitDownloadAlt", QStringLiteral("Download"), "downloadalt",
                        QStringLiteral("Download from GPS Unit")));
    m->addSeparator();
    Add(m, "mnuUnitOptions", QStringLiteral("&Options..."));
    m->addSeparator();
    Add(m, "mnuGPSEraseFlash", QStringLiteral("&Erase File"));
    Add(m, "mnuGPSFormatDevice", QStringLiteral("&Format Card"));
}

void MainCommands::BuildWindowMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuWindow"));
    windowMenu_ = m;
    Add(m, "mnuWindowArrange", QStringLiteral("&Arrange Windows"));
    Add(m, "mnuWindowArrangeIcons", QStringLiteral("Arrange &Icons"));
    Add(m, "mnuWindowCloseAll", QStringLiteral("Close All"));
    Add(m, "mnuWindowAutoArrange", QStringLiteral("Auto Arrange"))->setCheckable(true);
    m->addSeparator();
    Add(m, "mnuWindowCascade", QStringLiteral("&Cascade"));
    Add(m, "mnuWindowTileHorizontal", QStringLiteral("Tile &Horizontally"));
    Add(m, "mnuWindowTileVertical", QStringLiteral("Tile &Vertically"));
}

void MainCommands::BuildHelpMenu(QMenu* m) {
    m->setObjectName(QStringLiteral("mnuHelp"));
    Add(m, "mnuHelpContents", QStringLiteral("&Contents"))->setShortcut(QKeySequence::HelpContents);
    Add(m, "mnuSerialUpdateUnitSoftware", QStringLiteral("&Update Unit Software"));
    m->addSeparator();
    Add(m, "mnuHelpAbout", QStringLiteral("&About Terrafold"));
}

QString MainCommands::ModeKey(int mode) {
    switch (mode) {
    case 0:
    case 6:
    case 7:
        return QStringLiteral("center");
    case 1:
    case 2:
        return QStringLiteral("create");
    case 3:
        return QStringLiteral("dropwpt");
    case 4:
        return QStringLiteral("droprtewpt");
    case 5:
        return QStringLiteral("dropicn");
    default:
        return {};
    }
}

QAction* MainCommands::ModeButton(int mode) const {
    return Command(ModeKey(mode));
}

} // namespace app
