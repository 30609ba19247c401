#pragma once

#include "CliCommand.h"

namespace cli {

int RunInfo(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand InfoCommand{
    "info",
    "counts, product, description, limits and load messages of a GPS data file",
    "  terrafold-cli info FILE [--json]\n"
    "FILE is a sectioned file (.nrv or any other name), a GPX file (.gpx) or a position list (.txt).\n"
    "The messages are every problem the load reported, in order; a damaged file still exits 0.",
    RunInfo,
};

} // namespace cli
