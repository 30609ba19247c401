#include "RouteToBorderCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"
#include "WorkspaceSession.h"

#include "gpsdata/RouteObject.h"
#include "mapbuild/ConvertToMap.h"

namespace cli {

namespace {

constexpr const char* Name = "route-to-border";

} // namespace

int RunRouteToBorder(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--route", 1}, {"--into", 1}, {"-o", 1}});
    const CliArguments& options = arguments.Options();
    if (!options.Has("--route") || !options.Has("-o"))
        throw UsageError("give --route N and -o OUT.nmp");
    bool number = false;
    const int index = options.Value("--route").toInt(&number);
    if (!number || index < 0 || index > 0x7fff)
        throw UsageError("--route needs a route index from 0 to 32767");

    DataSetSession data;
    if (!data.Open(arguments.Files()[0], err, Name))
        return ExitFailure;
    data.PrintMessages(err, Name);
    const gpsdata::RouteObject* route = data.Data().Route(qint16(index));
    if (!route) {
        err << "terrafold-cli " << Name << ": " << arguments.Files()[0] << " holds no route " << index
            << '\n';
        return ExitFailure;
    }

    WorkspaceSession workspace;
    if (options.Has("--into") && !workspace.file.LoadMapFile(options.Value("--into"))) {
        err << "terrafold-cli " << Name << ": " << options.Value("--into") << ": Error loading file.\n";
        return ExitFailure;
    }
    if (!mapbuild::ConvertToMap(*route, workspace.map)) {
        err << "terrafold-cli " << Name << ": route " << index << " has fewer than two waypoints\n";
        return ExitFailure;
    }
    QString error;
    if (!workspace.file.SaveMapFile(options.Value("-o"), false, &error)) {
        err << "terrafold-cli " << Name << ": cannot write " << options.Value("-o") << ": " << error << '\n';
        return ExitFailure;
    }
    const int border = workspace.carver.KGetNumPolygons() - 1;
    out << "border " << border << " open " << workspace.carver.KGetNumPoints(border) + 1
        << " points from route " << index << '\n';
    return ExitOk;
}

} // namespace cli
