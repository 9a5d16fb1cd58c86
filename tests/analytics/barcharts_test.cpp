// What the two big-order bar charts of the main window show: the half-hour chart and the
// five-day chart.
#include "analytics/barcharts.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::BarChart;
using testsupport::PrintTo;

const QString name = u"浦发银行"_s;
const QString code = u"600000"_s;
const QString todayCaption = u"浦发银行(600000)今日每半小时大单成交分布图"_s;
const QString fiveDayCaption = u"浦发银行(600000)近5日大单成交分布图"_s;

struct HalfHourCase {
    const char* name;
    QStringList buy;
    QStringList sell;
    BarChart chart;
};

class HalfHourChartTest : public ::testing::TestWithParam<HalfHourCase> {};

TEST_P(HalfHourChartTest, BarsAndWindowLabels)
{
    const HalfHourCase& c = GetParam();
    EXPECT_EQ(analytics::halfHourChart(c.buy, c.sell, name, code), c.chart);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, HalfHourChartTest,
    ::testing::Values(
        HalfHourCase{"ThreeWindows", {u"12"_s, u"30"_s, u"7"_s}, {u"5"_s, u"40"_s, u"7"_s},
                     {todayCaption, {12, 30, 7}, {5, 40, 7}, {u"10:00"_s, u"10:30"_s, u"11:00"_s}, true}},
        HalfHourCase{"TheNinthBarKeepsItsValueAsLabel",
                     {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"90"_s},
                     {},
                     {todayCaption,
                      {1, 2, 3, 4, 5, 6, 7, 8, 90},
                      {},
                      {u"10:00"_s, u"10:30"_s, u"11:00"_s, u"11:30"_s, u"13:30"_s, u"14:00"_s,
                       u"14:30"_s, u"15:00"_s, u"90"_s},
                      true}},
        HalfHourCase{"ALongerSellListLabelsItsOwnPositions", {u"3"_s}, {u"1"_s, u"2"_s},
                     {todayCaption, {3}, {1, 2}, {u"10:00"_s, u"10:30"_s}, true}},
        HalfHourCase{"NoDataGivesTwoEmptySeriesUnderTheCaption", {}, {}, {todayCaption, {}, {}, {}, true}},
        // The bars before the item stay; the sell series is never reached.
        HalfHourCase{"AnItemThatIsNoIntegerEndsTheChart", {u"12"_s, u"3.5"_s, u"7"_s}, {u"5"_s},
                     {todayCaption, {12}, {}, {u"10:00"_s}, false}},
        HalfHourCase{"AnEmptyItemIsNoInteger", {u"12"_s}, {u""_s}, {todayCaption, {12}, {}, {u"10:00"_s}, false}}),
    testsupport::CaseName());

QStringList numbered(int count, int from = 0)
{
    QStringList items;
    for (int i = from; i < from + count; ++i)
        items << QString::number(i * 100);
    return items;
}

QStringList dayLabels(int count)
{
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << u"5月%1日"_s.arg(i + 1);
    return labels;
}

struct FiveDayCase {
    const char* name;
    int days;
    QString caption;
    std::vector<double> buy; // the bars shown, in lots
    QStringList labels;
};

class FiveDayChartTest : public ::testing::TestWithParam<FiveDayCase> {};

TEST_P(FiveDayChartTest, ShowsPositionsFiveOnOfAFullList)
{
    const FiveDayCase& c = GetParam();
    const BarChart chart = analytics::fiveDayChart(numbered(c.days), numbered(c.days, 1),
                                                   dayLabels(c.days), name, code);
    EXPECT_EQ(chart.caption, c.caption);
    EXPECT_EQ(chart.buy, c.buy);
    std::vector<double> sell;
    for (double lots : c.buy)
        sell.push_back(lots + 1);
    EXPECT_EQ(chart.sell, sell);
    EXPECT_EQ(chart.labels, c.labels);
    EXPECT_TRUE(chart.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Days, FiveDayChartTest,
    ::testing::Values(
        FiveDayCase{"TenDaysShowTheLastFive", 10, fiveDayCaption, {5, 6, 7, 8, 9},
                    {u"5月6日"_s, u"5月7日"_s, u"5月8日"_s, u"5月9日"_s, u"5月10日"_s}},
        FiveDayCase{"ThreeDaysShowAllUnderTheirCount", 3, u"浦发银行(600000)近3日大单成交分布图"_s,
                    {0, 1, 2}, {u"5月1日"_s, u"5月2日"_s, u"5月3日"_s}},
        FiveDayCase{"SevenDaysShowOnlyTheLastTwo", 7, fiveDayCaption, {5, 6}, {u"5月6日"_s, u"5月7日"_s}},
        FiveDayCase{"NoDays", 0, u"浦发银行(600000)近0日大单成交分布图"_s, {}, {}}),
    testsupport::CaseName());

TEST(FiveDayChartTest, SharesAreDrawnInLots)
{
    const BarChart chart =
        analytics::fiveDayChart({u"12345"_s}, {u"-250"_s}, {u"5月6日"_s}, name, code);
    EXPECT_EQ(chart.buy, std::vector<double>{123.45});
    EXPECT_EQ(chart.sell, std::vector<double>{-2.5});
}

TEST(FiveDayChartTest, AnItemOrLabelMissingEndsTheChartThere)
{
    const BarChart badItem = analytics::fiveDayChart({u"100"_s, u"x"_s}, {u"100"_s}, dayLabels(2), name, code);
    EXPECT_EQ(badItem.buy, std::vector<double>{1});
    EXPECT_TRUE(badItem.sell.empty());
    EXPECT_FALSE(badItem.complete);

    const BarChart shortLabels = analytics::fiveDayChart({u"100"_s, u"200"_s}, {u"300"_s}, dayLabels(1), name, code);
    EXPECT_EQ(shortLabels.buy, std::vector<double>{1});
    EXPECT_EQ(shortLabels.labels, QStringList{u"5月1日"_s});
    EXPECT_FALSE(shortLabels.complete);
}

} // namespace
