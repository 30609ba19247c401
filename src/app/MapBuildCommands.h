#pragma once

#include <QObject>
#include <QString>

namespace mapbuild {
class MapData;
}
namespace ui {
class Prompt;
class StatusSink;
} // namespace ui

namespace app {

class FileChooser;
struct ProgramSettings;

// The Map menu's estimate and build, and saving the built map as a custom
// map file.
class MapBuildCommands : public QObject {
    Q_OBJECT
public:
    static const QString SaveFilter;

    // The save dialog starts in the workspace folder of `settings`.
    MapBuildCommands(mapbuild::MapData& map, const ProgramSettings& settings, ui::Prompt& prompt,
                     ui::StatusSink& status, QObject* parent = nullptr);

    void SetChooser(FileChooser* chooser) { chooser_ = chooser; }

    // The estimate in bytes, told in a message and the status bar; 0 when
    // there is none (the map definition has said why).
    qint32 Estimate();
    // Builds the map and offers to save it; false when nothing was built.
    bool Build();
    // False when the map was not saved.
    bool SaveBuiltMap();

private:
    mapbuild::MapData& map_;
    const ProgramSettings& settings_;
    ui::Prompt& prompt_;
    ui::StatusSink& status_;
    FileChooser* chooser_ = nullptr;
};

} // namespace app
