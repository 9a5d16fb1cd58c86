// lantuo-server: the system's own web service and, with --market, the simulated outside finance
// sites, on one local port.
#include "app/clock.h"
#include "market/stockcatalog.h"
#include "service/admincommand.h"
#include "service/fieldrules.h"
#include "service/lantuoserver.h"
#include "service/webhooksender.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop through a socket pair, so the server shuts down in order
// (every write is already committed) instead of dying inside a handler.
bool quitOnSignals(QCoreApplication& application)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [notifier] {
        notifier->setEnabled(false);
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: lantuo-server [--port N] [--bind ADDRESS] [--data DIR] [--seed N] [--market]\n"
        "                     [--at \"yyyy-MM-dd HH:mm:ss\"] [--frozen | --speed N]\n"
        "                     [--quote-site URL] [--webhook URL]\n"
        "       lantuo-server admin --data DIR COMMAND ...\n"
        "\n"
        "The own web service of the lantuo client (every serviceBase path), persisted in\n"
        "DIR/lantuo-server.sqlite. Point the client at it with sites.ini: [sites] all=http://HOST:PORT\n"
        "\n"
        "  --port N       port to listen on; 0 (the default) picks a free one\n"
        "  --bind ADDRESS address to listen on (default 127.0.0.1)\n"
        "  --data DIR     data folder, created if missing (default: the user's data folder)\n"
        "  --seed N       seed of the simulated market (default 1); same seed, same prices\n"
        "  --market       also serve the simulated outside sites (quote feed, index page)\n"
        "  --at TIME      run the server's clock from this local time (faketime works too)\n"
        "  --frozen       with --at: the clock stands still\n"
        "  --speed N      the clock runs N times as fast (from --at, else from now), so a simulated\n"
        "                 trading day can be watched in minutes; N may be a fraction\n"
        "  --quote-site URL\n"
        "                 quotes for the phone alerts from this quote feed (scheme and host, the\n"
        "                 client's quoteSite), fetched asynchronously with a 4 s time-out; without\n"
        "                 it they come from the simulated market (--market), and without either no\n"
        "                 phone alerts are evaluated\n"
        "  --webhook URL  also post every phone message as JSON {phone, stock, kind, text, time}\n"
        "                 to this http(s) address, one at a time in outbox order; a message counts\n"
        "                 as delivered on a 2xx answer, else it is posted again after 1, 2, 4 … s\n"
        "                 (at most 30 s apart); a restarted server resumes what is undelivered\n"
        "  --list-stocks  print the simulated market's stocks, \"CODE NAME\" a line, and end\n"
        "  --help         this text\n"
        "\n"
        "Prints \"lantuo-server listening on http://ADDRESS:PORT\" when ready; SIGTERM or SIGINT\n"
        "stops it cleanly.\n"
        "\n"
        "Phone alerts: every 5 s of server time each registered phone whose delivery is on (ycf=1)\n"
        "is evaluated from its stored copy with the client's alert engine: the opening, midday and\n"
        "closing broadcasts, the limit, rise/fall, big trade and big order alerts, and the reports\n"
        "every 10/20/30/60 trading minutes. Each message goes into the outbox of the data file (see\n"
        "admin outbox) and, with --webhook, to the webhook. A new number gets an invitation.\n"
        "\n"
        "Every simulated trading day has a busy spell around 10:30: a stock runs to each limit, two\n"
        "more move beyond 5 % either way, trades of 1000 lots and orders of 10000 lots appear.\n\n")
        + service::AdminCommand::usage();
}

