#pragma once

#include "CliCommand.h"

namespace cli {

int RunPosition(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand PositionCommand{
    "position",
    "convert a position between degrees, internal X/Y and position texts",
    "  terrafold-cli position --lat DEG --lon DEG [--json]\n"
    "  terrafold-cli position --x X --y Y [--json]\n"
    "  terrafold-cli position --format F --entry LATTEXT LONTEXT [--south] [--west] [--json]\n"
    "F is a position format: 1 None, 2 Degrees, 3 Deg, Min, 4 Deg, Min, Sec, 5 Mercator Meter.",
    RunPosition,
};

} // namespace cli
