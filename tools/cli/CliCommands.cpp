#include "CliCommands.h"

// One include and one table row per command.
#include "PositionCommand.h"

namespace cli {

namespace {

constexpr CliCommand Commands[] = {
    PositionCommand,
};

} // namespace

std::span<const CliCommand> CliCommands() {
    return Commands;
}

} // namespace cli
