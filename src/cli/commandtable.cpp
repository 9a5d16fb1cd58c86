#include "cli/commandtable.h"

#include "cli/alertcommands.h"
#include "cli/analyticscommands.h"
#include "cli/appcommands.h"
#include "cli/commandcontext.h"
#include "cli/options.h"
#include "cli/quotecommands.h"

#include "net/silentabort.h"

#include <algorithm>

namespace cli {

namespace {

// "lantuo-cli" with its global options, as every usage line begins.
QString programForm()
{
    return QStringLiteral("lantuo-cli [--config SITES.INI] [--at \"YYYY-MM-DD HH:MM:SS\"]");
}

// The command's name with its arguments as the usage line shows them.
QString commandForm(const Command& command)
{
    return QString::fromUtf8(command.name)
           + (*command.arguments ? QStringLiteral(" ") + QString::fromUtf8(command.arguments) : QString());
}

} // namespace

// Each logic folder brings its rows, in the order of the subsystems: the shell, the quotes, then
// (as their commands come) analytics and info, the alerts, then community and video. A folder's
// commands live in cli/<folder>commands.*; adding one is that file and one line here.
const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table = [] {
        std::vector<Command> rows;
        for (const std::vector<Command>& folder :
             {appCommands(), quoteCommands(), analyticsCommands(), alertCommands()})
            rows.insert(rows.end(), folder.begin(), folder.end());
        return rows;
    }();
    return table;
}

const Command* findCommand(const QString& name)
{
    const auto& table = commandTable();
    const auto entry = std::find_if(table.begin(), table.end(), [&name](const Command& c) {
        return name == QLatin1String(c.name);
    });
    return entry == table.end() ? nullptr : &*entry;
}

QString usageLine()
{
    QString usage = QStringLiteral("usage: ") + programForm() + QStringLiteral(" COMMAND\ncommands:");
    for (const Command& command : commandTable())
        usage += QStringLiteral("\n  ") + commandForm(command);
    return usage + QStringLiteral("\nlantuo-cli COMMAND --help tells what a command does.");
}

QString commandUsage(const Command& command)
{
    return QStringLiteral("usage: ") + programForm() + u' ' + commandForm(command);
}

QString commandHelp(const Command& command)
{
    return commandUsage(command) + u'\n' + QString::fromUtf8(command.description);
}

QJsonObject runCommand(const Command& command, const QStringList& arguments,
                       const app::Sites& sites, const app::Clock& clock)
{
    const Options options(arguments, command.options, command.flags);
    TextPrompter prompter;
    CommandContext context{sites, clock, prompter};
    try {
        return command.run(options, context);
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{prompter.lastShown()};
    }
}

} // namespace cli
