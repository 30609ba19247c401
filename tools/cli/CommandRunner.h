#pragma once

#include "CliCommand.h"

namespace cli {

// Runs `command` through `run` and turns a UsageError into its message, the
// command's usage and ExitUsage.
int RunCommand(const CliCommand& command, RunFunction run, const QStringList& arguments, QTextStream& out,
               QTextStream& err);

} // namespace cli
