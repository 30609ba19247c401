#include "app/MapBuildCommands.h"

#include "app/FileChooser.h"
#include "app/ProgramSettings.h"
#include "app/StatusPanels.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"
#include "mapbuild/SizeInMB.h"

#include <QDir>

namespace app {

const QString MapBuildCommands::SaveFilter =
    QStringLiteral("Custom Map Files (*.ncm)|*.ncm|All Files (*.*)|*.*");

MapBuildCommands::MapBuildCommands(mapbuild::MapData& map, const ProgramSettings& settings,
                                   ui::Prompt& prompt, ui::StatusSink& status, QObject* parent)
    : QObject(parent), map_(map), settings_(settings), prompt_(prompt), status_(status) {}

MapBuildCommands::~MapBuildCommands() = default;

void MapBuildCommands::SetRemovableDrives(RemovableDrives* drives) {
    eject_ = drives ? std::make_unique<MediumEject>(*drives, prompt_, status_) : nullptr;
}

qint32 MapBuildCommands::Estimate() {
    const qint32 size = map_.EstimateCartridge();
    // No estimate is no size: the reason has been told already, and "0.00 MB"
    // would read as an empty map.
    if (size <= 0)
        return 0;
    const QString mb = mapbuild::SizeInMB(size);
    prompt_.Message(QStringLiteral("Terrafold 6 - Estimated map size"),
                    QStringLiteral("This custom map will take approximately ") + mb +
                        QStringLiteral(" MB of cartridge space."),
                    ui::Icon::Information);
    status_.SetStatusText(StatusPanels::Message,
                          QStringLiteral("Estimated map size:  ") + mb + QStringLiteral(" MB"));
    return size;
}

bool MapBuildCommands::Build() {
    if (!map_.CreateCartridge())
        return false;
    SaveBuiltMap();
    return true;
}

bool MapBuildCommands::SaveBuiltMap() {
    if (!chooser_ || map_.CartridgeFileLen() <= 0)
        return false;
    const QString name = map_.MapName().isEmpty() ? QStringLiteral("Untitled") : map_.MapName();
    const QString target = chooser_->SaveName(
        {QStringLiteral("Save Custom Map"), SaveFilter,
         QDir(settings_.mapBorderDataPath).filePath(name + QStringLiteral(".ncm")), QStringLiteral("ncm")});
    if (target.isEmpty())
        return false;
    status_.SetStatusText(StatusPanels::Message, QStringLiteral("Saving custom map file to ") + target);
    const QString error = map_.SaveCartridge(target);
    if (!error.isEmpty()) {
        prompt_.Message(QStringLiteral("File Error"),
                        QStringLiteral("Error saving ") + target + QStringLiteral("\r\n") + error,
                        ui::Icon::Critical);
        return false;
    }
    const QString saved = QStringLiteral("Custom map saved to ") + target;
    status_.SetStatusText(StatusPanels::Message, saved);
    // The card goes from the reader into the unit next.
    if (eject_)
        eject_->EjectMediumOf(target, saved);
    return true;
}

} // namespace app
