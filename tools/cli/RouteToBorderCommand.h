#pragma once

#include "CliCommand.h"

namespace cli {

int RunRouteToBorder(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand RouteToBorderCommand{
    "route-to-border",
    "add a route of a data file to a workspace as an open border",
    "  terrafold-cli route-to-border DATAFILE --route N [--into WORKSPACE.nmp] -o OUT.nmp\n"
    "N is the route's index. The border goes after the borders of WORKSPACE (or into a new\n"
    "workspace); a corridor map along the route is then built with build-map OUT.nmp.",
    nullptr,
};

} // namespace cli
