#include "alerts/alertengine.h"

#include "quotes/alertquotetable.h"
#include "store/watchlist.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using testsupport::PrintTo;

using alerts::AlertPopup;
using alerts::Broadcast;
using alerts::PopupKind;
using alerts::TickWork;
using quotes::Direction;

const QDate thursday(2026, 12, 10);

QDateTime at(QTime time, QDate day = thursday)
{
    return QDateTime(day, time);
}

// The figures of one quote row, fields 2-18.
struct Figures {
    QString code = QStringLiteral("600036");
    QString name = QStringLiteral("招商银行");
    QString latest = QStringLiteral("30.47");
    QString percent = QStringLiteral("0.85%");
    QString change = QStringLiteral("0.26");
    QString bidVolume = QStringLiteral("179");
    QString askVolume = QStringLiteral("2586");
    QString volume = QStringLiteral("325795");
    QString open = QStringLiteral("30.39");
    QString lastSide = QStringLiteral("84");
    QString lastLots = QStringLiteral("84");

    quotes::QuoteRow row() const
    {
        return quotes::QuoteRow({QStringLiteral("var q=\"1"), code, name, latest, percent, change,
                                 QStringLiteral("30.46"), bidVolume, QStringLiteral("30.47"),
                                 askVolume, volume, QStringLiteral("98956.18"), open,
                                 QStringLiteral("x"), QStringLiteral("30.55"),
                                 QStringLiteral("30.14"), lastSide, lastLots});
    }
};

store::WatchList watching(const QStringList& flags, const QString& riseFall = QStringLiteral("5"),
                          const QString& digits = QStringLiteral("4"))
{
    store::WatchList watch;
    for (int i = 0; i < flags.size(); ++i) {
        watch.watchBroadcast << QStringLiteral("1");
        watch.watchCodes << QStringLiteral("60003%1").arg(6 + i);
        watch.watchNames << QStringLiteral("股票%1").arg(i);
        watch.watchFlags << flags[i];
        watch.watchBigTrade << digits;
        watch.watchBigOrder << digits;
        watch.watchRiseFall << riseFall;
        watch.watchReportMinutes << QStringLiteral("10");
        watch.watchReport << QStringLiteral("0");
    }
    return watch;
}

// A tick of the alert pass over the given rows, with the state carried from tick to tick.
class AlertPassTest : public ::testing::Test {
protected:
    std::vector<alerts::AlertEvent> tick(const std::vector<Figures>& rows, QTime time = QTime(10, 21, 5))
    {
        const alerts::PlannedTick planned = alerts::planTick(watch, true, state, at(time));
        EXPECT_EQ(planned.plan.work, TickWork::AlertPass);
        quotes::AlertQuoteTable table;
        for (const Figures& figures : rows)
            EXPECT_TRUE(table.append(figures.row()));
        alerts::EvaluatedTick evaluated =
            alerts::evaluateTick(planned.plan, table, watch, planned.state, at(time));
        state = evaluated.state;
        completed = evaluated.completed;
        return evaluated.events;
    }

    void seconds(int count)
    {
        for (int s = 0; s < count; ++s)
            alerts::rearmOneSecond(state);
    }

    static AlertPopup popup(const alerts::AlertEvent& event) { return std::get<AlertPopup>(event); }

    store::WatchList watch;
    alerts::AlertState state;
    bool completed = true;
};

struct EventCase {
    const char* name;
    const char* flags;
    Figures figures;
    QTime time;
    std::vector<AlertPopup> popups;
    const char* riseFall = "5";
    const char* digits = "4"; // of big trades and big orders
};

class AlertEventTest : public AlertPassTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(AlertEventTest, RaisesThePopupsOfItsConditions)
{
    const EventCase& c = GetParam();
    watch = watching({QString::fromLatin1(c.flags)}, QString::fromLatin1(c.riseFall),
                     QString::fromLatin1(c.digits));
    state.resetStocks(1);
    Figures figures = c.figures;
    figures.code = QStringLiteral("600036");
    figures.name = QStringLiteral("招商银行");

    const auto events = tick({figures}, c.time);

