#pragma once

#include "CliCommand.h"

namespace cli {

int RunEstimate(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand EstimateCommand{
    "estimate",
    "estimate the size of the custom map a workspace defines",
    "  terrafold-cli estimate WORKSPACE.nmp [--res DIR]\n"
    "DIR holds MasterList.txt, MasterDefinitionLibrary.dat and the master map files (default: res beside the "
    "program, or the installed one).",
    nullptr,
};

} // namespace cli
