#include "CliCommands.h"

// One include and one table row per command.
#include "BordersCommand.h"
#include "BuildMapCommand.h"
#include "CardReaderCommand.h"
#include "ConvertCommand.h"
#include "DownloadCommand.h"
#include "EstimateCommand.h"
#include "ExportPositionsCommand.h"
#include "ImportPositionsCommand.h"
#include "InfoCommand.h"
#include "ListCommand.h"
#include "MapInfoCommand.h"
#include "PositionCommand.h"
#include "PrintCommand.h"
#include "RouteToBorderCommand.h"
#include "SendMapCommand.h"
#include "UploadCommand.h"

namespace cli {

namespace {

constexpr CliCommand Commands[] = {
    PositionCommand,        InfoCommand,     ListCommand,     ConvertCommand, ImportPositionsCommand,
    ExportPositionsCommand, EstimateCommand, BuildMapCommand, MapInfoCommand, BordersCommand,
    RouteToBorderCommand,   DownloadCommand, UploadCommand,   SendMapCommand, CardReaderCommand,
    PrintCommand,
};

} // namespace

std::span<const CliCommand> CliCommands() {
    return Commands;
}

} // namespace cli
