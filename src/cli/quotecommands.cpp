#include "cli/quotecommands.h"

#include "cli/commandcontext.h"
#include "cli/jsonout.h"
#include "cli/options.h"

#include "app/sites.h"
#include "net/httpclient.h"
#include "quotes/alertquotetable.h"
#include "quotes/indexquotes.h"
#include "quotes/quotepanel.h"

namespace cli {

namespace {

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

QJsonObject quote(const Options& options, CommandContext& context)
{
    const QString code = options.onlyPositional("quote takes one stock code");
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
    return QJsonObject{{QStringLiteral("fields"), QJsonArray::fromStringList(display.fields)},
                       {QStringLiteral("line"), textJson(display.line)},
                       {QStringLiteral("direction"), directionJson(display.direction)},
                       {QStringLiteral("colour"), colourName(display.lineColour)}};
}

QJsonObject index(const Options& options, CommandContext& context)
{
    options.noPositional("index");
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    quotes::IndexBox box;
    quotes::getvtzs(client, context.sites.quoteSite, box, {});
    return {{QStringLiteral("shanghai"), indexJson(box.shanghai)},
            {QStringLiteral("shenzhen"), indexJson(box.shenzhen)}};
}

} // namespace

std::vector<Command> quoteCommands()
{
    return {
        {.name = "quote",
         .arguments = "CODE",
         .description = "One stock's quote row: every field, its alert-table row and the quote panel's texts.",
         .run = &quote},
        {.name = "index",
         .arguments = "",
         .description = "The Shanghai and Shenzhen index lines as the index box shows them.",
         .run = &index},
    };
}

} // namespace cli
