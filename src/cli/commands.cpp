#include "cli/commands.h"

#include "cli/commandcontext.h"
#include "cli/watchcommands.h"

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/mainstate.h"
#include "app/servicestatus.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "app/tradinghours.h"
#include "net/browseropener.h"
#include "net/httpclient.h"
#include "net/silentabort.h"
#include "quotes/alertquotetable.h"
#include "quotes/indexquotes.h"
#include "quotes/quotepanel.h"

#include <QJsonArray>

#include <algorithm>

namespace cli {

namespace {

class ListingBrowser final : public net::BrowserOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

QString colourName(quotes::Colour colour)
{
    return QString::asprintf("#%02x%02x%02x", colour.red, colour.green, colour.blue);
}

QJsonValue labelJson(const std::optional<quotes::LabelText>& label)
{
    if (!label)
        return QJsonValue::Null;
    QJsonObject o{{QStringLiteral("text"), label->text}};
    if (label->colour)
        o.insert(QStringLiteral("colour"), colourName(*label->colour));
    return o;
}

QJsonValue textJson(const std::optional<QString>& text)
{
    return text ? QJsonValue(*text) : QJsonValue::Null;
}

QString singleCode(const QStringList& arguments, const char* command)
{
    if (arguments.size() != 1)
        throw UsageError(std::string(command) + " takes one stock code");
    return arguments.first();
}

void noArguments(const QStringList& arguments, const char* command)
{
    if (!arguments.isEmpty())
        throw UsageError(std::string(command) + " takes no arguments");
}

QJsonObject status(const QStringList& arguments, CommandContext& context)
{
    noArguments(arguments, "status");
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
QJsonObject lookup(const QStringList& arguments, CommandContext& context)
{
    const QString code = singleCode(arguments, "lookup");
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    app::MainState state;
    app::StockLookup check(client, context.sites.quoteSite, state, context.prompter, {});
    if (!check.run(code))
        throw LoaderFailure{context.prompter.lastShown()};
    return {{QStringLiteral("code"), state.currentCode},
            {QStringLiteral("currentName"), state.currentName}};
}

QJsonObject quotePanelJson(const quotes::QuotePanelView& view)
{
    return {{QStringLiteral("currentCode"), textJson(view.currentCode)},
            {QStringLiteral("currentName"), textJson(view.currentName)},
            {QStringLiteral("Label2"), labelJson(view.latestPrice)},
            {QStringLiteral("Label29"), labelJson(view.lastTrade)},
            {QStringLiteral("Label44"), labelJson(view.changePercent)},
            {QStringLiteral("Label8"), textJson(view.volume)},
            {QStringLiteral("Label7"), textJson(view.turnover)},
            {QStringLiteral("Label4"), labelJson(view.change)},
            {QStringLiteral("Label23"), textJson(view.high)},
            {QStringLiteral("Label24"), textJson(view.low)},
            {QStringLiteral("Label25"), textJson(view.open)},
            {QStringLiteral("Label37"), labelJson(view.ask)},
            {QStringLiteral("Label38"), labelJson(view.bid)}};
}

QJsonObject quote(const QStringList& arguments, CommandContext& context)
{
    const QString code = singleCode(arguments, "quote");
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const quotes::QuoteRow row = quotes::loadQuoteRow(client, context.sites.quoteSite, code);
    QStringList fields;
    for (int n = 1; n <= row.fieldCount(); ++n)
        fields.append(row.field(n));
    quotes::AlertQuoteTable table;
    QJsonValue alertRow = QJsonValue::Null;
    if (table.append(row)) {
        QJsonArray cells;
        for (int column = 1; column <= quotes::AlertQuoteTable::columnCount; ++column)
            cells.append(table.column(column).first());
        alertRow = cells;
    }
    return {{QStringLiteral("code"), code},
            {QStringLiteral("fields"), QJsonArray::fromStringList(fields)},
            {QStringLiteral("alertQuoteTable"), alertRow},
            {QStringLiteral("quotePanel"), quotePanelJson(quotes::quotePanelView(row))}};
}

QJsonValue indexJson(const quotes::IndexDisplay& display)
{
    if (display.fields.isEmpty())
        return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("fields"), QJsonArray::fromStringList(display.fields)},
        {QStringLiteral("line"), textJson(display.line)},
        {QStringLiteral("direction"),
         display.direction ? QJsonValue(directionName(*display.direction == quotes::Direction::Up)) : QJsonValue::Null},
        {QStringLiteral("colour"), colourName(display.lineColour)}};
}

QJsonObject index(const QStringList& arguments, CommandContext& context)
{
    noArguments(arguments, "index");
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    quotes::IndexBox box;
    quotes::getvtzs(client, context.sites.quoteSite, box, {});
    return {{QStringLiteral("shanghai"), indexJson(box.shanghai)},
            {QStringLiteral("shenzhen"), indexJson(box.shenzhen)}};
}

// Which timed work the clock lets run at this moment, with the day as the program names it.
QJsonObject gates(const QStringList& arguments, CommandContext& context)
{
    noArguments(arguments, "gates");
    QJsonArray table;
    for (const app::TradingGate& gate : app::tradingGates())
        table.append(QJsonObject{{QStringLiteral("work"), QString::fromUtf8(gate.work)},
                                 {QStringLiteral("runs"), gate.open(context.clock)}});
    return {{QStringLiteral("now"),
             context.clock.now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
            {QStringLiteral("weekday"), app::weekdayName(context.clock)},
            {QStringLiteral("gates"), table}};
}

} // namespace

QString directionName(bool up)
{
    return up ? QStringLiteral("up") : QStringLiteral("down");
}

const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table = {
        {"status", "", &status},       {"lookup", "CODE", &lookup}, {"quote", "CODE", &quote},
        {"index", "", &index},         {"gates", "", &gates},
        {"watch", "[add CODE | remove CODE | set CODE [--broadcast 0|1] [--flags XXXX] [--rise N] "
                  "[--trade D] [--order D] [--report 0|1] [--minutes M]]",
         &watch},
        {"switches", "[--local 0|1] [--remote 0|1]", &switches},
        {"alerts", "[--ticks N | --follow]", &alertTicks},
        {"register", "NUMBER", &registerNumber},
        {"save", "", &saveSettings},
    };
    return table;
}

QJsonObject runCommand(const QString& command, const QStringList& arguments,
                       const app::Sites& sites, const app::Clock& clock)
{
    const auto& table = commandTable();
    const auto entry = std::find_if(table.begin(), table.end(), [&command](const Command& c) {
        return command == QLatin1String(c.name);
    });
    if (entry == table.end())
        throw UsageError("unknown command " + command.toStdString());
    TextPrompter prompter;
    CommandContext context{sites, clock, prompter};
    try {
        return entry->run(arguments, context);
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{prompter.lastShown()};
    }
}

} // namespace cli
