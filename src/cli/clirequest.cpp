#include "cli/clirequest.h"

#include "cli/command.h"
#include "cli/jsonout.h"
#include "cli/options.h"

namespace cli {

std::optional<CliRequest> parseCliRequest(const QStringList& args, QString& error)
{
    try {
        const Options options(args, {QStringLiteral("--config"), QStringLiteral("--at")},
                              {QStringLiteral("--help")}, Options::Positionals::AfterOptions);
        CliRequest request;
        request.configPath = options.value(QStringLiteral("--config")).value_or(QString());
        if (const std::optional<QString> at = options.value(QStringLiteral("--at"))) {
            request.at = QDateTime::fromString(*at, QString::fromLatin1(momentFormat));
            if (!request.at->isValid()) {
                error = QStringLiteral("--at wants \"YYYY-MM-DD HH:MM:SS\", not ") + *at;
                return std::nullopt;
            }
        }
        request.help = options.flag(QStringLiteral("--help"));
        if (!request.help && options.positional().isEmpty()) {
            error = QStringLiteral("no command");
            return std::nullopt;
        }
        request.command = options.positional().value(0);
        request.arguments = options.positional().mid(1);
        return request;
    } catch (const UsageError& e) {
        error = QString::fromStdString(e.what());
        return std::nullopt;
    }
}

} // namespace cli
