#include "cli/analyticscommands.h"

#include "cli/commandcontext.h"
#include "cli/jsonout.h"
#include "cli/options.h"

#include "analytics/barcharts.h"
#include "analytics/bigorderpages.h"
#include "analytics/capitalflow.h"
#include "analytics/flowmonitor.h"
#include "analytics/holdings.h"
#include "analytics/tendaychart.h"
#include "app/clock.h"
#include "app/dashboardcaptions.h"
#include "app/mainstate.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "net/documentsource.h"
#include "net/httpclient.h"
#include "net/pagetext.h"
#include "net/silentabort.h"

namespace cli {

namespace {

struct Stock {
    QString code;
    QString name;
};

// The code checked as the lookup checks it and the stock's name from the quote feed, as a stock
// load takes it: captions and messages carry it.
Stock stockOf(const Options& options, const char* command, CommandContext& context)
{
    const QString code = options.onlyPositional(command);
    if (const std::optional<QString> refusal = app::codeRefusal(code))
        refuse(*refusal);
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    app::MainState state;
    const QString name = app::yzgp(client, context.sites.quoteSite, code, state, context.prompter);
    if (name.isEmpty())
        refuse(app::unknownStockMessage());
    return {code, name};
}

// The hidden browser that loads each page in the client.
QString browserOf(analytics::BigOrderPage page)
{
    switch (page) {
    case analytics::BigOrderPage::SingleBar:
        return QStringLiteral("WebBrowser2");
    case analytics::BigOrderPage::SingleBarDay:
        return QStringLiteral("WebBrowser3");
    case analytics::BigOrderPage::SinglePie:
        break;
    }
    return QStringLiteral("WebBrowser4");
}

// A big-order page's body as its hidden browser hands it over. A load that fails leaves the
// lists as they were and shows nothing, so the command ends silently.
QString pageBody(const QString& site, const Stock& stock, analytics::BigOrderPage page)
{
    net::HttpClient client(browserOf(page));
    net::HttpDocumentSource source(client);
    std::optional<QString> body;
    QObject::connect(&source, &net::DocumentSource::bodyRead,
                     [&body](const QString&, const QString& text) { body = text; });
    source.load(analytics::bigOrderPageAddress(site, stock.code, page));
    if (!body)
        net::abortSilently();
    return *body;
}

// A page of a window that says so when it fails: its text, or that window's failure text.
QString fetchOrRefuse(const QString& clientName, const QString& address, const QString& failure)
{
    net::HttpClient client(clientName);
    try {
        return net::fetchText(client, address);
    } catch (const std::runtime_error&) { // HttpError, DecodeError
        refuse(failure);
    }
}

// The command's fields with the stock's code and name.
QJsonObject withStock(const Stock& stock, QJsonObject fields)
{
    fields.insert(QStringLiteral("code"), stock.code);
    fields.insert(QStringLiteral("currentName"), stock.name);
    return fields;
}

QJsonArray numbers(const std::vector<double>& values)
{
    return arrayOf(values, [](double value) { return QJsonValue(value); });
}

QJsonObject barChartJson(const analytics::BarChart& chart)
{
    return {{QStringLiteral("caption"), chart.caption},
            {QStringLiteral("buy"), numbers(chart.buy)},
            {QStringLiteral("sell"), numbers(chart.sell)},
            {QStringLiteral("labels"), QJsonArray::fromStringList(chart.labels)},
            {QStringLiteral("complete"), chart.complete}};
}

QJsonObject colouredText(const QString& text, quotes::Colour colour)
{
    return {{QStringLiteral("text"), text}, {QStringLiteral("colour"), colourName(colour)}};
}

QJsonObject bigOrder(const Options& options, CommandContext& context)
{
    const Stock stock = stockOf(options, "bigorder takes one stock code", context);
    const QString& site = context.sites.bigOrderSite;
    const analytics::SingleBarRead bar =
        analytics::readSingleBar(pageBody(site, stock, analytics::BigOrderPage::SingleBar));
    const analytics::SingleBarDayRead day =
        analytics::readSingleBarDay(pageBody(site, stock, analytics::BigOrderPage::SingleBarDay));
    const analytics::SinglePieRead pie =
        analytics::readSinglePie(pageBody(site, stock, analytics::BigOrderPage::SinglePie));
    // A page without data yet leaves Chart1 as it was.
    const QJsonValue chart1 =
        bar.noDataYet
            ? QJsonValue(QJsonValue::Null)
            : barChartJson(analytics::halfHourChart(bar.buy, bar.sell, stock.name, stock.code));
    return withStock(
        stock,
        {{QStringLiteral("noDataYet"), bar.noDataYet},
         {QStringLiteral("halfHourBuy"), QJsonArray::fromStringList(bar.buy)},
         {QStringLiteral("halfHourSell"), QJsonArray::fromStringList(bar.sell)},
         {QStringLiteral("dailyBuy"), QJsonArray::fromStringList(day.buy)},
         {QStringLiteral("dailySell"), QJsonArray::fromStringList(day.sell)},
         {QStringLiteral("dailyLabels"), QJsonArray::fromStringList(day.labels)},
         {QStringLiteral("pieValues"), QJsonArray::fromStringList(pie.values)},
         {QStringLiteral("pieColours"), QJsonArray::fromStringList(pie.colours)},
         {QStringLiteral("Chart1"), chart1},
         {QStringLiteral("Chart2"), barChartJson(analytics::fiveDayChart(
                                        day.buy, day.sell, day.labels, stock.name, stock.code))}});
}

QJsonValue announcementJson(const std::optional<analytics::FlowAnnouncement>& announcement)
{
    if (!announcement)
        return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("window"), announcement->window},
        {QStringLiteral("windowText"), analytics::halfHourWindowText(announcement->window)},
        {QStringLiteral("message"), announcement->message},
        {QStringLiteral("inflow"), announcement->inflow},
        {QStringLiteral("colour"),
         colourName(announcement->inflow ? quotes::riseRed : quotes::fallGreen)},
        {QStringLiteral("stock"), announcement->stock}};
}

