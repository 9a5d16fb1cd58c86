#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace app {
class Clock;
struct Sites;
}

namespace cli {

// The command line was not of the command's form: exit 64 with the usage line.
class UsageError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A loader took its failure path: its own message (if it has one) goes to standard error and
// the program exits 2.
struct LoaderFailure {
    QString message;
};

struct CommandContext {
    const app::Sites& sites;
    const app::Clock& clock;
};

// Runs one command through the client's own code path and returns what it found. Throws
// UsageError, or LoaderFailure.
QJsonObject runCommand(const QString& command, const QStringList& arguments,
                       CommandContext& context);

} // namespace cli
