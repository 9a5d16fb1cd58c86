#include "analytics/flowmonitor.h"

#include "analytics/decimaltext.h"
#include "analytics/stocktitle.h"
#include "app/clock.h"
#include "app/tradinghours.h"

#include <vector>

namespace analytics {

namespace {

constexpr int windowsOfTheDay = 8;

// The lists as integers, or nothing when they differ in length or an item is not an integer.
std::optional<std::pair<std::vector<int>, std::vector<int>>> figuresOf(const QStringList& buy,
                                                                      const QStringList& sell)
{
    if (buy.size() != sell.size())
        return std::nullopt;
    std::vector<int> bought;
    std::vector<int> sold;
    for (qsizetype i = 0; i < buy.size(); ++i) {
        const std::optional<int> b = decimalInteger(buy[i]);
        const std::optional<int> s = decimalInteger(sell[i]);
        if (!b || !s)
            return std::nullopt;
        bought.push_back(*b);
        sold.push_back(*s);
    }
    return std::pair{std::move(bought), std::move(sold)};
}

qint64 sum(const std::vector<int>& figures)
{
    qint64 total = 0;
    for (int figure : figures)
        total += figure;
    return total;
}

FlowTotals totalsOf(qint64 bought, qint64 sold)
{
    const qint64 net = bought - sold;
    const QString text = QStringLiteral("今日大单流入:%1万股 大单流出:%2万股 %3%4万股")
                             .arg(bought)
                             .arg(sold)
                             .arg(net > 0 ? QStringLiteral("总计净流入") : QStringLiteral("总计净流出"))
                             .arg(net);
    return {text, net > 0 ? quotes::riseRed : quotes::fallGreen};
}

FlowAnnouncement announcementOf(int window, qint64 bought, qint64 sold, const QString& name,
                                const QString& code)
{
    const bool inflow = bought > sold;
    const QString message = QStringLiteral("在 %1 之间大单%2%3万股")
                                .arg(halfHourWindowText(window))
                                .arg(inflow ? QStringLiteral("净流入") : QStringLiteral("净流出"))
                                .arg(inflow ? bought - sold : sold - bought);
    return {window, message, inflow, stockTitle(name, code)};
}

void startDay(FlowMonitorState& state, const QDate& day)
{
    // Yesterday's page may still be what the lists hold: wait for today's, as after a change.
    const bool dayChanged = state.day.isValid();
    state.windowAnnounced.fill(false);
    state.announcedWindows = 0;
    state.day = day;
    if (dayChanged)
        state.awaitingNewStockPage = true;
}

} // namespace

QString halfHourWindowText(int position)
{
    static const QStringList windows = {
        QStringLiteral("9:30-10:00"),  QStringLiteral("10:00-10:30"), QStringLiteral("10:30-11:00"),
        QStringLiteral("11:00-11:30"), QStringLiteral("13:00-13:30"), QStringLiteral("13:30-14:00"),
        QStringLiteral("14:00-14:30"), QStringLiteral("14:30-15:00")};
    return windows.value(position);
}

void FlowMonitorState::resetForNewStock()
{
    windowAnnounced.fill(false);
    announcedWindows = 0;
    awaitingNewStockPage = true;
}

FlowTick flowMonitorTick(FlowMonitorState& state, const QStringList& buy, const QStringList& sell,
                         const QDateTime& now, const QString& name, const QString& code)
{
    const app::ClockFields fields = app::clockFieldsOf(now);
    if (!app::flowMonitorWorks(fields.date(), fields.time()))
        return {};
    if (state.day != fields.date())
        startDay(state, fields.date());
    if (state.awaitingNewStockPage || state.announcedWindows >= buy.size())
        return {};
    const auto figures = figuresOf(buy, sell);
    if (!figures)
        return {};
    const auto& [bought, sold] = *figures;

    FlowTick tick;
    tick.totals = totalsOf(sum(bought), sum(sold));
    // Only the latest window is considered: one the program started too late for is skipped.
    const int latest = int(buy.size()) - 1;
    if (latest < windowsOfTheDay && !state.windowAnnounced[std::size_t(latest)]) {
        state.windowAnnounced[std::size_t(latest)] = true;
        ++state.announcedWindows;
        tick.announcement = announcementOf(latest, bought[std::size_t(latest)],
                                           sold[std::size_t(latest)], name, code);
    }
    return tick;
}

} // namespace analytics
