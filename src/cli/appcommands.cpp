#include "cli/appcommands.h"

#include "cli/commandcontext.h"
#include "cli/jsonout.h"
#include "cli/options.h"

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/mainstate.h"
#include "app/servicestatus.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "app/tradinghours.h"
#include "net/browseropener.h"
#include "net/httpclient.h"

namespace cli {

namespace {

class ListingBrowser final : public net::BrowserOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

QJsonObject status(const Options& options, CommandContext& context)
{
    options.noPositional("status");
    net::HttpClient client(QStringLiteral("IdHTTP3"));
    ListingBrowser browser;
    app::Lifecycle lifecycle;
    QStringList notices;
    app::ServiceStatusDeps deps{client,    context.sites,
                                context.prompter, browser,
                                lifecycle, [&notices](const QString& url) { notices.append(url); }};
    const app::ServiceStatus status = app::getmail(deps);
    return {{QStringLiteral("startStatus"), status.startStatus},
            {QStringLiteral("pageUrl"), status.pageUrl},
            {QStringLiteral("runStatus"), status.runStatus},
            {QStringLiteral("noticeUrl"), status.noticeUrl},
            {QStringLiteral("opened"), QJsonArray::fromStringList(browser.opened)},
            {QStringLiteral("notice"), QJsonArray::fromStringList(notices)},
            {QStringLiteral("questions"), QJsonArray::fromStringList(context.prompter.questions)},
            {QStringLiteral("programEnds"), lifecycle.exitRequested()}};
}

// The lookup's whole check, as the picture button runs it: the length, the first digit, then the
// quote feed's name for the code. A refusal fails with the window's message.
QJsonObject lookup(const Options& options, CommandContext& context)
{
    const QString code = options.onlyPositional("lookup takes one stock code");
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    app::MainState state;
    app::StockLookup check(client, context.sites.quoteSite, state, context.prompter, {});
    if (!check.run(code))
        throw LoaderFailure{context.prompter.lastShown()};
    return {{QStringLiteral("code"), state.currentCode},
            {QStringLiteral("currentName"), state.currentName}};
}

// Which timed work the clock lets run at this moment, with the day as the program names it.
QJsonObject gates(const Options& options, CommandContext& context)
{
    options.noPositional("gates");
    const QJsonArray table = arrayOf(app::tradingGates(), [&context](const app::TradingGate& gate) {
        return QJsonObject{{QStringLiteral("work"), QString::fromUtf8(gate.work)},
                           {QStringLiteral("runs"), gate.open(context.clock)}};
    });
    return {{QStringLiteral("now"), momentText(context.clock.now())},
            {QStringLiteral("weekday"), app::weekdayName(context.clock)},
            {QStringLiteral("gates"), table}};
}

} // namespace

std::vector<Command> appCommands()
{
    return {
        {.name = "status",
         .arguments = "",
         .description = "The service's start and run status and its notices, as the client reads them at start.",
         .run = &status},
        {.name = "lookup",
         .arguments = "CODE",
         .description = "Checks a stock code as the lookup does and gives the stock's name from the quote feed.",
         .run = &lookup},
        {.name = "gates",
         .arguments = "",
         .description = "Which timed work the clock lets run at this moment, and the weekday.",
         .run = &gates},
    };
}

} // namespace cli
