#include "alerts/alertengine.h"

#include "app/clock.h"
#include "app/tradinghours.h"
#include "quotes/alertquotetable.h"
#include "store/watchlist.h"

#include <stdexcept>
#include <utility>

namespace alerts {

namespace {

using quotes::Direction;

const QString armed = QStringLiteral("-1");
constexpr int rearmAfterSeconds = 300;
// The limit alert fires short of the ±10 % limit.
constexpr double limitPercent = 9.0;

// A figure that should be a number is not: the tick ends where it stands.
class NotANumber final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int integerOf(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw NotANumber(text.toStdString());
    return value;
}

// The change percent without its "%": "9.35%" is 9.35, "0.0" (a change of "0") is 0.
double percentOf(const QString& changeText)
{
    bool ok = false;
    const double value = changeText.isEmpty() ? 0.0 : changeText.chopped(1).toDouble(&ok);
    if (!ok) // an empty field is no number either
        throw NotANumber(changeText.toStdString());
    return value;
}

// A volume is as big as its number of digits.
int digitsOf(const QString& volume)
{
    return int(volume.size());
}

struct Arrows {
    const char* up;
    const char* down;
};
constexpr Arrows spacedArrows{" ↑", " ↓"};
// The trade and order popups put no blank before the down arrow.
constexpr Arrows tightArrows{" ↑", "↓"};

// One stock's evaluation in the alert pass.
class StockCheck final {
public:
    StockCheck(const quotes::AlertQuoteTable& table, int row, const store::WatchList& watch,
               int stock, AlertState& state, std::vector<AlertEvent>& events, const QString& clock)
        : m_table(table), m_row(row), m_watch(watch), m_stock(stock), m_state(state),
          m_events(events), m_clock(clock)
    {
    }

    void run(bool trading)
    {
        limit(trading);
        bigTrade(trading);
        bigOrder(trading);
        riseFall(trading);
    }

private:
    QString field(int n) const { return m_table.field(m_row, n); }
    QString stockText() const { return QStringLiteral("注意:") + field(3) + u'(' + field(2) + u')'; }
    bool flag(int n) const
    {
        const QString& flags = m_watch.watchFlags[m_stock];
        return flags.size() >= n && flags[n - 1] == u'1';
    }
    double percent() const { return percentOf(field(5)); }
    QString& entry(QStringList& list) const { return list[m_stock]; }

    QString priceLine(Direction direction, const Arrows& arrows) const
    {
        const bool up = direction == Direction::Up;
        return QStringLiteral("最新价:") + field(4) + (up ? QStringLiteral(" 涨:") : QStringLiteral(" 跌:"))
               + field(6) + QStringLiteral("元 幅度:") + field(5)
               + QString::fromUtf8(up ? arrows.up : arrows.down) + QStringLiteral(" 成交量:") + field(11)
               + QStringLiteral("手");
    }

    void raise(PopupKind kind, const QString& firstLine, Direction direction, const Arrows& arrows)
    {
        m_events.push_back(AlertPopup{kind, firstLine, priceLine(direction, arrows), direction});
    }

    void limit(bool trading)
    {
        if (!flag(1) || entry(m_state.limitAlerted) != QLatin1String("0") || !trading)
            return;
        const double p = percent();
        if (p > limitPercent) {
            entry(m_state.limitAlerted) = QStringLiteral("1");
            raise(PopupKind::Limit, stockText() + QStringLiteral(" 股价接近涨停或已涨停"), Direction::Up,
                  spacedArrows);
        }
        if (p < -limitPercent) {
            entry(m_state.limitAlerted) = QStringLiteral("1");
            raise(PopupKind::Limit, stockText() + QStringLiteral(" 股价接近跌停或已跌停"), Direction::Down,
                  spacedArrows);
        }
    }

    void bigTrade(bool trading)
    {
        if (!flag(3) || digitsOf(field(18)) < integerOf(m_watch.watchBigTrade[m_stock]) || !trading
            || entry(m_state.bigTradeCooldown) != armed)
            return;
        entry(m_state.bigTradeCooldown) = QStringLiteral("0");
        const bool sell = field(17).contains(u'-');
        raise(PopupKind::BigTrade,
              stockText() + QStringLiteral("在") + m_clock + QStringLiteral("有") + field(18)
                  + (sell ? QStringLiteral("手大卖单成交") : QStringLiteral("手大买单成交")),
              quotes::directionOf(field(6)), tightArrows);
    }

    void bigOrder(bool trading)
    {
        if (!flag(4) || !trading || entry(m_state.bigOrderCooldown) != armed)
            return;
        const int digits = integerOf(m_watch.watchBigOrder[m_stock]);
        // A stock whose limit alert fired gets no more order alerts.
        const auto offer = [&](int volumeField, const char* side) {
            if (digitsOf(field(volumeField)) < digits || entry(m_state.limitAlerted) != QLatin1String("0"))
                return;
            entry(m_state.bigOrderCooldown) = QStringLiteral("0");
            raise(PopupKind::BigOrder, stockText() + m_clock + QString::fromUtf8(side) + field(volumeField)
                      + (volumeField == 8 ? QStringLiteral("手买单") : QStringLiteral("手卖单")),
                  quotes::directionOf(field(6)), tightArrows);
        };
        offer(8, "在买①出现");
        offer(10, "在卖①出现");
    }

