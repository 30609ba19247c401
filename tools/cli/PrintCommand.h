#pragma once

#include "CliCommand.h"

namespace cli {

int RunPrint(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand PrintCommand{
    "print",
    "print a table of waypoints, routes or icons, or the map, to a PDF file",
    "  terrafold-cli print DATAFILE --what waypoints|routes|icons|map [--items 1,4,7] [--from N] [--to N]\n"
    "                [--workspace FILE.nmp] [--res DIR] [--borders] [--expand] -o OUT.pdf\n"
    "--items takes the indexes that list shows (default all); --from and --to are page numbers\n"
    "from 1 (default all pages). The map shows the workspace's view, or the default view, over the\n"
    "master map in DIR (default: res beside the program, or the installed one).",
    nullptr,
    true,
};

} // namespace cli
