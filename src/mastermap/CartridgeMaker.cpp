#include "mastermap/CartridgeMaker.h"

#include "files/ByteWriter.h"
#include "mastermap/CategoryLibrary.h"
#include "mastermap/LayerSelection.h"
#include "mastermap/NcmWriter.h"

#include <QSaveFile>

namespace mastermap {

namespace {

QString WriteEstimate(const QString& path, std::uint64_t size) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(path, file.errorString());
    QByteArray bytes;
    files::AppendLittleEndian<std::uint32_t>(bytes, static_cast<std::uint32_t>(size));
    file.write(bytes);
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

const QString CartridgeMaker::NoMapData = QStringLiteral("The map borders hold no map data.");

CartridgeMaker::Result CartridgeMaker::Make(const Request& request, const MapCutter::Progress& progress) {
    Result result;
    CategoryLibrary library;
    if (QString error = library.Read(request.library); !error.isEmpty()) {
        result.error = error;
        return result;
    }
    const LayerSelection selection = LayerSelection::Parse(request.layers, library);
    result.estimate = selection.estimate;
    if (selection.categories == 0) {
        result.error = QStringLiteral("No map layers selected!");
        return result;
    }
    MasterSet master;
    master.OpenList(request.buildList, MasterSet::LevelFiles::Skip);

    MapCutter::Job job{request.borders, request.corridorWidth, request.blockSize, selection.categories};
    NcmWriter writer(selection.estimate ? QString() : request.output, request.blockSize, request.headerText);
    QString error = writer.Begin();
    if (error.isEmpty())
        error = MapCutter().Cut(master, job, writer, progress);
    // A map of headers alone would read as built and show nothing on the unit.
    if (error.isEmpty() && writer.FeatureCount() == 0)
        error = NoMapData;
    if (error.isEmpty())
        error = writer.Finish();
    if (error.isEmpty() && selection.estimate)
        error = WriteEstimate(request.output, writer.Size());
    result.error = error;
    result.size = writer.Size();
    result.status = error.isEmpty() ? 1 : 0;
    return result;
}

} // namespace mastermap
