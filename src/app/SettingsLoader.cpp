#include "app/SettingsLoader.h"

#include "app/MapFile.h"
#include "app/ProgramSettings.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

SettingsLoader::SettingsLoader(MapFile& file, ProgramSettings& settings, mapbuild::MapData& map,
                               ui::Prompt& prompt, QString configFolder, QString installFolder,
                               QString dataFolder)
    : file_(file), settings_(settings), map_(map), prompt_(prompt), config_(std::move(configFolder)),
      install_(std::move(installFolder)), data_(std::move(dataFolder)) {}

QString SettingsLoader::UserConfigFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("terrafold");
}

QString SettingsLoader::UserDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("terrafold");
}

// Next to the program first (a build or an unpacked copy), then the install
// prefix's share folder.
QString SettingsLoader::InstalledDataFolder() {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {bin.filePath("../share/terrafold"), bin.filePath("../../share"),
          QStringLiteral(TF_DATA_DIR_INSTALLED), QStringLiteral("/usr/local/share/terrafold"),
          QStringLiteral("/usr/share/terrafold")})
        if (QFileInfo::exists(QDir(candidate).filePath("default.ini")))
            return QDir::cleanPath(candidate);
    return bin.filePath("../share/terrafold");
}

QString SettingsLoader::MasterMapFolder() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/res");
    return QFileInfo(beside).isDir() ? beside : InstalledDataFolder() + QStringLiteral("/res");
}

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
