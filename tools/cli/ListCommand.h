#pragma once

#include "CliCommand.h"

namespace cli {

int RunList(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand ListCommand{
    "list",
    "list the waypoints, routes, icons and trails of a GPS data file",
    "  terrafold-cli list FILE [--kind waypoints|routes|icons|trails] [--position-format 1-5] [--json]\n"
    "Without --kind every kind is listed; with --json a kind gives an array and all kinds an object\n"
    "of arrays. Positions are shown in the position format (default 3, Deg, Min).",
    RunList,
};

} // namespace cli
