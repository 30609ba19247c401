#include "ExportPositionsCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"

#include "files/PositionListExport.h"

namespace cli {

int RunExportPositions(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--waypoints", 0}, {"--routes", 0}, {"--names", 0}, {"-o", 1}});
    const CliArguments& options = arguments.Options();
    if (options.Has("--routes") == options.Has("--waypoints") || !options.Has("-o"))
        throw UsageError("give --waypoints or --routes, and -o OUT.txt");
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "export-positions"))
        return ExitFailure;
    session.PrintMessages(err, "export-positions");
    if (!session.Complete())
        return ExitFailure;
    const gpsdata::GPSData& d = session.Data();
    const bool names = options.Has("--names");
    const QStringList lines = options.Has("--routes")
                                  ? files::PositionListExport::RouteLines(d, d.Routes().Keys(), names)
                                  : files::PositionListExport::WaypointLines(d, d.Waypoints().Keys(), names);
    const QString failure = files::PositionListExport::Save(options.Value("-o"), lines);
    if (failure.isEmpty())
        return ExitOk;
    err << "terrafold-cli export-positions: cannot write " << options.Value("-o") << ": " << failure << '\n';
    return ExitFailure;
}

} // namespace cli
