#pragma once

#include "CliCommand.h"

namespace cli {

int RunBuildMap(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand BuildMapCommand{
    "build-map",
    "build the custom map (.ncm) a workspace defines",
    "  terrafold-cli build-map WORKSPACE.nmp -o OUT.ncm [--res DIR]\n"
    "DIR holds MasterList.txt, MasterDefinitionLibrary.dat and the master map files (default: res beside the "
    "program, or the installed one).",
    nullptr,
};

} // namespace cli
