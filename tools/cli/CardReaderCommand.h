#pragma once

#include "CliCommand.h"

namespace cli {

int RunCardReader(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand CardReaderCommand{
    "card-reader",
    "the memory card in the parallel-port card reader: list, format, write a map, save or load user data",
    "  terrafold-cli card-reader --port 1|2 list\n"
    "  terrafold-cli card-reader --port 1|2 format\n"
    "  terrafold-cli card-reader --port 1|2 write MAP.ncm\n"
    "  terrafold-cli card-reader --port 1|2 save-data FILE.usr\n"
    "  terrafold-cli card-reader --port 1|2 load-data -o FILE.usr\n"
    "The card of reader n is the folder of setting Ports/LPTn or of TERRAFOLD_LPTn.",
    nullptr,
};

} // namespace cli