// One tick of a monitor that has announced nothing yet, over the page as it is now.
QJsonObject flow(const Options& options, CommandContext& context)
{
    const Stock stock = stockOf(options, "flow takes one stock code", context);
    const analytics::SingleBarRead bar = analytics::readSingleBar(
        pageBody(context.sites.bigOrderSite, stock, analytics::BigOrderPage::SingleBar));
    analytics::FlowMonitorState state;
    const QDateTime now = context.clock.now();
    const analytics::FlowTick tick =
        analytics::flowMonitorTick(state, bar.buy, bar.sell, now, stock.name, stock.code);
    return withStock(
        stock, {{QStringLiteral("at"), momentText(now)},
                {QStringLiteral("noDataYet"), bar.noDataYet},
                {QStringLiteral("halfHourBuy"), QJsonArray::fromStringList(bar.buy)},
                {QStringLiteral("halfHourSell"), QJsonArray::fromStringList(bar.sell)},
                {QStringLiteral("totals"),
                 tick.totals ? QJsonValue(colouredText(tick.totals->text, tick.totals->colour))
                             : QJsonValue(QJsonValue::Null)},
                {QStringLiteral("announcement"), announcementJson(tick.announcement)}});
}

// The ten-day window; one that cannot open ends silently.
QJsonObject tenDay(const Options& options, CommandContext& context)
{
    const Stock stock = stockOf(options, "tenday takes one stock code", context);
    const analytics::SingleBarDayRead day = analytics::readSingleBarDay(
        pageBody(context.sites.bigOrderSite, stock, analytics::BigOrderPage::SingleBarDay));
    const std::optional<analytics::TenDayView> view =
        analytics::tenDayView(day.buy, day.sell, day.labels, stock.name, stock.code);
    if (!view)
        net::abortSilently();
    return withStock(stock,
                     {{QStringLiteral("dailyBuy"), QJsonArray::fromStringList(day.buy)},
                      {QStringLiteral("dailySell"), QJsonArray::fromStringList(day.sell)},
                      {QStringLiteral("dailyLabels"), QJsonArray::fromStringList(day.labels)},
                      {QStringLiteral("Label1"), colouredText(view->totalsLine, view->colour)},
                      {QStringLiteral("Chart2"), barChartJson(view->chart)}});
}

QJsonObject byClass(const std::array<qint64, 4>& sums)
{
    return {{QStringLiteral("retail"), sums[0]},
            {QStringLiteral("medium"), sums[1]},
            {QStringLiteral("large"), sums[2]},
            {QStringLiteral("main"), sums[3]}};
}

