#pragma once

#include "app/MediumEject.h"

#include <QObject>
#include <QString>

#include <memory>

namespace mapbuild {
class MapData;
}
namespace ui {
class Prompt;
class StatusSink;
} // namespace ui

namespace app {

class FileChooser;
class RemovableDrives;
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
    ~MapBuildCommands() override;

    void SetChooser(FileChooser* chooser) { chooser_ = chooser; }
    // The drives whose medium a saved map is ejected from; none: it stays.
    void SetRemovableDrives(RemovableDrives* drives);

    // The estimate in bytes, told in a message and the status bar; 0 when
    // there is none (the map definition has said why).
    qint32 Estimate();
    // Builds the map and offers to save it; false when nothing was built.
    bool Build();
    // False when the map was not saved. A saved map's medium is then ejected
    // from a removable drive, whatever becomes of that.
    bool SaveBuiltMap();

private:
    mapbuild::MapData& map_;
    const ProgramSettings& settings_;
    ui::Prompt& prompt_;
    ui::StatusSink& status_;
    FileChooser* chooser_ = nullptr;
    std::unique_ptr<MediumEject> eject_;
};

} // namespace app
