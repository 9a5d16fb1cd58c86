#pragma once

#include "cli/command.h"

#include <vector>

namespace cli {

// The shell's commands: the service status, the stock lookup and the clock's gates.
std::vector<Command> appCommands();

} // namespace cli