// The capital flow window's figures; the picture is not fetched. A page that cannot be loaded
// or read fails with the window's Label6 text.
QJsonObject capitalFlow(const Options& options, CommandContext& context)
{
    const Stock stock = stockOf(options, "capflow takes one stock code", context);
    const analytics::FlowRows rows = analytics::readCapitalFlowPage(
        fetchOrRefuse(QStringLiteral("TForm18.IdHTTP1"),
                      context.sites.capitalFlowSite + analytics::capitalFlowPath(stock.code),
                      analytics::capitalFlowFailedText()));
    const std::optional<analytics::CapitalFlowView> view = analytics::capitalFlowView(rows);
    if (!view)
        refuse(analytics::capitalFlowFailedText());
    const auto column = [&rows](analytics::InvestorClass investorClass) {
        return QJsonArray::fromStringList(rows.values[std::size_t(investorClass)]);
    };
    return withStock(
        stock, {{QStringLiteral("times"), QJsonArray::fromStringList(rows.times)},
                {QStringLiteral("retail"), column(analytics::InvestorClass::Retail)},
                {QStringLiteral("medium"), column(analytics::InvestorClass::Medium)},
                {QStringLiteral("large"), column(analytics::InvestorClass::Large)},
                {QStringLiteral("main"), column(analytics::InvestorClass::Main)},
                {QStringLiteral("totals"), byClass(view->totals)},
                {QStringLiteral("Label8"), colouredText(view->notice, view->noticeColour)},
                {QStringLiteral("Label9"), colouredText(view->inflowLine, quotes::riseRed)},
                {QStringLiteral("Label10"), colouredText(view->outflowLine, quotes::fallGreen)},
                {QStringLiteral("slots"), arrayOf(view->slotSums, byClass)}});
}

QJsonArray pointValues(const std::vector<analytics::HoldingsPoint>& points)
{
    return arrayOf(points,
                   [](const analytics::HoldingsPoint& point) { return QJsonValue(point.value); });
}

// Both holdings lines in drawn order. A reply that cannot be fetched or whose dates do not
// convert fails with the box's failure caption; a chart cut short is printed as far as it got.
QJsonObject holdings(const Options& options, CommandContext& context)
{
    const Stock stock = stockOf(options, "holdings takes one stock code", context);
    const analytics::HoldingsLists lists = analytics::readHoldings(
        fetchOrRefuse(QStringLiteral("IdHTTP2"),
                      context.sites.holdingsSite + analytics::holdingsPath(stock.code),
                      analytics::holdingsFailedCaption()));
    if (lists.failed)
        refuse(analytics::holdingsFailedCaption());
    const analytics::HoldingsChart chart = analytics::holdingsChart(lists);
    QStringList labels;
    for (const analytics::HoldingsPoint& point : chart.mainForce)
        labels << point.label;
    return withStock(
        stock, {{QStringLiteral("GroupBox5"), chart.complete ? app::holdingsBoxCaption(stock.name)
                                                             : analytics::holdingsFailedCaption()},
                {QStringLiteral("labels"), QJsonArray::fromStringList(labels)},
                {QStringLiteral("mainForce"), pointValues(chart.mainForce)},
                {QStringLiteral("retail"), pointValues(chart.retail)},
                {QStringLiteral("complete"), chart.complete}});
}

} // namespace

std::vector<Command> analyticsCommands()
{
    return {
        {.name = "bigorder",
         .arguments = "CODE",
         .description = "The three big-order pages' lists and the half-hour and five-day charts of the main window.",
         .run = &bigOrder},
        {.name = "flow",
         .arguments = "CODE",
         .description = "One tick of the half-hour flow monitor at this moment: the day's totals line and the window it announces.",
         .run = &flow},
        {.name = "tenday",
         .arguments = "CODE",
         .description = "The ten-day big-order window: the totals line, the title and every day's bars.",
         .run = &tenDay},
        {.name = "capflow",
         .arguments = "CODE",
         .description = "The capital flow window's figures: the rows, the day totals, its three lines and the slot bars.",
         .run = &capitalFlow},
        {.name = "holdings",
         .arguments = "CODE",
         .description = "The thirty-day holdings lines of the main force and the retail investors, in drawn order.",
         .run = &holdings},
    };
}

} // namespace cli