    void riseFall(bool trading)
    {
        if (!flag(2) || !trading || entry(m_state.riseFallCooldown) != armed)
            return;
        const int n = integerOf(m_watch.watchRiseFall[m_stock]);
        const double p = percent();
        if (p > n) {
            entry(m_state.riseFallCooldown) = QStringLiteral("0");
            raise(PopupKind::RiseFall, stockText() + QStringLiteral(" 涨幅超过") + field(5), Direction::Up,
                  spacedArrows);
        }
        if (p < -n) {
            entry(m_state.riseFallCooldown) = QStringLiteral("0");
            raise(PopupKind::RiseFall, stockText() + QStringLiteral(" 跌幅超过") + field(5), Direction::Down,
                  spacedArrows);
        }
    }

    const quotes::AlertQuoteTable& m_table;
    int m_row;
    const store::WatchList& m_watch;
    int m_stock;
    AlertState& m_state;
    std::vector<AlertEvent>& m_events;
    QString m_clock;
};

TickWork broadcastDue(app::DayTime time, const AlertState& state)
{
    if (app::inOpeningBroadcastMinutes(time) && !state.openBroadcastDone)
        return TickWork::OpeningBroadcast;
    if (app::inMiddayBroadcastMinutes(time) && !state.middayBroadcastDone)
        return TickWork::MiddayBroadcast;
    if (app::inClosingBroadcastMinutes(time) && !state.closeBroadcastDone)
        return TickWork::ClosingBroadcast;
    return TickWork::AlertPass;
}

void markDone(TickWork work, AlertState& state)
{
    state.openBroadcastDone |= work == TickWork::OpeningBroadcast;
    state.middayBroadcastDone |= work == TickWork::MiddayBroadcast;
    state.closeBroadcastDone |= work == TickWork::ClosingBroadcast;
}

void startDay(const QDate& day, AlertState& state)
{
    if (state.day == day)
        return;
    state.day = day;
    state.openBroadcastDone = state.middayBroadcastDone = state.closeBroadcastDone = false;
    state.limitAlerted.fill(QStringLiteral("0"));
}

Broadcast broadcastOf(TickWork work, const quotes::AlertQuoteTable& table, const QString& clock)
{
    const bool opening = work == TickWork::OpeningBroadcast;
    Broadcast broadcast;
    broadcast.title = QStringLiteral("现在(") + clock
                      + (opening ? QStringLiteral(")播报开盘价")
                                 : work == TickWork::MiddayBroadcast ? QStringLiteral(")播报午间收盘价")
                                                                     : QStringLiteral(")播报收盘价"));
    broadcast.priceCaption = opening ? QStringLiteral("开盘价") : QStringLiteral("收盘价");
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString change = table.field(row, 5);
        broadcast.rows.push_back({row + 1, table.field(row, 3) + u'(' + table.field(row, 2) + u')',
                                  table.field(row, opening ? 13 : 4),
                                  change + (change.contains(u'-') ? u'↓' : u'↑'), table.field(row, 11)});
    }
    return broadcast;
}

} // namespace

PlannedTick planTick(const store::WatchList& watch, bool localAlerts, AlertState state,
                     const QDateTime& now)
{
    PlannedTick planned{{}, std::move(state)};
    TickPlan& plan = planned.plan;
    AlertState& s = planned.state;
    const app::ClockFields fields = app::clockFieldsOf(now);
    startDay(fields.date(), s);
    if (app::isWeekend(fields.date())) {
        plan.stopQuoteTimer = true;
        s.quoteTimerStopped = true;
        return planned;
    }
    plan.startQuoteTimer = std::exchange(s.quoteTimerStopped, false);
    if (!localAlerts)
        return planned;

    plan.trading = app::inAlertSession(fields.time());
    plan.work = broadcastDue(fields.time(), s);
    markDone(plan.work, s);
    for (int i = 0; i < watch.completeCount(); ++i) {
        if (plan.work != TickWork::AlertPass && watch.watchBroadcast[i] != QLatin1String("1"))
            continue;
        plan.stocks.push_back(i);
        plan.codes << watch.watchCodes[i];
    }
    return planned;
}

EvaluatedTick evaluateTick(const TickPlan& plan, const quotes::AlertQuoteTable& table,
                           const store::WatchList& watch, AlertState state,
                           const QDateTime& madeAt)
{
    EvaluatedTick evaluated{{}, std::move(state), true};
    if (plan.work == TickWork::None)
        return evaluated;
    const QString clock = app::dayTimeOf(madeAt).text();
    if (plan.work != TickWork::AlertPass) {
        evaluated.events.push_back(broadcastOf(plan.work, table, clock));
        return evaluated;
    }
    const bool trading = plan.trading;
    const int rows = std::min(table.rowCount(), int(plan.stocks.size()));
    try {
        for (int row = 0; row < rows; ++row) {
            const int stock = plan.stocks[row];
            if (stock >= evaluated.state.stockCount() || stock >= watch.completeCount())
                continue;
            StockCheck(table, row, watch, stock, evaluated.state, evaluated.events, clock).run(trading);
        }
    } catch (const NotANumber&) {
        evaluated.completed = false;
    }
    return evaluated;
}

void rearmOneSecond(AlertState& state)
{
    for (QStringList* cooldowns :
         {&state.bigTradeCooldown, &state.bigOrderCooldown, &state.riseFallCooldown}) {
        for (QString& entry : *cooldowns) {
            if (entry == armed)
                continue;
            bool ok = false;
            const int seconds = entry.toInt(&ok) + 1;
            entry = ok && seconds <= rearmAfterSeconds ? QString::number(seconds) : armed;
        }
    }
}

} // namespace alerts
