#pragma once

#include <QString>

namespace mapbuild {
class MapData;
}
namespace ui {
class Prompt;
}

namespace app {

class MapFile;
struct ProgramSettings;

// Finds and reads the settings at start-up: the user's "terrafol.ini", or on
// the first run the installation's "default.ini"; and restores the defaults.
class SettingsLoader {
public:
    // `configFolder` holds "terrafol.ini", `installFolder` the read-only
    // "default.ini", `dataFolder` the user's data ("data" becomes the master
    // map folder on the first run).
    SettingsLoader(MapFile& file, ProgramSettings& settings, mapbuild::MapData& map, ui::Prompt& prompt,
                   QString configFolder, QString installFolder, QString dataFolder);

    QString SettingsFile() const;
    QString DefaultsFile() const;

    // True when the user's settings were read (not the first run).
    bool Load();
    // After the map dirty prompt: clears the map and reads "default.ini";
    // false when it is missing or unreadable.
    bool RestoreDefaults();

private:
    bool ReadDefaults();

    MapFile& file_;
    ProgramSettings& settings_;
    mapbuild::MapData& map_;
    ui::Prompt& prompt_;
    QString config_, install_, data_;
};

} // namespace app
