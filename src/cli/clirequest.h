#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// lantuo-cli [--config SITES.INI] [--at "YYYY-MM-DD HH:MM:SS"] COMMAND ARGS…, or --help
struct CliRequest {
    QString configPath; // empty: the client's own sites.ini
    std::optional<QDateTime> at;
    bool help = false;  // the usage line asked for, no command run
    QString command;
    QStringList arguments;
};

// Nothing, with a reason in error, when the command line is not of that form.
std::optional<CliRequest> parseCliRequest(const QStringList& args, QString& error);

} // namespace cli
