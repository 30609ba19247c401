#pragma once

#include "CliCommand.h"

namespace cli {

int RunUpload(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand UploadCommand{
    "upload",
    "upload a data file's GPS data into a unit on a serial device",
    "  terrafold-cli upload FILE --port DEV [--baud N] [--kinds LIST] [--send-what-fits]\n"
    "LIST names the kinds to move, comma separated: waypoints,routes,icons,trails (the default).\n"
    "Each kind moved replaces the unit's list of that kind. When the unit cannot take everything,\n"
    "what will not be sent is listed and nothing is sent, unless --send-what-fits is given.",
    nullptr,
};

} // namespace cli
