#pragma once

#include "CliCommand.h"

namespace cli {

int RunBorders(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand BordersCommand{
    "borders",
    "list the borders, map options and layers switched off of a workspace file",
    "  terrafold-cli borders WORKSPACE.nmp [--json]\n"
    "Options are listed with their values as read; a key met on several lines lists them all.",
    nullptr,
};

} // namespace cli
