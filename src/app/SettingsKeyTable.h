#pragma once

#include "app/ProgramSettings.h"
#include "app/RecentFiles.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace mapbuild {
class MapData;
class SettingsLine;
class SettingsLineWriter;
} // namespace mapbuild

namespace app {

// Which file form writes a key.
enum class FileForm { Settings, Both, Workspace };

// One key of the settings and workspace files: how it is written and read.
// Reading gives the value as read, or nothing when the line is malformed.
struct SettingsKey {
    QString key;
    FileForm form;
    std::function<void(mapbuild::SettingsLineWriter&)> write;
    std::function<std::optional<QVariant>(const mapbuild::SettingsLine&)> read;
};

// The keys in the order they are written, bound to the values they carry.
QList<SettingsKey> SettingsKeyTable(ProgramSettings& settings, RecentFiles& recent, mapbuild::MapData& map);

} // namespace app
