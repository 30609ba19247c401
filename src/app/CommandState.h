#pragma once

#include <QString>

namespace comm {
class Connection;
}
namespace mapbuild {
class MapData;
}

namespace app {

class MainCommands;
class StatusPanels;

// Brings the connection and map panels of the status bar and the buttons
// that depend on the link and on the map definition up to date.
class CommandState {
public:
    CommandState(MainCommands& commands, StatusPanels& status, comm::Connection& connection,
                 const mapbuild::MapData& map);

    // The link came or went: its panel, then everything else.
    void ConnectionChanged();
    // The borders or the built map changed.
    void Refresh();

    // "COM2 - 9600 baud" with a unit, "Parallel port open" with the card
    // reader, "Ready to connect" while the port to try is there, else "Not
    // connected".
    static QString ConnectionText(comm::Connection& connection);
    // "Map not built" or "Map size: 1.25 MB".
    static QString MapSizeText(const mapbuild::MapData& map);

private:
    void Enable(const char* key, bool on);

    MainCommands& commands_;
    StatusPanels& status_;
    comm::Connection& connection_;
    const mapbuild::MapData& map_;
};

} // namespace app
