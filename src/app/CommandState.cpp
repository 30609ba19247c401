#include "app/CommandState.h"

#include "app/MainCommands.h"
#include "app/StatusPanels.h"
#include "carver/Carver.h"
#include "comm/Connection.h"
#include "mapbuild/MapData.h"
#include "mapbuild/SizeInMB.h"

#include <QAction>
#include <QFileInfo>

namespace app {

namespace {

// The ports an attempt would walk: the chosen one, or all four when the
// program picks the port itself.
bool PortPresent(comm::Connection& connection) {
    const linkpod::PortTable& ports = connection.Pod().Ports();
    if (!connection.AutoSelectComPort())
        return QFileInfo::exists(ports.ComDevice(connection.ComPort()));
    for (int port = 1; port <= 4; ++port)
        if (QFileInfo::exists(ports.ComDevice(port)))
            return true;
    return false;
}

} // namespace

CommandState::CommandState(MainCommands& commands, StatusPanels& status, comm::Connection& connection,
                           const mapbuild::MapData& map)
    : commands_(commands), status_(status), connection_(connection), map_(map) {}

QString CommandState::ConnectionText(comm::Connection& connection) {
    // A unit on the Dezav link holds the line as well.
    if (connection.SerialConnected() || connection.ConnectionIsLurch())
        return QStringLiteral("COM%1 - %2 baud").arg(connection.ComPort()).arg(connection.BaudRate());
    if (connection.LPTPortOpen())
        return QStringLiteral("Parallel port open");
    return PortPresent(connection) ? QStringLiteral("Ready to connect") : QStringLiteral("Not connected");
}

QString CommandState::MapSizeText(const mapbuild::MapData& map) {
    const qint32 length = map.CartridgeFileLen();
    if (length <= 0)
        return QStringLiteral("Map not built");
    return QStringLiteral("Map size: ") + mapbuild::SizeInMB(length) + QStringLiteral(" MB");
}

void CommandState::ConnectionChanged() {
    status_.SetStatusText(StatusPanels::Connection, ConnectionText(connection_));
    Refresh();
}

void CommandState::Enable(const char* key, bool on) {
    if (QAction* action = commands_.Command(QLatin1String(key)))
        action->setEnabled(on);
}

void CommandState::Refresh() {
    const bool borders = map_.Borders().KGetNumPolygons() > 0;
    Enable("map", borders);
    Enable("cartridgeestimate", borders);
    Enable("savemap", map_.CartridgeFileLen() > 0);
    // A unit on the Dezav link holds the line too, though it moves no data.
    const bool unit = connection_.SerialConnected() || connection_.ConnectionIsLurch();
    const bool reader = connection_.LPTPortOpen();
    Enable("connect", !unit && !reader);
    Enable("disconnect", unit);
    Enable("mmcconnect", !unit && !reader);
    Enable("mmcdisconnect", reader);
    for (const char* transfer : {"transferdata", "download", "downloadalt"})
        Enable(transfer, connection_.Linked());
    status_.SetStatusText(StatusPanels::MapSize, MapSizeText(map_));
}

} // namespace app
