#pragma once

#include "cli/command.h"

#include <vector>

namespace cli {

// The analytics commands: the big-order pages and their charts, the flow monitor's tick, the
// ten-day window, the capital flow window and the holdings lines of one stock.
std::vector<Command> analyticsCommands();

} // namespace cli
