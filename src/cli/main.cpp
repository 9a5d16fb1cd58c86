// lantuo-cli: the client's loaders without windows. Prints one JSON object (UTF-8) and exits 0;
// a loader's failure prints its message on standard error and exits 2; bad usage exits 64.
// --help, before a command or among its arguments, prints the usage on standard output and
// exits 0.

#include "app/clock.h"
#include "app/sites.h"
#include "cli/clirequest.h"
#include "cli/commandtable.h"
#include "cli/jsonout.h"
#include "cli/options.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr int exitLoaderFailure = 2;
constexpr int exitUsage = 64;

int usage(const QString& reason, const QString& usageText = cli::usageLine())
{
    cli::printLine(stderr, QStringLiteral("lantuo-cli: ") + reason);
    cli::printLine(stderr, usageText);
    return exitUsage;
}

int help(const QString& text)
{
    cli::printLine(stdout, text);
    return 0;
}

int run(const cli::Command& command, const cli::CliRequest& request)
{
    // A folder given for the file would quietly leave every site at its default.
    if (!request.configPath.isEmpty() && !QFileInfo(request.configPath).isFile())
        return usage(QStringLiteral("no such file: ") + request.configPath);
    const app::Sites sites = app::Sites::fromFile(
        request.configPath.isEmpty() ? app::Sites::defaultIniPath() : request.configPath);
    app::Clock clock;
    if (request.at)
        clock.startAt(*request.at);
    cli::printJsonLine(cli::runCommand(command, request.arguments, sites, clock));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lantuo"));

    QString error;
    const std::optional<cli::CliRequest> request =
        cli::parseCliRequest(application.arguments().mid(1), error);
    if (!request)
        return usage(error);
    if (request->help)
        return help(cli::usageLine());

    const cli::Command* command = cli::findCommand(request->command);
    if (!command)
        return usage(QStringLiteral("unknown command ") + request->command);
    if (cli::asksForHelp(request->arguments))
        return help(cli::commandHelp(*command));
    try {
        return run(*command, *request);
    } catch (const cli::UsageError& e) {
        // The command's own usage line says more than the whole list.
        return usage(QString::fromStdString(e.what()), cli::commandUsage(*command));
    } catch (const cli::LoaderFailure& failure) {
        if (!failure.message.isEmpty())
            cli::printLine(stderr, failure.message);
        return exitLoaderFailure;
    }
}
