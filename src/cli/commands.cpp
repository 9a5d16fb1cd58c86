#include "cli/commands.h"

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/mainstate.h"
#include "app/prompter.h"
#include "app/servicestatus.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "net/browseropener.h"
#include "net/httpclient.h"
#include "net/loader.h"
#include "net/silentabort.h"
#include "quotes/alertquotetable.h"
#include "quotes/indexquotes.h"
#include "quotes/quotepanel.h"

#include <QJsonArray>

namespace cli {

namespace {

// Boxes become text: errors and messages are kept for standard error, questions are answered
// with Cancel, as nobody is there to press OK.
class TextPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { shown.append(text); }
    void inform(const QString& text) override { shown.append(text); }
    bool ask(const QString& text) override
    {
        questions.append(text);
        return false;
    }
    QString lastShown() const { return shown.isEmpty() ? QString() : shown.last(); }

    QStringList shown;
    QStringList questions;
};

class ListingBrowser final : public net::BrowserOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

QString colourName(quotes::Colour colour)
{
    return QString::asprintf("#%02x%02x%02x", colour.red, colour.green, colour.blue);
}

QString directionName(quotes::Direction direction)
{
    return direction == quotes::Direction::Up ? QStringLiteral("up") : QStringLiteral("down");
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

QJsonObject status(const CommandContext& context)
{
    net::HttpClient client(QStringLiteral("IdHTTP3"));
    TextPrompter prompter;
    ListingBrowser browser;
    app::Lifecycle lifecycle;
    QStringList notices;
    app::ServiceStatusDeps deps{client,    context.sites,
                                prompter,  browser,
                                lifecycle, [&notices](const QString& url) { notices.append(url); }};
    app::ServiceStatus status;
    try {
        status = app::getmail(deps);
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{prompter.lastShown()};
    }
    return {{QStringLiteral("startStatus"), status.startStatus},
            {QStringLiteral("pageUrl"), status.pageUrl},
            {QStringLiteral("runStatus"), status.runStatus},
            {QStringLiteral("noticeUrl"), status.noticeUrl},
            {QStringLiteral("opened"), QJsonArray::fromStringList(browser.opened)},
            {QStringLiteral("notice"), QJsonArray::fromStringList(notices)},
            {QStringLiteral("questions"), QJsonArray::fromStringList(prompter.questions)},
            {QStringLiteral("programEnds"), lifecycle.exitRequested()}};
}

QJsonObject lookup(const QStringList& arguments, const CommandContext& context)
{
    const QString code = singleCode(arguments, "lookup");
    if (const std::optional<QString> refusal = app::codeRefusal(code))
        throw LoaderFailure{*refusal};
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    TextPrompter prompter;
    app::MainState state;
    try {
        app::yzgp(client, context.sites.quoteSite, code, state, prompter);
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{prompter.lastShown()};
    }
    return {{QStringLiteral("code"), code}, {QStringLiteral("currentName"), state.currentName}};
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

QJsonObject quote(const QStringList& arguments, const CommandContext& context)
{
    const QString code = singleCode(arguments, "quote");
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const quotes::QuoteRow row = net::runLoader(client, [&] {
        return quotes::QuoteRow::parse(quotes::fetchQuoteRow(client, context.sites.quoteSite, code));
    });
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
         display.direction ? QJsonValue(directionName(*display.direction)) : QJsonValue::Null},
        {QStringLiteral("colour"), colourName(display.lineColour)}};
}

QJsonObject index(const QStringList& arguments, const CommandContext& context)
{
    if (!arguments.isEmpty())
        throw UsageError("index takes no arguments");
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    quotes::IndexBox box;
    try {
        quotes::getvtzs(client, context.sites.quoteSite, box, {});
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{};
    }
    return {{QStringLiteral("shanghai"), indexJson(box.shanghai)},
            {QStringLiteral("shenzhen"), indexJson(box.shenzhen)}};
}

} // namespace

QJsonObject runCommand(const QString& command, const QStringList& arguments,
                       CommandContext& context)
{
    try {
        if (command == QLatin1String("status") && arguments.isEmpty())
            return status(context);
        if (command == QLatin1String("lookup"))
            return lookup(arguments, context);
        if (command == QLatin1String("quote"))
            return quote(arguments, context);
        if (command == QLatin1String("index"))
            return index(arguments, context);
    } catch (const net::SilentAbort&) {
        throw LoaderFailure{};
    }
    throw UsageError("unknown command " + command.toStdString());
}

} // namespace cli
