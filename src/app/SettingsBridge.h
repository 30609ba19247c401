#pragma once

class QSplitter;
class QWidget;

namespace comm {
class Connection;
}
namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}
namespace unitwindows {
class UnitTransfers;
}

namespace app {

struct ProgramSettings;

// Moves the values of the settings and workspace files into the objects that
// use them after a load, and back before a save.
class SettingsBridge {
public:
    // What a workspace also holds: the view, the detail level, the drawing
    // switches and colours.
    static void ApplyView(const ProgramSettings& settings, mapview::WindowObject& window);
    static void CollectView(const mapview::WindowObject& window, ProgramSettings& settings);
    // The data set's settings: position format, delimiter, default symbol.
    static void ApplyData(const ProgramSettings& settings, gpsdata::GPSData& data);
    static void CollectData(const gpsdata::GPSData& data, ProgramSettings& settings);
    // The main window's bounds, in twips, kept on the screen.
    static void ApplyPlacement(const ProgramSettings& settings, QWidget& window);
    static void CollectPlacement(const QWidget& window, ProgramSettings& settings);
    // The width of the map window's layer pane, in twips.
    static void ApplyMapSplit(const ProgramSettings& settings, QSplitter& splitter);
    static void CollectMapSplit(const QSplitter& splitter, ProgramSettings& settings);
    // The port, rate and port choice of the unit link.
    static void ApplyConnection(const ProgramSettings& settings, comm::Connection& connection);
    static void CollectConnection(comm::Connection& connection, ProgramSettings& settings);
    // The last transfer selection, which the download buttons use again.
    static void ApplyTransfers(const ProgramSettings& settings, unitwindows::UnitTransfers& transfers);
    static void CollectTransfers(const unitwindows::UnitTransfers& transfers, ProgramSettings& settings);
};

} // namespace app
