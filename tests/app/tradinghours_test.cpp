#include "app/clock.h"
#include "app/tradinghours.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::PrintTo;

// A gate at one of its boundary seconds; it must give the same answer at the first and the
// last millisecond of that second.
struct BoundaryCase {
    const char* name;
    bool (*gate)(app::DayTime);
    QTime second;
    bool open;
};

class GateBoundaryTest : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(GateBoundaryTest, HoldsForTheWholeSecond)
{
    const BoundaryCase& c = GetParam();
    for (int msec : {0, 999}) {
        const QDateTime instant(QDate(2026, 12, 10), c.second.addMSecs(msec));
        EXPECT_EQ(c.gate(app::dayTimeOf(instant)), c.open)
            << instant.toString(u"HH:mm:ss.zzz").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, GateBoundaryTest,
    ::testing::Values(
        BoundaryCase{"quotePanelBefore", &app::inQuotePanelWindow, QTime(9, 9, 59), false},
        BoundaryCase{"quotePanelFirst", &app::inQuotePanelWindow, QTime(9, 10, 0), true},
        BoundaryCase{"quotePanelLast", &app::inQuotePanelWindow, QTime(15, 5, 0), true},
        BoundaryCase{"quotePanelAfter", &app::inQuotePanelWindow, QTime(15, 5, 1), false},
        BoundaryCase{"dashboardOnceBefore", &app::dashboardLoadsQuotesOnce, QTime(9, 9, 59), true},
        BoundaryCase{"dashboardOnceFirstClosed", &app::dashboardLoadsQuotesOnce, QTime(9, 10, 0), false},
        BoundaryCase{"dashboardOnceLastClosed", &app::dashboardLoadsQuotesOnce, QTime(15, 5, 0), false},
        BoundaryCase{"dashboardOnceAfter", &app::dashboardLoadsQuotesOnce, QTime(15, 5, 1), true},
        BoundaryCase{"nineThirty", &app::inAlertSession, QTime(9, 30, 0), false},
        BoundaryCase{"nineThirtyOne", &app::inAlertSession, QTime(9, 30, 1), true},
        BoundaryCase{"morningLast", &app::inMorningSession, QTime(11, 29, 59), true},
        BoundaryCase{"elevenThirty", &app::inAlertSession, QTime(11, 30, 0), false},
        BoundaryCase{"one", &app::inAlertSession, QTime(13, 0, 0), false},
        BoundaryCase{"oneAndOneSecond", &app::inAfternoonSession, QTime(13, 0, 1), true},
        BoundaryCase{"afternoonLast", &app::inAfternoonSession, QTime(14, 59, 59), true},
        BoundaryCase{"three", &app::inAlertSession, QTime(15, 0, 0), false},
        BoundaryCase{"openingBefore", &app::inOpeningBroadcastMinutes, QTime(9, 27, 59), false},
        BoundaryCase{"openingFirst", &app::inOpeningBroadcastMinutes, QTime(9, 28, 0), true},
        BoundaryCase{"openingLast", &app::inOpeningBroadcastMinutes, QTime(9, 30, 59), true},
        BoundaryCase{"openingAfter", &app::inOpeningBroadcastMinutes, QTime(9, 31, 0), false},
        BoundaryCase{"middayBefore", &app::inMiddayBroadcastMinutes, QTime(11, 32, 59), false},
        BoundaryCase{"middayFirst", &app::inMiddayBroadcastMinutes, QTime(11, 33, 0), true},
        BoundaryCase{"middayLast", &app::inMiddayBroadcastMinutes, QTime(11, 44, 59), true},
        BoundaryCase{"middayAfter", &app::inMiddayBroadcastMinutes, QTime(11, 45, 0), false},
        BoundaryCase{"closingBefore", &app::inClosingBroadcastMinutes, QTime(15, 2, 59), false},
        BoundaryCase{"closingFirst", &app::inClosingBroadcastMinutes, QTime(15, 3, 0), true},
        BoundaryCase{"closingLast", &app::inClosingBroadcastMinutes, QTime(15, 9, 59), true},
        BoundaryCase{"closingAfter", &app::inClosingBroadcastMinutes, QTime(15, 10, 0), false},
        BoundaryCase{"reloadAtTen", &app::inBigOrderReloadWindow, QTime(10, 0, 0), false},
        BoundaryCase{"reloadJustAfterTen", &app::inBigOrderReloadWindow, QTime(10, 0, 1), true},
        BoundaryCase{"reloadLastSecond", &app::inBigOrderReloadWindow, QTime(15, 29, 59), true},
        BoundaryCase{"reloadAtHalfPastThree", &app::inBigOrderReloadWindow, QTime(15, 30, 0), false}),
    testsupport::CaseName());

TEST(FlowMonitorGateTest, WorksOnWeekdaysFromTenWithNoEnd)
{
    const QDate thursday(2026, 12, 10);
    for (int msec : {0, 999}) {
        EXPECT_FALSE(app::flowMonitorWorks(thursday, app::dayTimeOf(QDateTime(thursday, QTime(9, 59, 59, msec)))));
        EXPECT_TRUE(app::flowMonitorWorks(thursday, app::dayTimeOf(QDateTime(thursday, QTime(10, 0, 0, msec)))));
    }
    EXPECT_TRUE(app::flowMonitorWorks(thursday, {23, 59, 59}));
    EXPECT_FALSE(app::flowMonitorWorks(QDate(2026, 12, 12), {10, 30, 0}));
    EXPECT_FALSE(app::flowMonitorWorks(QDate(2026, 12, 13), {10, 30, 0}));
}

// The table lantuo-cli prints: the alert engine's rows follow the weekday and the sessions.
TEST(TradingGateTableTest, ListsTheEngineRulesWithTheirStateAtTheMoment)
{
    const auto runs = [](const QDateTime& at) {
        app::Clock clock;
        clock.freezeAt(at);
        QStringList open;
        for (const app::TradingGate& gate : app::tradingGates())
            if (gate.open(clock))
                open << QString::fromUtf8(gate.work);
        return open;
    };
    const auto rowsStartingWith = [](const QStringList& rows, const char* prefix) {
        return int(std::count_if(rows.begin(), rows.end(), [prefix](const QString& row) {
            return row.startsWith(QString::fromUtf8(prefix));
        }));
    };

    const QStringList afternoon = runs(QDateTime(QDate(2026, 12, 9), QTime(13, 0, 1)));
    EXPECT_TRUE(afternoon.contains(u"Timer4: event alerts, afternoon session strictly between "
                                   u"13:00:00 and 15:00:00"_qs));
    EXPECT_EQ(rowsStartingWith(afternoon, "Timer4: event alerts"), 1);

    const QStringList closedSecond = runs(QDateTime(QDate(2026, 12, 9), QTime(13, 0, 0, 999)));
    EXPECT_EQ(rowsStartingWith(closedSecond, "Timer4: event alerts"), 0);
    EXPECT_TRUE(closedSecond.contains(u"Timer4: alert engine, not on Saturday or Sunday"_qs));

    const QStringList opening = runs(QDateTime(QDate(2026, 12, 9), QTime(9, 30, 0)));
    EXPECT_TRUE(opening.contains(u"Timer4: opening broadcast, 9:28:00-9:30:59, once a day"_qs));
    EXPECT_EQ(rowsStartingWith(opening, "Timer4: event alerts"), 0);

    const QStringList saturday = runs(QDateTime(QDate(2026, 12, 12), QTime(10, 0)));
    EXPECT_EQ(rowsStartingWith(saturday, "Timer4"), 0);
    EXPECT_TRUE(saturday.contains(u"dashboard load: quote panel once on Saturday and Sunday"_qs));
}

} // namespace
