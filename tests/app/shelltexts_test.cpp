#include "app/placement.h"
#include "app/shelltexts.h"

#include "app/clock.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DateCase {
    QDate date;
    const char* caption;
};

void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.date.toString(Qt::ISODate).toStdString();
}

class TodayCaptionTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(TodayCaptionTest, WritesTheDateWithoutLeadingZeros)
{
    app::Clock clock;
    clock.freezeAt(QDateTime(GetParam().date, QTime(23, 59, 59)));
    EXPECT_EQ(app::todayCaption(clock), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Dates, TodayCaptionTest,
                         ::testing::Values(DateCase{QDate(2010, 7, 21), "(今天是2010-7-21)"},
                                           DateCase{QDate(2026, 1, 5), "(今天是2026-1-5)"},
                                           DateCase{QDate(2026, 12, 31), "(今天是2026-12-31)"}));

struct CentreCase {
    QRect screen;
    QSize window;
    QPoint origin;
};

void PrintTo(const CentreCase& c, std::ostream* os)
{
    *os << c.window.width() << "x" << c.window.height() << " on " << c.screen.width() << "x"
        << c.screen.height();
}

class CentredOnTest : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CentredOnTest, HalvesTheSpareRoomRoundingTowardZero)
{
    EXPECT_EQ(app::centredOn(GetParam().screen, GetParam().window), GetParam().origin);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CentredOnTest,
    ::testing::Values(CentreCase{{0, 0, 1280, 800}, {931, 628}, {174, 86}},
                      CentreCase{{0, 0, 1024, 768}, {327, 153}, {348, 307}},
                      // Larger than the screen: -65.5 and -64.5 round toward zero.
                      CentreCase{{0, 0, 800, 500}, {931, 629}, {-65, -64}},
                      CentreCase{{1280, 0, 1920, 1080}, {931, 628}, {1280 + 494, 226}}));

} // namespace
