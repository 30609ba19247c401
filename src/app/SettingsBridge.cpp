#include "app/SettingsBridge.h"

#include "app/ProgramSettings.h"
#include "comm/Connection.h"
#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"
#include "unitwindows/TransferSettings.h"
#include "unitwindows/UnitTransfers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

#include <algorithm>

#include <cmath>

namespace app {

namespace {
constexpr double TwipsPerPixel = 15;
constexpr int Minimised = 1;
constexpr int Maximised = 2;

int ToPixels(float twips) {
    return std::isfinite(twips) ? static_cast<int>(std::lround(std::clamp(twips / TwipsPerPixel, -1e6, 1e6)))
                                : 0;
}
} // namespace

void SettingsBridge::ApplyView(const ProgramSettings& s, mapview::WindowObject& w) {
    w.MapFontSize = static_cast<std::int16_t>(s.mapFontSize);
    w.MapFontBold = s.mapFontBold;
    w.MapFontItalic = s.mapFontItalic;
    w.MapFontName = s.mapFontName;
    w.MapZoomChange = std::isfinite(s.mapZoomChange) && s.mapZoomChange > 0 ? s.mapZoomChange : 10.0;
    w.SetMapLinesColor(s.mapLinesColor);
    w.WaypointNamesColor = s.waypointNamesColor;
    w.RouteLinesColor = s.routeLinesColor;
    w.TrailLinesColor = s.trailLinesColor;
    w.MidX = s.midX;
    w.MidY = s.midY;
    w.SetCorridorWidth(s.corridorWidth);
    w.SetDrawBlockBoundaries(s.drawBlocks);
    w.SetDrawBorderHotspots(s.drawHotspots);
    w.DrawWaypoints = s.drawWaypoints;
    w.DrawIcons = s.drawIcons;
    w.DrawTrails = s.drawTrails;
    w.DrawRoutes = s.drawRoutes;
    w.ShowWaypointNames = s.showWaypointNames;
    w.SetZoomRange(std::isfinite(s.zoomRange) ? s.zoomRange : 0);
    w.SetUseHighDetail(s.useHighDetailMaps);
}

void SettingsBridge::CollectView(const mapview::WindowObject& w, ProgramSettings& s) {
    s.mapFontSize = w.MapFontSize;
    s.mapFontBold = w.MapFontBold;
    s.mapFontItalic = w.MapFontItalic;
    s.mapFontName = w.MapFontName;
    s.mapZoomChange = w.MapZoomChange;
    s.mapLinesColor = w.MapLinesColor();
    s.waypointNamesColor = w.WaypointNamesColor;
    s.routeLinesColor = w.RouteLinesColor;
    s.trailLinesColor = w.TrailLinesColor;
    s.midX = w.MidX;
    s.midY = w.MidY;
    s.zoomRange = w.ZoomRange();
    s.corridorWidth = w.CorridorWidth();
    s.drawBlocks = w.DrawBlockBoundaries();
    s.drawHotspots = w.DrawBorderHotspots();
    s.drawWaypoints = w.DrawWaypoints;
    s.drawIcons = w.DrawIcons;
    s.drawTrails = w.DrawTrails;
    s.drawRoutes = w.DrawRoutes;
    s.showWaypointNames = w.ShowWaypointNames;
    s.useHighDetailMaps = w.UseHighDetail();
}

void SettingsBridge::ApplyMapSplit(const ProgramSettings& s, QSplitter& splitter) {
    const int total = std::max(splitter.width(), ToPixels(s.mapSplit) + 1);
    splitter.setSizes({ToPixels(s.mapSplit), total - ToPixels(s.mapSplit)});
}

void SettingsBridge::CollectMapSplit(const QSplitter& splitter, ProgramSettings& s) {
    // A hidden layer pane has no width of its own to keep.
    const QList<int> sizes = splitter.sizes();
    if (!sizes.isEmpty() && sizes.first() > 0)
        s.mapSplit = static_cast<float>(sizes.first() * TwipsPerPixel);
}

void SettingsBridge::ApplyData(const ProgramSettings& s, gpsdata::GPSData& data) {
    data.SetPositionFormat(s.positionFormat);
    if (!s.clipboardDelimiter.isEmpty())
        data.SetClipboardDelimiter(s.clipboardDelimiter);
    data.SetDefaultSymbol(static_cast<qint16>(std::clamp(s.defaultSymbol, 0, 32767)));
}

void SettingsBridge::CollectData(const gpsdata::GPSData& data, ProgramSettings& s) {
    s.positionFormat = data.PositionFormat();
    s.clipboardDelimiter = data.ClipboardDelimiter();
    s.defaultSymbol = data.DefaultSymbol();
}

void SettingsBridge::ApplyPlacement(const ProgramSettings& s, QWidget& window) {
    QRect bounds(ToPixels(s.formLeft), ToPixels(s.formTop), ToPixels(s.formWidth), ToPixels(s.formHeight));
    // A screen that is gone since the last run must not hide the window, and
    // a smaller (or more scaled) one must not cut it off.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (screen)
        bounds.setSize(bounds.size().boundedTo(available.size()));
    bounds.setSize(bounds.size().expandedTo(window.minimumSize()));
    if (screen && !available.contains(bounds)) {
        bounds.moveRight(std::min(bounds.right(), available.right()));
        bounds.moveBottom(std::min(bounds.bottom(), available.bottom()));
        bounds.moveLeft(std::max(bounds.left(), available.left()));
        bounds.moveTop(std::max(bounds.top(), available.top()));
    }
    window.setGeometry(bounds);
    if (s.formState == Maximised)
        window.setWindowState(Qt::WindowMaximized);
}

void SettingsBridge::CollectPlacement(const QWidget& window, ProgramSettings& s) {
    s.formState = window.isMaximized() ? Maximised : window.isMinimized() ? Minimised : 0;
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    s.formLeft = static_cast<float>(normal.x() * TwipsPerPixel);
    s.formTop = static_cast<float>(normal.y() * TwipsPerPixel);
    s.formWidth = static_cast<float>(normal.width() * TwipsPerPixel);
    s.formHeight = static_cast<float>(normal.height() * TwipsPerPixel);
}

void SettingsBridge::ApplyConnection(const ProgramSettings& s, comm::Connection& c) {
    c.SetComPort(static_cast<quint16>(std::clamp(s.comPort, 1, 8)));
    c.SetAutoSelectComPort(s.autoSelectComPort);
    c.SetLPTPort(static_cast<quint16>(std::clamp(s.lptPort, 1, 2)));
    c.SetBaudRate(s.baudRate);
    linkpod::PortTable& ports = c.Pod().Ports();
    for (int port = 1; port <= s.comDevices.size(); ++port)
        ports.SetComDevice(port, s.comDevices.at(port - 1));
    for (int port = 1; port <= s.lptFolders.size(); ++port)
        ports.SetReaderFolder(port, s.lptFolders.at(port - 1));
}

void SettingsBridge::CollectConnection(comm::Connection& c, ProgramSettings& s) {
    s.comPort = c.ComPort();
    s.autoSelectComPort = c.AutoSelectComPort();
    s.lptPort = c.LPTPort();
    s.baudRate = c.BaudRate();
    const linkpod::PortTable& ports = c.Pod().Ports();
    for (int port = 1; port <= s.comDevices.size(); ++port)
        s.comDevices[port - 1] = ports.ChosenComDevice(port);
    for (int port = 1; port <= s.lptFolders.size(); ++port)
        s.lptFolders[port - 1] = ports.ChosenReaderFolder(port);
}

void SettingsBridge::ApplyTransfers(const ProgramSettings& s, unitwindows::UnitTransfers& transfers) {
    transfers.SetSelection(
        unitwindows::TransferSettings::Read(s.transferOptions, s.transferRanges, transfers.Selection()));
}

void SettingsBridge::CollectTransfers(const unitwindows::UnitTransfers& transfers, ProgramSettings& s) {
    s.transferOptions = unitwindows::TransferSettings::Options(transfers.Selection());
    s.transferRanges = unitwindows::TransferSettings::UpDownValues(transfers.Selection());
}

} // namespace app
