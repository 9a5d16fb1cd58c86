#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace cli {

class Options;
struct CommandContext;

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

// The client refuses what it was given, with the message it would show.
[[noreturn]] inline void refuse(const QString& message)
{
    throw LoaderFailure{message};
}

// One row of the command table. The options are parsed before the command runs, so every
// command refuses unknown, repeated and valueless options alike.
struct Command {
    const char* name;
    const char* arguments;    // as the usage line shows them; empty: none
    const char* description;  // one line, for "COMMAND --help"
    QStringList options = {}; // "--name value"
    QStringList flags = {};   // "--name" alone
    QJsonObject (*run)(const Options& options, CommandContext& context);
};

} // namespace cli
