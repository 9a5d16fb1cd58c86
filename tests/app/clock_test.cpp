#include "app/clock.h"

#include <gtest/gtest.h>

namespace {

struct WeekdayCase {
    QDate date;
    const char* name;
    bool weekend;
};

class WeekdayNameTest : public ::testing::TestWithParam<WeekdayCase> {};

TEST_P(WeekdayNameTest, NamesTheDayAndKnowsTheWeekend)
{
    app::Clock clock;
    clock.freezeAt(QDateTime(GetParam().date, QTime(20, 0)));
    EXPECT_EQ(app::weekdayName(clock), QString::fromUtf8(GetParam().name));
    EXPECT_EQ(app::isWeekend(clock), GetParam().weekend);
}

INSTANTIATE_TEST_SUITE_P(AllSevenDays, WeekdayNameTest,
                         ::testing::Values(WeekdayCase{QDate(2026, 12, 6), "星期天", true},
                                           WeekdayCase{QDate(2026, 12, 7), "星期一", false},
                                           WeekdayCase{QDate(2026, 12, 8), "星期二", false},
                                           WeekdayCase{QDate(2026, 12, 9), "星期三", false},
                                           WeekdayCase{QDate(2026, 12, 10), "星期四", false},
                                           WeekdayCase{QDate(2026, 12, 11), "星期五", false},
                                           WeekdayCase{QDate(2026, 12, 12), "星期六", true}));

TEST(ClockTest, FrozenClockStepsExactlyAndDecodesIntoFields)
{
    app::Clock clock;
    clock.freezeAt(QDateTime(QDate(2026, 12, 10), QTime(9, 59, 59, 999)));
    clock.advance(1);
    const app::ClockFields f = app::decodeNow(clock);
    EXPECT_EQ(f.year, 2026);
    EXPECT_EQ(f.month, 12);
    EXPECT_EQ(f.day, 10);
    EXPECT_EQ(f.hour, 10);
    EXPECT_EQ(f.minute, 0);
    EXPECT_EQ(f.second, 0);
    EXPECT_EQ(f.msec, 0);
}

TEST(ClockTest, StartedClockRunsOnFromTheGivenInstant)
{
    app::Clock clock;
    const QDateTime at(QDate(2026, 12, 12), QTime(20, 0));
    clock.startAt(at);
    const qint64 drift = at.msecsTo(clock.now());
    EXPECT_GE(drift, 0);
    EXPECT_LT(drift, 5000);
    EXPECT_EQ(app::weekdayName(clock), QStringLiteral("星期六"));
}

} // namespace
