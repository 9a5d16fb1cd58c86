// The ten-day window: the totals in whole lots, the title by the number of days, every day drawn.
#include "analytics/tendaychart.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using testsupport::PrintTo;

const QString name = u"平安银行"_s;
const QString code = u"000001"_s;

TEST(TenDayViewTest, EachItemLosesItsFractionBeforeTheTotal)
{
    const auto view = analytics::tenDayView({u"150"_s, u"99"_s}, {u"100"_s, u"250"_s},
                                            {u"5月9日"_s, u"5月10日"_s}, name, code);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->totalsLine, u"近10日 大单流入:1手  大单流出:3手  合计流出:-2手"_s);
    EXPECT_EQ(view->colour, quotes::fallGreen);
    EXPECT_EQ(view->chart.buy, (std::vector<double>{1.5, 0.99}));
    EXPECT_EQ(view->chart.sell, (std::vector<double>{1, 2.5}));
    EXPECT_EQ(view->chart.labels, (QStringList{u"5月9日"_s, u"5月10日"_s}));
    EXPECT_EQ(view->chart.caption, u"平安银行(000001)近2日大单成交分布图"_s);
    EXPECT_TRUE(view->chart.complete);
}

struct TotalsCase {
    const char* name;
    QStringList buy;
    QStringList sell;
    QString line;
    quotes::Colour colour;
};

class TenDayTotalsTest : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(TenDayTotalsTest, TheLineAndItsColour)
{
    const TotalsCase& c = GetParam();
    QStringList labels;
    for (qsizetype i = 0; i < c.sell.size(); ++i)
        labels << QString::number(i);
    const auto view = analytics::tenDayView(c.buy, c.sell, labels, name, code);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->totalsLine, c.line);
    EXPECT_EQ(view->colour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TenDayTotalsTest,
    ::testing::Values(
        TotalsCase{"InflowInRed", {u"1000"_s}, {u"250"_s},
                   u"近10日 大单流入:10手  大单流出:2手  合计流入:8手"_s, quotes::riseRed},
        TotalsCase{"EqualTotalsAreAnOutflowOfZero", {u"199"_s}, {u"100"_s},
                   u"近10日 大单流入:1手  大单流出:1手  合计流出:0手"_s, quotes::fallGreen},
        // The sell total runs over the buy list's positions; the extra day is drawn all the same.
        TotalsCase{"ALongerSellListCountsOnlyTheBuyPositions", {u"500"_s}, {u"100"_s, u"900"_s},
                   u"近10日 大单流入:5手  大单流出:1手  合计流入:4手"_s, quotes::riseRed},
        TotalsCase{"FractionsOfNegativeItemsGoTowardZero", {u"-150"_s}, {u"0"_s},
                   u"近10日 大单流入:-1手  大单流出:0手  合计流出:-1手"_s, quotes::fallGreen},
        TotalsCase{"NoDays", {}, {}, u"近10日 大单流入:0手  大单流出:0手  合计流出:0手"_s,
                   quotes::fallGreen}),
    testsupport::CaseName());

TEST(TenDayViewTest, TheTitleNamesTheDaysDelivered)
{
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QString::number(i * 100);
    const auto full = analytics::tenDayView(ten, ten, ten, name, code);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->chart.caption, u"平安银行(000001)近10日大单成交分布图"_s);
    EXPECT_EQ(full->chart.buy.size(), 10u);

    const QStringList seven = ten.mid(0, 7);
    const auto part = analytics::tenDayView(seven, seven, seven, name, code);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->chart.caption, u"平安银行(000001)近7日大单成交分布图"_s);

    const auto none = analytics::tenDayView({}, {}, {}, name, code);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->chart.caption, u"平安银行(000001)近0日大单成交分布图"_s);
    EXPECT_TRUE(none->chart.buy.empty() && none->chart.sell.empty());
}

struct RefusedCase {
    const char* name;
    QStringList buy;
    QStringList sell;
    QStringList labels;
};

class TenDayRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(TenDayRefusedTest, TheWindowDoesNotOpen)
{
    const RefusedCase& c = GetParam();
    EXPECT_FALSE(analytics::tenDayView(c.buy, c.sell, c.labels, name, code));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TenDayRefusedTest,
    ::testing::Values(
        RefusedCase{"ASellListShorterThanTheBuyList", {u"100"_s, u"200"_s}, {u"100"_s}, {u"a"_s, u"b"_s}},
        RefusedCase{"ABuyItemThatIsNoInteger", {u"1e3"_s}, {u"100"_s}, {u"a"_s}},
        RefusedCase{"ASellItemBeyondTheBuyListThatIsNoInteger", {u"100"_s}, {u"100"_s, u""_s},
                    {u"a"_s, u"b"_s}},
        RefusedCase{"ADayWithoutLabel", {u"100"_s, u"200"_s}, {u"100"_s, u"200"_s}, {u"a"_s}}),
    testsupport::CaseName());

} // namespace
