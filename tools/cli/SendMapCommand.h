#pragma once

#include "CliCommand.h"

namespace cli {

int RunSendMap(const QStringList& arguments, QTextStream& out, QTextStream& err);

inline constexpr CliCommand SendMapCommand{
    "send-map",
    "write a custom map (.ncm) to a unit: onto its card, or into its memory partitions",
    "  terrafold-cli send-map MAP.ncm --port DEV [--card N] [--baud RATE]\n"
    "DEV is the unit's serial device. N picks the unit's card (from 1, default 1); for a unit that keeps "
    "its\n"
    "maps in memory partitions it is the partition the map starts in. RATE is the first rate tried (default "
    "115200).",
    nullptr,
};

} // namespace cli
