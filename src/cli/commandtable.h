#pragma once

#include "cli/command.h"

#include <vector>

namespace app {
class Clock;
struct Sites;
} // namespace app

namespace cli {

// Every command, in the order the usage line lists them.
const std::vector<Command>& commandTable();

// The row of the command of that name; null for a name the table does not have.
const Command* findCommand(const QString& name);

// The program's form with its global options and every command of the table.
QString usageLine();
// "usage: lantuo-cli … COMMAND ARGS", shown when the command's arguments are wrong.
QString commandUsage(const Command& command);
// The command's usage line and what it does, for "COMMAND --help".
QString commandHelp(const Command& command);

// Parses the command's options, runs it through the client's own code path and returns what it
// found. Throws UsageError, or LoaderFailure with the last message the client would have shown.
QJsonObject runCommand(const Command& command, const QStringList& arguments,
                       const app::Sites& sites, const app::Clock& clock);

} // namespace cli
