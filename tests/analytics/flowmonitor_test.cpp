// The half-hour flow monitor, tick by tick on a frozen clock: when it works, what it announces
// and what it keeps between ticks.
#include "analytics/flowmonitor.h"
#include "app/clock.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::FlowAnnouncement;
using analytics::FlowMonitorState;
using analytics::FlowTick;
using analytics::FlowTotals;
using testsupport::PrintTo;

const QDate thursday(2026, 12, 10);
const QDate friday(2026, 12, 11);

QDateTime at(const QDate& day, int hour, int minute, int second = 0, int msec = 0)
{
    return QDateTime(day, QTime(hour, minute, second, msec));
}

class FlowMonitorTest : public ::testing::Test {
protected:
    FlowMonitorTest() { clock.freezeAt(at(thursday, 10, 31)); }

    FlowTick tick(const QStringList& buy, const QStringList& sell)
    {
        const FlowTick result = analytics::flowMonitorTick(state, buy, sell, clock.now(), name, code);
        clock.advance(5000);
        return result;
    }

    app::Clock clock;
    FlowMonitorState state;
    QString name = u"招商银行"_s;
    QString code = u"600036"_s;
};

struct GateCase {
    const char* name;
    QDateTime now;
    bool works;
};

class FlowMonitorGateTest : public ::testing::TestWithParam<GateCase> {};

TEST_P(FlowMonitorGateTest, WeekdaysFromTenOClockOn)
{
    FlowMonitorState state;
    app::Clock clock;
    clock.freezeAt(GetParam().now);
    const FlowTick tick = analytics::flowMonitorTick(state, {u"30"_s}, {u"10"_s}, clock.now(),
                                                     u"招商银行"_s, u"600036"_s);
    EXPECT_EQ(tick.totals.has_value(), GetParam().works);
    EXPECT_EQ(tick.announcement.has_value(), GetParam().works);
    EXPECT_EQ(state.windowAnnounced[0], GetParam().works);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, FlowMonitorGateTest,
    ::testing::Values(GateCase{"Saturday", at(QDate(2026, 12, 12), 10, 30), false},
                      GateCase{"Sunday", at(QDate(2026, 12, 13), 10, 30), false},
                      GateCase{"ThursdayAt095959", at(thursday, 9, 59, 59), false},
                      GateCase{"ThursdayAt095959_999", at(thursday, 9, 59, 59, 999), false},
                      GateCase{"ThursdayAt100000", at(thursday, 10, 0, 0), true},
                      GateCase{"ThursdayAt100000_999", at(thursday, 10, 0, 0, 999), true},
                      GateCase{"LateEveningStillWorks", at(thursday, 22, 0), true}),
    testsupport::CaseName());

TEST_F(FlowMonitorTest, TheSecondWindowAfterTheFirst)
{
    const FlowTick first = tick({u"100"_s}, {u"20"_s});
    ASSERT_TRUE(first.announcement);
    EXPECT_EQ(*first.announcement,
              (FlowAnnouncement{0, u"在 9:30-10:00 之间大单净流入80万股"_s, true, u"招商银行(600036)"_s}));

    const FlowTick second = tick({u"100"_s, u"50"_s}, {u"20"_s, u"80"_s});
    EXPECT_EQ(second.totals,
              (FlowTotals{u"今日大单流入:150万股 大单流出:100万股 总计净流入50万股"_s, quotes::riseRed}));
    EXPECT_EQ(second.announcement,
              (FlowAnnouncement{1, u"在 10:00-10:30 之间大单净流出30万股"_s, false, u"招商银行(600036)"_s}));
    EXPECT_EQ(state.announcedWindows, 2);
}

struct FiguresCase {
    const char* name;
    QStringList buy;
    QStringList sell;
    FlowTotals totals;
    QString message;
};

class FlowMonitorFiguresTest : public FlowMonitorTest, public ::testing::WithParamInterface<FiguresCase> {};

TEST_P(FlowMonitorFiguresTest, TotalsLineAndMessage)
{
    const FiguresCase& c = GetParam();
    const FlowTick result = tick(c.buy, c.sell);
    EXPECT_EQ(result.totals, c.totals);
    ASSERT_TRUE(result.announcement);
    EXPECT_EQ(result.announcement->message, c.message);
    EXPECT_EQ(result.announcement->inflow, c.message.contains(u'入'));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FlowMonitorFiguresTest,
    ::testing::Values(
        FiguresCase{"EqualFiguresAreAnOutflowOfZero", {u"40"_s}, {u"40"_s},
                    {u"今日大单流入:40万股 大单流出:40万股 总计净流出0万股"_s, quotes::fallGreen},
                    u"在 9:30-10:00 之间大单净流出0万股"_s},
        FiguresCase{"ANegativeNetKeepsItsSign", {u"10"_s, u"0"_s}, {u"20"_s, u"30"_s},
                    {u"今日大单流入:10万股 大单流出:50万股 总计净流出-40万股"_s, quotes::fallGreen},
                    u"在 10:00-10:30 之间大单净流出30万股"_s},
        FiguresCase{"TheLastWindowOfTheDay",
                    {u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"9"_s},
                    {u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"2"_s},
                    {u"今日大单流入:16万股 大单流出:2万股 总计净流入14万股"_s, quotes::riseRed},
                    u"在 14:30-15:00 之间大单净流入7万股"_s}),
    testsupport::CaseName());

