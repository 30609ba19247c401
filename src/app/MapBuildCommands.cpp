#include "app/MapBuildCommands.h"

#include "app/FileChooser.h"
#include "app/ProgramSettings.h"
#include "app/StatusPanels.h"
#include "gpsdata/Prompt.h"
#include "mapbuild/MapData.h"
#include "mapbuild/SizeInMB.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace app {

namespace {

constexpr qint64 CopyChunk = 1 << 16;

// The copy replaces the target only once it is complete, so a failed save
// keeps the file that was there. Returns the reason of a failure, "" on success.
QString CopyInto(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(CopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return in.errorString();
        if (out.write(chunk) != chunk.size())
            return out.errorString();
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

} // namespace

const QString MapBuildCommands::SaveFilter =
    QStringLiteral("Custom Map Files (*.ncm)|*.ncm|All Files (*.*)|*.*");

MapBuildCommands::MapBuildCommands(mapbuild::MapData& map, const ProgramSettings& settings,
                                   ui::Prompt& prompt, ui::StatusSink& status, QObject* parent)
    : QObject(parent), map_(map), settings_(settings), prompt_(prompt), status_(status) {}

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
    const QString error = CopyInto(map_.CartridgeFileName(), target);
    if (!error.isEmpty()) {
        prompt_.Message(QStringLiteral("File Error"),
                        QStringLiteral("Error saving ") + target + QStringLiteral("\r\n") + error,
                        ui::Icon::Critical);
        return false;
    }
    status_.SetStatusText(StatusPanels::Message, QStringLiteral("Custom map saved to ") + target);
    return true;
}

} // namespace app
