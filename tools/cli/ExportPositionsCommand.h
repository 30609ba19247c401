#pragma once

#include "CliCommand.h"

namespace cli {

int RunExportPositions(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand ExportPositionsCommand{
    "export-positions",
    "export waypoints, or the waypoints of routes, as a position list",
    "  terrafold-cli export-positions FILE (--waypoints|--routes) [--names] -o OUT.txt\n"
    "Every waypoint, or every entry of every route, gives one line: latitude, longitude[, name].",
    RunExportPositions,
};

} // namespace cli
