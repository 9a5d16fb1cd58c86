#pragma once

#include "cli/command.h"

#include <vector>

namespace cli {

// The quote commands: one stock's quote row and the two market indices.
std::vector<Command> quoteCommands();

} // namespace cli
