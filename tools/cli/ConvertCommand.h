#pragma once

#include "CliCommand.h"

namespace cli {

int RunConvert(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand ConvertCommand{
    "convert",
    "convert a GPS data file to another format, chosen by the file names",
    "  terrafold-cli convert IN OUT\n"
    "Formats by name: .gpx GPX 1.1, .txt position list (waypoints), any other name the sectioned\n"
    "file. A file that does not load completely is not converted.",
    RunConvert,
};

} // namespace cli