TEST_F(FlowMonitorTest, ThreeWindowsAtOnceAnnounceOnlyTheThird)
{
    const QStringList three{u"1"_s, u"2"_s, u"3"_s};
    const QStringList none{u"0"_s, u"0"_s, u"0"_s};
    const FlowTick first = tick(three, none);
    ASSERT_TRUE(first.announcement);
    EXPECT_EQ(first.announcement->message, u"在 10:30-11:00 之间大单净流入3万股"_s);

    // The same page again: the totals are rewritten, nothing is announced twice.
    const FlowTick again = tick(three, none);
    EXPECT_TRUE(again.totals);
    EXPECT_FALSE(again.announcement);
    EXPECT_EQ(state.windowAnnounced, (std::array<bool, 8>{false, false, true}));

    const FlowTick fourth = tick(three + QStringList{u"4"_s}, none + QStringList{u"5"_s});
    ASSERT_TRUE(fourth.announcement);
    EXPECT_EQ(fourth.announcement->window, 3);
}

TEST_F(FlowMonitorTest, OnceEveryWindowOfThePageIsAnnouncedTheTickRests)
{
    EXPECT_TRUE(tick({u"5"_s}, {u"1"_s}).announcement);
    const FlowTick rest = tick({u"5"_s}, {u"1"_s});
    EXPECT_FALSE(rest.totals);
    EXPECT_FALSE(rest.announcement);
}

TEST_F(FlowMonitorTest, APageOfMoreThanEightWindowsGetsItsTotalsOnly)
{
    const QStringList nine(9, u"1"_s);
    const FlowTick result = tick(nine, nine);
    EXPECT_TRUE(result.totals);
    EXPECT_FALSE(result.announcement);
}

TEST_F(FlowMonitorTest, AStockChangeWaitsForTheNewStocksPage)
{
    const QStringList oldBuy{u"100"_s, u"50"_s};
    const QStringList oldSell{u"20"_s, u"80"_s};
    ASSERT_TRUE(tick(oldBuy, oldSell).announcement);

    state.resetForNewStock();
    name = u"浦发银行"_s;
    code = u"600000"_s;
    // The lists still hold the previous stock's figures.
    const FlowTick waiting = tick(oldBuy, oldSell);
    EXPECT_FALSE(waiting.totals);
    EXPECT_FALSE(waiting.announcement);

    state.pageRead();
    const FlowTick fresh = tick({u"7"_s, u"9"_s}, {u"1"_s, u"2"_s});
    ASSERT_TRUE(fresh.announcement);
    EXPECT_EQ(*fresh.announcement,
              (FlowAnnouncement{1, u"在 10:00-10:30 之间大单净流入7万股"_s, true, u"浦发银行(600000)"_s}));
}

TEST_F(FlowMonitorTest, ANewDayAnnouncesAgainOnceItsPageIsIn)
{
    const QStringList full(8, u"3"_s);
    clock.freezeAt(at(thursday, 15, 0));
    ASSERT_TRUE(tick(full, QStringList(8, u"1"_s)).announcement);
    EXPECT_FALSE(tick(full, QStringList(8, u"1"_s)).announcement);

    // Friday morning the lists still hold Thursday's page until the first reload.
    clock.freezeAt(at(friday, 10, 0));
    EXPECT_FALSE(tick(full, QStringList(8, u"1"_s)).totals);
    state.pageRead();
    const FlowTick first = tick({u"4"_s}, {u"6"_s});
    ASSERT_TRUE(first.announcement);
    EXPECT_EQ(first.announcement->message, u"在 9:30-10:00 之间大单净流出2万股"_s);
    EXPECT_EQ(state.day, friday);
}

struct SkippedCase {
    const char* name;
    QStringList buy;
    QStringList sell;
};

class FlowMonitorSkipTest : public FlowMonitorTest, public ::testing::WithParamInterface<SkippedCase> {};

TEST_P(FlowMonitorSkipTest, ListsItCannotReadAreSkippedQuietly)
{
    const FlowTick skipped = tick(GetParam().buy, GetParam().sell);
    EXPECT_FALSE(skipped.totals);
    EXPECT_FALSE(skipped.announcement);
    // Nothing was marked: the window is announced once the page reads well.
    EXPECT_EQ(state.announcedWindows, 0);
    EXPECT_TRUE(tick({u"1"_s, u"2"_s}, {u"0"_s, u"0"_s}).announcement);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, FlowMonitorSkipTest,
    ::testing::Values(SkippedCase{"SellShorter", {u"1"_s, u"2"_s}, {u"0"_s}},
                      SkippedCase{"SellLonger", {u"1"_s, u"2"_s}, {u"0"_s, u"0"_s, u"0"_s}},
                      SkippedCase{"ABuyItemThatIsNoInteger", {u"1"_s, u"2万"_s}, {u"0"_s, u"0"_s}},
                      SkippedCase{"AnEmptySellItem", {u"1"_s, u"2"_s}, {u"0"_s, QString()}}),
    testsupport::CaseName());

TEST(HalfHourWindowTextTest, EightWindowsAndNothingBeyond)
{
    EXPECT_EQ(analytics::halfHourWindowText(0), u"9:30-10:00"_s);
    EXPECT_EQ(analytics::halfHourWindowText(4), u"13:00-13:30"_s);
    EXPECT_EQ(analytics::halfHourWindowText(7), u"14:30-15:00"_s);
    EXPECT_TRUE(analytics::halfHourWindowText(8).isEmpty());
    EXPECT_TRUE(analytics::halfHourWindowText(-1).isEmpty());
}

} // namespace
