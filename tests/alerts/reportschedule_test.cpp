// The third wave's cadence: a report every N trading minutes, each mark once a day, strictly
// inside the sessions, the 11:30/13:00 boundary once, nothing at the weekend.
#include "alerts/reportschedule.h"

#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::PrintTo;

const QDate thursday(2026, 12, 10);
const QDate saturday(2026, 12, 12);

// The times of day at which a whole day of 5-second ticks, from 9:00:00 to 15:30:00, reports.
std::vector<QTime> reportsOfDay(const QDate& day, int minutes)
{
    std::vector<QTime> reports;
    alerts::ReportClock clock;
    for (QTime t(9, 0); t < QTime(15, 30); t = t.addSecs(5)) {
        const alerts::ReportStep step = alerts::stepReport(clock, QDateTime(day, t), minutes);
        if (step.due)
            reports.push_back(t);
        clock = step.clock;
    }
    return reports;
}

struct CadenceCase {
    const char* name;
    int minutes;
    int reportsPerDay;
    QTime first;
    QTime last;
};

class ReportCadenceTest : public ::testing::TestWithParam<CadenceCase> {};

TEST_P(ReportCadenceTest, ADayOfTicksReportsAtEveryMarkOnce)
{
    const CadenceCase& c = GetParam();
    const std::vector<QTime> reports = reportsOfDay(thursday, c.minutes);
    ASSERT_EQ(int(reports.size()), c.reportsPerDay);
    EXPECT_EQ(reports.front(), c.first);
    EXPECT_EQ(reports.back(), c.last);
    // The mark of 120 minutes (11:30 = 13:00) is reported once, by the first afternoon tick.
    int boundary = 0;
    for (const QTime& t : reports)
        boundary += t >= QTime(11, 30) && t <= QTime(13, 0, 5);
    EXPECT_EQ(boundary, 1);
    EXPECT_EQ(std::count(reports.begin(), reports.end(), QTime(13, 0, 5)), 1);
    for (const QTime& t : reports)
        EXPECT_TRUE((t > QTime(9, 30) && t < QTime(11, 30)) || (t > QTime(13, 0) && t < QTime(15, 0)))
            << qPrintable(t.toString());
}

// Marks k·N for k ≥ 1 below 240 minutes: 23, 11, 7 and 3 of them; 15:00 itself is not a report.
INSTANTIATE_TEST_SUITE_P(
    Intervals, ReportCadenceTest,
    ::testing::Values(CadenceCase{"Every10", 10, 23, QTime(9, 40), QTime(14, 50)},
                      CadenceCase{"Every20", 20, 11, QTime(9, 50), QTime(14, 40)},
                      CadenceCase{"Every30", 30, 7, QTime(10, 0), QTime(14, 30)},
                      CadenceCase{"Every60", 60, 3, QTime(10, 30), QTime(14, 0)}),
    testsupport::CaseName());

TEST(ReportScheduleTest, TheMarksOfASixtyMinuteDay)
{
    EXPECT_EQ(reportsOfDay(thursday, 60),
              (std::vector<QTime>{QTime(10, 30), QTime(13, 0, 5), QTime(14, 0)}));
}

TEST(ReportScheduleTest, NothingAtTheWeekend)
{
    for (int minutes : {10, 20, 30, 60})
        EXPECT_TRUE(reportsOfDay(saturday, minutes).empty()) << minutes;
    EXPECT_TRUE(reportsOfDay(saturday.addDays(1), 10).empty());
}

TEST(ReportScheduleTest, OnlyTheSettingsWindowsIntervals)
{
    for (int minutes : {0, 5, 15, 45, 120, -10})
        EXPECT_TRUE(reportsOfDay(thursday, minutes).empty()) << minutes;
    EXPECT_EQ(alerts::reportIntervalOf(QStringLiteral("30")), 30);
    EXPECT_FALSE(alerts::reportIntervalOf(QStringLiteral("25")).has_value());
    EXPECT_FALSE(alerts::reportIntervalOf(QStringLiteral("abc")).has_value());
    EXPECT_FALSE(alerts::reportIntervalOf(QString()).has_value());
}

