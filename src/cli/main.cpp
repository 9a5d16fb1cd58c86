// lantuo-cli: the client's loaders without windows. Prints one JSON object (UTF-8) and exits 0;
// a loader's failure prints its message on standard error and exits 2; bad usage exits 64.

#include "app/clock.h"
#include "app/sites.h"
#include "cli/clirequest.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

namespace {

constexpr int exitLoaderFailure = 2;
constexpr int exitUsage = 64;

void printLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

int usage(const QString& reason)
{
    printLine(stderr, QStringLiteral("lantuo-cli: ") + reason);
    printLine(stderr, cli::usageLine());
    return exitUsage;
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

    if (!request->configPath.isEmpty() && !QFileInfo::exists(request->configPath))
        return usage(QStringLiteral("no such file: ") + request->configPath);
    const app::Sites sites = app::Sites::fromFile(
        request->configPath.isEmpty() ? app::Sites::defaultIniPath() : request->configPath);
    app::Clock clock;
    if (request->at)
        clock.startAt(*request->at);

    try {
        const QJsonObject result =
            cli::runCommand(request->command, request->arguments, sites, clock);
        printLine(stdout, QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact)));
        return 0;
    } catch (const cli::UsageError& e) {
        return usage(QString::fromStdString(e.what()));
    } catch (const cli::LoaderFailure& failure) {
        if (!failure.message.isEmpty())
            printLine(stderr, failure.message);
        return exitLoaderFailure;
    }
}