    ASSERT_EQ(events.size(), c.popups.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(popup(events[i]), c.popups[i]) << i;
    EXPECT_TRUE(completed);
}

Figures withPercent(const char* percent, const char* change = "2.61")
{
    Figures f;
    f.percent = QString::fromUtf8(percent);
    f.change = QString::fromUtf8(change);
    f.latest = QStringLiteral("33.21");
    f.volume = QStringLiteral("1234567");
    return f;
}

Figures withLots(const char* lots, const char* side, const char* change = "0.26")
{
    Figures f;
    f.lastLots = QString::fromUtf8(lots);
    f.lastSide = QString::fromUtf8(side);
    f.change = QString::fromUtf8(change);
    return f;
}

Figures withBook(const char* bid, const char* ask, const char* percent = "0.85%")
{
    Figures f;
    f.bidVolume = QString::fromUtf8(bid);
    f.askVolume = QString::fromUtf8(ask);
    f.percent = QString::fromUtf8(percent);
    return f;
}

AlertPopup limitUp(const char* percent)
{
    return {PopupKind::Limit, QStringLiteral("注意:招商银行(600036) 股价接近涨停或已涨停"),
            QStringLiteral("最新价:33.21 涨:2.61元 幅度:%1 ↑ 成交量:1234567手").arg(QString::fromUtf8(percent)),
            Direction::Up};
}

const QString bookLine = QStringLiteral("最新价:30.47 涨:0.26元 幅度:0.85% ↑ 成交量:325795手");

INSTANTIATE_TEST_SUITE_P(
    Conditions, AlertEventTest,
    ::testing::Values(
        EventCase{"limitUpPast9", "1000", withPercent("9.01%"), QTime(10, 0), {limitUp("9.01%")}},
        EventCase{"nineIsNotPast", "1000", withPercent("9.00%"), QTime(10, 0), {}},
        EventCase{"limitDown", "1000", withPercent("-9.50%", "-3.49"), QTime(10, 0),
                  {{PopupKind::Limit, QStringLiteral("注意:招商银行(600036) 股价接近跌停或已跌停"),
                    QStringLiteral("最新价:33.21 跌:-3.49元 幅度:-9.50% ↓ 成交量:1234567手"), Direction::Down}}},
        EventCase{"limitFlagOff", "0111", withPercent("9.80%"), QTime(10, 0),
                  {{PopupKind::RiseFall, QStringLiteral("注意:招商银行(600036) 涨幅超过9.80%"),
                    QStringLiteral("最新价:33.21 涨:2.61元 幅度:9.80% ↑ 成交量:1234567手"), Direction::Up}},
                  "5", "5"},
        EventCase{"riseAtNIsNothing", "0100", withPercent("5.00%"), QTime(10, 0), {}},
        EventCase{"riseBeyondN", "0100", withPercent("5.01%"), QTime(10, 0),
                  {{PopupKind::RiseFall, QStringLiteral("注意:招商银行(600036) 涨幅超过5.01%"),
                    QStringLiteral("最新价:33.21 涨:2.61元 幅度:5.01% ↑ 成交量:1234567手"), Direction::Up}}},
        EventCase{"fallBeyondN", "0100", withPercent("-7.20%", "-2.01"), QTime(14, 59, 59),
                  {{PopupKind::RiseFall, QStringLiteral("注意:招商银行(600036) 跌幅超过-7.20%"),
                    QStringLiteral("最新价:33.21 跌:-2.01元 幅度:-7.20% ↓ 成交量:1234567手"), Direction::Down}}, "7", "4"},
        EventCase{"tradeOfThreeDigits", "0010", withLots("999", "84"), QTime(10, 0), {}},
        EventCase{"bigBuy", "0010", withLots("1000", "1000"), QTime(10, 21, 5),
                  {{PopupKind::BigTrade, QStringLiteral("注意:招商银行(600036)在10:21:05有1000手大买单成交"),
                    bookLine, Direction::Up}}},
        EventCase{"bigSellOnAFallingStock", "0010", withLots("12000", "-12000", "-0.31"),
                  QTime(10, 21, 5),
                  {{PopupKind::BigTrade, QStringLiteral("注意:招商银行(600036)在10:21:05有12000手大卖单成交"),
                    QStringLiteral("最新价:30.47 跌:-0.31元 幅度:0.85%↓ 成交量:325795手"), Direction::Down}}},
        EventCase{"bidThenAsk", "0001", withBook("23000", "45000"), QTime(10, 21, 5),
                  {{PopupKind::BigOrder, QStringLiteral("注意:招商银行(600036)10:21:05在买①出现23000手买单"),
                    bookLine, Direction::Up},
                   {PopupKind::BigOrder, QStringLiteral("注意:招商银行(600036)10:21:05在卖①出现45000手卖单"),
                    bookLine, Direction::Up}}, "5", "5"},
        EventCase{"orderBelowTheDigits", "0001", withBook("9999", "2586"), QTime(10, 0), {}, "5", "5"},
        EventCase{"limitStopsTheOrderAlerts", "1001", withBook("23000", "45000", "9.80%"),
                  QTime(10, 0),
                  {{PopupKind::Limit, QStringLiteral("注意:招商银行(600036) 股价接近涨停或已涨停"),
                    QStringLiteral("最新价:30.47 涨:0.26元 幅度:9.80% ↑ 成交量:325795手"), Direction::Up}}},
        EventCase{"elevenThirtyIsClosed", "1111", withPercent("9.80%"), QTime(11, 30), {}},
        EventCase{"oneIsOpenAgainAtItsNextSecond", "1000", withPercent("9.80%"), QTime(13, 0, 1),
                  {limitUp("9.80%")}},
        EventCase{"oneOClockIsClosed", "1111", withPercent("9.80%"), QTime(13, 0), {}},
        EventCase{"threeIsClosed", "1111", withPercent("9.80%"), QTime(15, 0), {}},
        EventCase{"zeroChangeIsZero", "0100", withPercent("0.0"), QTime(10, 0), {}, "2", "4"}),
    testsupport::CaseName());

// A fired alert waits about 301 seconds; the limit alert waits until the next day or the next
// reload of the settings.
TEST_F(AlertPassTest, AlertsComeBackAfterTheirHoldAndTheLimitOnANewDay)
{
    watch = watching({QStringLiteral("1110")});
    state.resetStocks(1);
    Figures hot = withPercent("9.80%");
    hot.lastLots = QStringLiteral("5000");

    EXPECT_EQ(tick({hot}).size(), 3u); // limit, big trade, rise
    EXPECT_TRUE(tick({hot}).empty());
    seconds(300);
    EXPECT_TRUE(tick({hot}).empty());
    seconds(1);
    const auto again = tick({hot});
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(popup(again[0]).kind, PopupKind::BigTrade);
    EXPECT_EQ(popup(again[1]).kind, PopupKind::RiseFall);

    seconds(301);
    const alerts::PlannedTick tomorrow =
        alerts::planTick(watch, true, state, at(QTime(10, 0), thursday.addDays(1)));
    EXPECT_EQ(tomorrow.state.limitAlerted, QStringList{"0"});

    state.resetStocks(1);
    EXPECT_EQ(tick({hot}).size(), 3u);
}

// A stock the engine has no state for (the list grew since the last reload) is polled and
// skipped; a figure that is not a number ends the pass and keeps what came before.
TEST_F(AlertPassTest, StockWithoutStateIsSkippedAndABadFigureEndsThePass)
{
    watch = watching({QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("1000")});
    state.resetStocks(2);
    Figures bad = withPercent("n/a%");

    const auto events = tick({withPercent("9.80%"), bad, withPercent("9.80%")});

    ASSERT_EQ(events.size(), 1u);
    EXPECT_FALSE(completed);
    EXPECT_EQ(state.limitAlerted, (QStringList{"1", "0"}));

    state.resetStocks(2);
    watch.watchFlags[1] = QStringLiteral("0000");
    EXPECT_EQ(tick({withPercent("9.80%"), bad, withPercent("9.80%")}).size(), 1u);
    EXPECT_TRUE(completed);
}

// The sessions are whole seconds: a closed second stays closed to its last millisecond and an
// open one is open from its first, for every kind of event alert.
struct SessionSecondCase {
    const char* name;
    QTime time;
    bool open;
    bool openingBroadcastDone = false;
};

class SessionSecondTest : public AlertPassTest,
                          public ::testing::WithParamInterface<SessionSecondCase> {};

TEST_P(SessionSecondTest, EveryKindFiresOnlyInsideTheSessions)
{
    const SessionSecondCase& c = GetParam();
    // One stock for the limit and the rise, one for the trade and the orders (a fired limit
    // would stop the order alerts).
    watch = watching({QStringLiteral("1100"), QStringLiteral("0011")});
    Figures rising = withPercent("9.80%");
    Figures busy = withBook("23000", "45000");
    busy.lastLots = QStringLiteral("5000");
    for (int msec : {0, 999}) {
        state = {};
        state.resetStocks(2);
        state.day = thursday;
        state.openBroadcastDone = c.openingBroadcastDone;
        const QTime time = c.time.addMSecs(msec);
        const auto events = tick({rising, busy}, time);
        std::vector<PopupKind> kinds;
        for (const alerts::AlertEvent& event : events)
            kinds.push_back(popup(event).kind);
        const std::vector<PopupKind> all = {PopupKind::Limit, PopupKind::RiseFall,
                                            PopupKind::BigTrade, PopupKind::BigOrder,
                                            PopupKind::BigOrder};
        EXPECT_EQ(kinds, c.open ? all : std::vector<PopupKind>{})
            << time.toString(u"HH:mm:ss.zzz").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, SessionSecondTest,
    ::testing::Values(SessionSecondCase{"nineThirtyAfterTheOpening", QTime(9, 30), false, true},
                      SessionSecondCase{"nineThirtyOne", QTime(9, 30, 1), true, true},
                      SessionSecondCase{"lastMorningSecond", QTime(11, 29, 59), true},
                      SessionSecondCase{"elevenThirty", QTime(11, 30), false},
                      SessionSecondCase{"one", QTime(13, 0), false},
                      SessionSecondCase{"oneAndOneSecond", QTime(13, 0, 1), true},
                      SessionSecondCase{"lastAfternoonSecond", QTime(14, 59, 59), true},
                      SessionSecondCase{"three", QTime(15, 0), false}),
    testsupport::CaseName());

struct PlanCase {
    const char* name;
    QDateTime now;
    bool localAlerts;
    TickWork work;
    int codes;
};

class PlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanTest, ChoosesTheWorkOfTheMoment)
{
    store::WatchList watch = watching({QStringLiteral("0000"), QStringLiteral("0000")});
    watch.watchBroadcast[1] = QStringLiteral("0");
    alerts::AlertState state;
    state.resetStocks(2);
    const alerts::PlannedTick planned =
        alerts::planTick(watch, GetParam().localAlerts, state, GetParam().now);
    EXPECT_EQ(planned.plan.work, GetParam().work);
    EXPECT_EQ(planned.plan.codes.size(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, PlanTest,
    ::testing::Values(PlanCase{"saturday", at(QTime(10, 0), QDate(2026, 12, 12)), true, TickWork::None, 0},
                      PlanCase{"localAlertsOff", at(QTime(10, 0)), false, TickWork::None, 0},
                      PlanCase{"nineTwentySeven", at(QTime(9, 27, 59)), true, TickWork::AlertPass, 2},
                      PlanCase{"opening", at(QTime(9, 28)), true, TickWork::OpeningBroadcast, 1},
                      PlanCase{"openingLast", at(QTime(9, 30, 59)), true, TickWork::OpeningBroadcast, 1},
                      PlanCase{"midday", at(QTime(11, 33)), true, TickWork::MiddayBroadcast, 1},
                      PlanCase{"middayLast", at(QTime(11, 44, 59)), true, TickWork::MiddayBroadcast, 1},
                      PlanCase{"afterMidday", at(QTime(11, 45)), true, TickWork::AlertPass, 2},
                      PlanCase{"closing", at(QTime(15, 3)), true, TickWork::ClosingBroadcast, 1},
                      PlanCase{"closingLast", at(QTime(15, 9, 59)), true, TickWork::ClosingBroadcast, 1},
                      PlanCase{"evening", at(QTime(20, 0)), true, TickWork::AlertPass, 2}),
    testsupport::CaseName());

// Each broadcast comes once a day; the weekend rests the quote timer and Monday wakes it.
TEST(AlertDayTest, BroadcastsOnceADayAndTheWeekendRestsTheQuoteTimer)
{
    const store::WatchList watch = watching({QStringLiteral("0000")});
    alerts::AlertState state;
    state.resetStocks(1);
    const auto plan = [&](const QDateTime& now) {
        alerts::PlannedTick planned = alerts::planTick(watch, true, state, now);
        state = planned.state;
        return planned.plan;
    };
    EXPECT_EQ(plan(at(QTime(9, 29))).work, TickWork::OpeningBroadcast);
    EXPECT_EQ(plan(at(QTime(9, 29, 5))).work, TickWork::AlertPass);
    EXPECT_EQ(plan(at(QTime(9, 29), thursday.addDays(1))).work, TickWork::OpeningBroadcast);

    const alerts::TickPlan saturday = plan(at(QTime(10, 0), QDate(2026, 12, 12)));
    EXPECT_TRUE(saturday.stopQuoteTimer);
    EXPECT_FALSE(saturday.startQuoteTimer);
    EXPECT_TRUE(plan(at(QTime(10, 0), QDate(2026, 12, 13))).stopQuoteTimer);
    const alerts::TickPlan monday = plan(at(QTime(9, 0), QDate(2026, 12, 14)));
    EXPECT_TRUE(monday.startQuoteTimer);
    EXPECT_FALSE(plan(at(QTime(9, 0, 5), QDate(2026, 12, 14))).startQuoteTimer);
}

struct BroadcastCase {
    const char* name;
    QTime time;
    const char* title;
    const char* caption;
    const char* price;
};

class BroadcastTest : public ::testing::TestWithParam<BroadcastCase> {};

TEST_P(BroadcastTest, ListsTheMarkedStocksWithTheirPrice)
{
    const BroadcastCase& c = GetParam();
    store::WatchList watch = watching({QStringLiteral("0000"), QStringLiteral("0000"), QStringLiteral("0000")});
    watch.watchBroadcast[1] = QStringLiteral("0");
    const alerts::PlannedTick planned = alerts::planTick(watch, true, {}, at(c.time));
    ASSERT_EQ(planned.plan.codes, (QStringList{"600036", "600038"}));
    quotes::AlertQuoteTable table;
    Figures rising;
    Figures falling;
    falling.code = QStringLiteral("600038");
    falling.name = QStringLiteral("中直股份");
    falling.percent = QStringLiteral("-1.25%");
    table.append(rising.row());
    table.append(falling.row());

    const alerts::EvaluatedTick evaluated =
        alerts::evaluateTick(planned.plan, table, watch, planned.state, at(c.time));

    ASSERT_EQ(evaluated.events.size(), 1u);
    const Broadcast& broadcast = std::get<Broadcast>(evaluated.events[0]);
    EXPECT_EQ(broadcast.title, QString::fromUtf8(c.title));
    EXPECT_EQ(broadcast.priceCaption, QString::fromUtf8(c.caption));
    const QString price = QString::fromLatin1(c.price);
    EXPECT_EQ(broadcast.rows,
              (std::vector<alerts::BroadcastRow>{
                  {1, QStringLiteral("招商银行(600036)"), price, QStringLiteral("0.85%↑"), QStringLiteral("325795")},
                  {2, QStringLiteral("中直股份(600038)"), price, QStringLiteral("-1.25%↓"), QStringLiteral("325795")}}));
}

INSTANTIATE_TEST_SUITE_P(
    Broadcasts, BroadcastTest,
    ::testing::Values(BroadcastCase{"opening", QTime(9, 29, 1), "现在(09:29:01)播报开盘价", "开盘价", "30.39"},
                      BroadcastCase{"midday", QTime(11, 40), "现在(11:40:00)播报午间收盘价", "收盘价", "30.47"},
                      BroadcastCase{"closing", QTime(15, 3, 7), "现在(15:03:07)播报收盘价", "收盘价", "30.47"}),
    testsupport::CaseName());

} // namespace