// The time of day of a tick that runs the given milliseconds into its second.
app::DayTime tickAt(int hour, int minute, int second, int msec = 0)
{
    return app::dayTimeOf(QDateTime(QDate(2026, 12, 10), QTime(hour, minute, second, msec)));
}

TEST(ReportScheduleTest, TradingTimeCountsTheMorningThenTheAfternoonInWholeSeconds)
{
    for (int msec : {0, 999}) {
        EXPECT_FALSE(alerts::tradingSecondsAt(tickAt(9, 30, 0, msec)).has_value()) << msec;
        EXPECT_EQ(alerts::tradingSecondsAt(tickAt(9, 30, 1, msec)), 1) << msec;
        EXPECT_EQ(alerts::tradingSecondsAt(tickAt(11, 29, 59, msec)), 120 * 60 - 1) << msec;
        EXPECT_FALSE(alerts::tradingSecondsAt(tickAt(11, 30, 0, msec)).has_value()) << msec;
        EXPECT_FALSE(alerts::tradingSecondsAt(tickAt(12, 15, 0, msec)).has_value()) << msec;
        EXPECT_FALSE(alerts::tradingSecondsAt(tickAt(13, 0, 0, msec)).has_value()) << msec;
        EXPECT_EQ(alerts::tradingSecondsAt(tickAt(13, 0, 1, msec)), 120 * 60 + 1) << msec;
        EXPECT_FALSE(alerts::tradingSecondsAt(tickAt(15, 0, 0, msec)).has_value()) << msec;
        EXPECT_EQ(alerts::reportMarkAt(tickAt(10, 29, 59, msec), 60), 0) << msec;
        EXPECT_EQ(alerts::reportMarkAt(tickAt(10, 30, 0, msec), 60), 1) << msec;
    }
    EXPECT_EQ(alerts::reportMarkAt(tickAt(13, 0, 5), 30), 4);
}

TEST(ReportScheduleTest, AFreshClockTakesItsBearingsFirst)
{
    // A copy that arrives at 10:47 gets its first ten-minute report at 10:50, not at once.
    alerts::ReportStep step = alerts::stepReport({}, QDateTime(thursday, QTime(10, 47)), 10);
    EXPECT_FALSE(step.due);
    step = alerts::stepReport(step.clock, QDateTime(thursday, QTime(10, 49, 55)), 10);
    EXPECT_FALSE(step.due);
    step = alerts::stepReport(step.clock, QDateTime(thursday, QTime(10, 50)), 10);
    EXPECT_TRUE(step.due);
}

TEST(ReportScheduleTest, AClockKeptOverNightStartsTheDayAtMarkZero)
{
    alerts::ReportClock evening{thursday, 23};
    // The server was down over the first ticks: the first one at 9:41 still reports 9:40.
    const alerts::ReportStep step = alerts::stepReport(evening, QDateTime(thursday.addDays(1), QTime(9, 41)), 10);
    EXPECT_TRUE(step.due);
    EXPECT_EQ(step.clock, (alerts::ReportClock{thursday.addDays(1), 1}));
}

TEST(ReportScheduleTest, AReportNotMadeIsDueAgainAtTheNextTick)
{
    // The caller keeps the old clock when the quote could not be fetched.
    const alerts::ReportClock before{thursday, 0};
    const alerts::ReportStep first = alerts::stepReport(before, QDateTime(thursday, QTime(9, 40, 2)), 10);
    ASSERT_TRUE(first.due);
    const alerts::ReportStep retry = alerts::stepReport(before, QDateTime(thursday, QTime(9, 40, 7)), 10);
    EXPECT_TRUE(retry.due);
    const alerts::ReportStep after = alerts::stepReport(first.clock, QDateTime(thursday, QTime(9, 40, 7)), 10);
    EXPECT_FALSE(after.due);
}

} // namespace