int runServer(QCoreApplication& application, app::Clock& clock)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption bind(QStringLiteral("bind"), QString(), QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption data(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption market(QStringLiteral("market"));
    const QCommandLineOption at(QStringLiteral("at"), QString(), QStringLiteral("TIME"));
    const QCommandLineOption frozen(QStringLiteral("frozen"));
    const QCommandLineOption listStocks(QStringLiteral("list-stocks"));
    const QCommandLineOption speed(QStringLiteral("speed"), QString(), QStringLiteral("N"));
    const QCommandLineOption quoteSite(QStringLiteral("quote-site"), QString(), QStringLiteral("URL"));
    const QCommandLineOption webhook(QStringLiteral("webhook"), QString(), QStringLiteral("URL"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    parser.addOptions({port, bind, data, seed, market, at, frozen, listStocks, speed, quoteSite, webhook, help});
    if (!parser.parse(application.arguments()) || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "lantuo-server: %s\n\n%s", qPrintable(parser.errorText()), qPrintable(helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText()), stdout);
        return 0;
    }
    if (parser.isSet(listStocks)) {
        for (const market::StockInfo& stock : market::StockCatalog::stocks())
            std::printf("%s %s\n", qPrintable(stock.code), stock.name.toUtf8().constData());
        return 0;
    }

    service::LantuoServer::Options options;
    bool portOk = false;
    bool seedOk = false;
    options.port = parser.value(port).toUShort(&portOk);
    const QHostAddress address(parser.value(bind));
    const quint64 seedValue = parser.value(seed).toULongLong(&seedOk);
    if (!portOk || !seedOk || address.isNull()) {
        std::fprintf(stderr, "lantuo-server: --port, --bind or --seed is not valid\n");
        return 2;
    }
    options.address = address;
    options.seed = seedValue;
    options.market = parser.isSet(market);
    options.dataDir = parser.isSet(data)
        ? parser.value(data)
        : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (parser.isSet(quoteSite)) {
        options.quoteSite = parser.value(quoteSite);
        if (!service::FieldRules::isSafeAddress(options.quoteSite)) {
            std::fprintf(stderr, "lantuo-server: --quote-site wants an http or https address\n");
            return 2;
        }
    }
    if (parser.isSet(webhook)) {
        options.webhook = parser.value(webhook);
        if (!service::WebhookSender::isUsableAddress(options.webhook)) {
            std::fprintf(stderr, "lantuo-server: --webhook wants an http or https address\n");
            return 2;
        }
    }
    double speedValue = 1.0;
    if (parser.isSet(speed)) {
        bool speedOk = false;
        speedValue = parser.value(speed).toDouble(&speedOk);
        if (!speedOk || !(speedValue > 0) || speedValue > 100000 || parser.isSet(frozen)) {
            std::fprintf(stderr, "lantuo-server: --speed wants a number above 0 (and no --frozen)\n");
            return 2;
        }
    }
    QDateTime start = QDateTime::currentDateTime();
    if (parser.isSet(at)) {
        start = QDateTime::fromString(parser.value(at), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!start.isValid()) {
            std::fprintf(stderr, "lantuo-server: --at wants \"yyyy-MM-dd HH:mm:ss\"\n");
            return 2;
        }
        parser.isSet(frozen) ? clock.freezeAt(start) : clock.startAt(start, speedValue);
    } else if (speedValue != 1.0) {
        clock.startAt(start, speedValue);
    }

    if (!quitOnSignals(application)) {
        std::fprintf(stderr, "lantuo-server: cannot install the signal handlers\n");
        return 1;
    }
    service::LantuoServer server(options, clock);
    if (!server.start()) {
        std::fprintf(stderr, "lantuo-server: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    std::printf("lantuo-server listening on %s (data %s%s)\n", qPrintable(server.baseUrl()),
                qPrintable(options.dataDir), options.market ? ", market" : "");
    std::fflush(stdout);
    const int code = QCoreApplication::exec();
    std::printf("lantuo-server stopped\n");
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lantuo-server"));
    app::Clock clock;
    const QStringList arguments = application.arguments();
    if (arguments.size() >= 2 && arguments.at(1) == QLatin1String("admin"))
        return service::AdminCommand::run(arguments.mid(2), clock, stdout, stderr);
    return runServer(application, clock);
}
