#pragma once

#include "cli/command.h"

#include <vector>

namespace cli {

// The alert commands, on the settings database the client uses and through the same code: the
// watch list and its edits, the two switches, the headless engine, the phone registration and
// the settings window's save.
std::vector<Command> alertCommands();

} // namespace cli
