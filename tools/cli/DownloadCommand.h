#pragma once

#include "CliCommand.h"

namespace cli {

int RunDownload(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand DownloadCommand{
    "download",
    "download the GPS data from a unit on a serial device into a data file",
    "  terrafold-cli download --port DEV [--baud N] [--kinds LIST] -o FILE\n"
    "LIST names the kinds to move, comma separated: waypoints,routes,icons,trails (the default).\n"
    "The connection starts at --baud (115200 unless given) and tries the other rates.",
    nullptr,
};

} // namespace cli
