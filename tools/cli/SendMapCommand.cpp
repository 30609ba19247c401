#include "SendMapCommand.h"

#include "FileArguments.h"
#include "UnitSession.h"

#include <QFileInfo>

namespace cli {

namespace {

constexpr const char* Name = "send-map";
constexpr int CardSeconds = 10;          // a unit with cards announces them right after it identified
constexpr int UploadSeconds = 24 * 3600; // the link ends a stalled upload itself

int Positive(const CliArguments& options, const QString& option, int otherwise) {
    if (!options.Has(option))
        return otherwise;
    bool number = false;
    const int value = options.Value(option).toInt(&number);
    if (!number || value < 1)
        throw UsageError(QStringLiteral("%1 needs a positive number").arg(option).toStdString());
    return value;
}

bool ToPartitions(UnitSession& unit, const QString& path, int partition) {
    if (!UnitSession::WaitFor([&] { return unit.partitions.Listed(); }, CardSeconds))
        return false;
    unit.map.SetFileName(path);
    unit.map.SetCartridgeFileName(path);
    // The unit lists its partitions afresh once the map is in.
    bool recounted = false;
    QObject::connect(&unit.session, &comm::Connection::NumFlashSections, [&] { recounted = true; });
    if (!unit.partitions.DownloadCartridge({partition - 1}) || !unit.WaitForUpload(UploadSeconds))
        return false;
    return UnitSession::WaitFor([&] { return recounted && unit.partitions.Listed(); }, CardSeconds);
}

bool ToCard(UnitSession& unit, const QString& path, int card) {
    UnitSession::WaitFor([&] { return unit.cards.Devices().size() >= card; }, CardSeconds);
    unit.cards.SelectDevice(card - 1);
    bool listed = false;
    QObject::connect(&unit.cards, &comm::CardOperations::FilesChanged, [&] { listed = true; });
    if (!unit.cards.DownloadCartridge(path) || !unit.WaitForUpload(UploadSeconds))
        return false;
    return UnitSession::WaitFor([&] { return listed; }, CardSeconds);
}

} // namespace

int RunSendMap(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--port", 1}, {"--card", 1}, {"--baud", 1}});
    const CliArguments& options = arguments.Options();
    if (!options.Has("--port"))
        throw UsageError("give the unit's serial device with --port DEV");
    const int card = Positive(options, "--card", 1);
    const int baud = UnitSession::Baud(options.Value("--baud"));
    const QString path = arguments.Files()[0];
    if (!QFileInfo(path).isFile()) {
        err << "terrafold-cli " << Name << ": cannot read " << path << '\n';
        return ExitFailure;
    }

    gpsdata::GPSData data;
    // The very large map and overwrite questions: the command was asked for.
    UnitSession unit(data, err, Name, ui::Answer::Yes);
    if (!unit.Connect(options.Value("--port"), baud))
        return ExitFailure;
    const bool sent =
        unit.session.ConnectionIsLurch() ? ToPartitions(unit, path, card) : ToCard(unit, path, card);
    if (!sent)
        return ExitFailure;
    out << "Map sent: " << QFileInfo(path).fileName() << '\n';
    return ExitOk;
}

} // namespace cli
