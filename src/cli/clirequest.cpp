#include "cli/clirequest.h"

#include "cli/commands.h"

namespace cli {

QString usageLine()
{
    QString usage = QStringLiteral(
        "usage: lantuo-cli [--config SITES.INI] [--at \"YYYY-MM-DD HH:MM:SS\"] COMMAND\ncommands:");
    for (const Command& command : commandTable())
        usage += QStringLiteral("\n  ") + QString::fromUtf8(command.name)
                 + (*command.arguments ? QStringLiteral(" ") + QString::fromUtf8(command.arguments)
                                       : QString());
    return usage;
}

std::optional<CliRequest> parseCliRequest(const QStringList& args, QString& error)
{
    CliRequest request;
    qsizetype i = 0;
    for (; i < args.size() && args[i].startsWith(QLatin1String("--")); ++i) {
        const QString& option = args[i];
        if (i + 1 >= args.size()) {
            error = option + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        const QString value = args[++i];
        if (option == QLatin1String("--config")) {
            request.configPath = value;
        } else if (option == QLatin1String("--at")) {
            const QDateTime at = QDateTime::fromString(value, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!at.isValid()) {
                error = QStringLiteral("--at wants \"YYYY-MM-DD HH:MM:SS\", not ") + value;
                return std::nullopt;
            }
            request.at = at;
        } else {
            error = QStringLiteral("unknown option ") + option;
            return std::nullopt;
        }
    }
    if (i >= args.size()) {
        error = QStringLiteral("no command");
        return std::nullopt;
    }
    request.command = args[i];
    request.arguments = args.mid(i + 1);
    return request;
}

} // namespace cli
