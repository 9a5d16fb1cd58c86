#pragma once

#include "cli/textprompter.h"

namespace app {
class Clock;
struct Sites;
} // namespace app

namespace cli {

// What a command works with: the sites, the clock every date and time is read from (so --at
// holds for all commands) and the record of the boxes the client would have shown.
struct CommandContext {
    const app::Sites& sites;
    const app::Clock& clock;
    TextPrompter& prompter;
};

} // namespace cli
