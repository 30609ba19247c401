#pragma once

#include "CliCommand.h"

namespace cli {

int RunMapInfo(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand MapInfoCommand{
    "map-info",
    "show the header, bounds, blocks and per-category contents of a custom map",
    "  terrafold-cli map-info FILE.ncm [--json]",
    nullptr,
};

} // namespace cli
