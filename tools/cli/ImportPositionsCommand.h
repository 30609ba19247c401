#pragma once

#include "CliCommand.h"

namespace cli {

int RunImportPositions(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand ImportPositionsCommand{
    "import-positions",
    "import a position list as a route or as waypoints",
    "  terrafold-cli import-positions LIST.txt (--route|--waypoints) [--into FILE] -o OUT\n"
    "Lines are: latitude longitude [name]. Waypoints of FILE at the same place are reused.\n"
    "OUT is written in the format its name asks for.",
    RunImportPositions,
};

} // namespace cli
