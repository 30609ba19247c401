#include "CliCommands.h"

// One include and one table row per command.
#include "ConvertCommand.h"
#include "ExportPositionsCommand.h"
#include "ImportPositionsCommand.h"
#include "InfoCommand.h"
#include "ListCommand.h"
#include "PositionCommand.h"

namespace cli {

namespace {

constexpr CliCommand Commands[] = {
    PositionCommand,
    InfoCommand,
    ListCommand,
    ConvertCommand,
    ImportPositionsCommand,
    ExportPositionsCommand,
};

} // namespace

std::span<const CliCommand> CliCommands() {
    return Commands;
}

} // namespace cli
