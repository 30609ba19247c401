#include "app/SettingsLoader.h"

#include "app/MapFile.h"
#include "app/ProgramSettings.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"

#include <QDir>
#include <QFileInfo>

namespace app {

SettingsLoader::SettingsLoader(MapFile& file, ProgramSettings& settings, mapbuild::MapData& map,
                               ui::Prompt& prompt, QString configFolder, QString installFolder,
                               QString dataFolder)
    : file_(file), settings_(settings), map_(map), prompt_(prompt), config_(std::move(configFolder)),
      install_(std::move(installFolder)), data_(std::move(dataFolder)) {}

QString SettingsLoader::SettingsFile() const {
    return QDir(config_).filePath("terrafol.ini");
}

QString SettingsLoader::DefaultsFile() const {
    return QDir(install_).filePath("default.ini");
}

bool SettingsLoader::Load() {
    if (QFileInfo::exists(SettingsFile())) {
        file_.LoadMapFile(SettingsFile());
        return true;
    }
    settings_ = ProgramSettings();
    ReadDefaults();
    const QString maps = QDir(data_).filePath("data");
    QDir().mkpath(maps);
    map_.SetMapPath(maps);
    return false;
}

bool SettingsLoader::ReadDefaults() {
    if (!QFileInfo::exists(DefaultsFile())) {
        prompt_.Message(QStringLiteral("Installation Error"), QStringLiteral("'Default.ini' file not found!"),
                        ui::Icon::Critical);
        map_.UpdateLayers();
        return false;
    }
    return file_.LoadMapFile(DefaultsFile());
}

bool SettingsLoader::RestoreDefaults() {
    map_.ClearMap();
    const bool read = ReadDefaults();
    map_.SetDirty(false);
    return read;
}

} // namespace app
