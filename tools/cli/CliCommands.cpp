#include "CliCommands.h"

// One include and one table row per command.
#include "BordersCommand.h"
#include "BuildMapCommand.h"
#include "EstimateCommand.h"
#include "MapInfoCommand.h"
#include "PositionCommand.h"

namespace cli {

namespace {

constexpr CliCommand Commands[] = {
    PositionCommand,
    EstimateCommand,
    BuildMapCommand,
    MapInfoCommand,
    BordersCommand,
};

} // namespace

std::span<const CliCommand> CliCommands() {
    return Commands;
}

} // namespace cli
