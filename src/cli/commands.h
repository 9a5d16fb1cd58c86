#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace app {
class Clock;
struct Sites;
} // namespace app

namespace cli {

// The command line was not of the command's form: exit 64 with the usage line.
class UsageError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A loader took its failure path or the client refused what it was given: its own message (if
// it has one) goes to standard error and the program exits 2.
struct LoaderFailure {
    QString message;
};

// What a command works with: the sites, the clock every date and time is read from (so --at
// holds for all commands) and the record of the boxes the client would have shown.
struct CommandContext;

struct Command {
    const char* name;
    const char* arguments; // as the usage line shows them; empty: none
    QJsonObject (*run)(const QStringList& arguments, CommandContext& context);
};

// Every command, in the order the usage line lists them.
const std::vector<Command>& commandTable();

// Runs one command through the client's own code path and returns what it found. Throws
// UsageError, or LoaderFailure with the last message the client would have shown.
QJsonObject runCommand(const QString& command, const QStringList& arguments,
                       const app::Sites& sites, const app::Clock& clock);

} // namespace cli
