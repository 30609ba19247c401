#pragma once

#include "CliCommand.h"

#include <span>

namespace cli {

// Every command, in the order help lists them.
std::span<const CliCommand> CliCommands();

} // namespace cli
