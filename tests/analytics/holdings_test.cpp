// The holdings reply: its lines read into labels and the two holdings, drawn last line first.
#include "analytics/holdings.h"
#include "fixturepage.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::HoldingsChart;
using analytics::HoldingsLists;
using analytics::HoldingsPoint;
using analyticstest::fixturePage;
using testsupport::PrintTo;

TEST(HoldingsTest, PathAndFailureCaption)
{
    EXPECT_EQ(analytics::holdingsPath(u"600036"_s),
              u"/Themes/2009/ccfx/LoadData.aspx?act=ccx&stockCode=600036"_s);
    EXPECT_EQ(analytics::holdingsFailedCaption(), u"获取数据失败"_s);
}

TEST(HoldingsTest, ThirtyLinesAreDrawnLastLineFirst)
{
    const HoldingsLists lists = analytics::readHoldings(fixturePage(u"holdings/ccx-600036.txt"_s));
    ASSERT_FALSE(lists.failed);
    ASSERT_EQ(lists.labels.size(), 30);
    EXPECT_EQ(lists.labels.first(), u"5"_s);
    EXPECT_EQ(lists.labels.last(), u"3"_s); // 3 April
    const HoldingsChart chart = analytics::holdingsChart(lists);
    EXPECT_TRUE(chart.complete);
    ASSERT_EQ(chart.mainForce.size(), 30u);
    ASSERT_EQ(chart.retail.size(), 30u);
    EXPECT_EQ(chart.mainForce.front(), (HoldingsPoint{42.9, u"3"_s}));
    EXPECT_EQ(chart.retail.front(), (HoldingsPoint{17.1, u"3"_s}));
    EXPECT_EQ(chart.mainForce.back(), (HoldingsPoint{40.0, u"5"_s}));
    EXPECT_EQ(chart.retail.back(), (HoldingsPoint{20.0, u"5"_s}));
}

struct ReadCase {
    const char* name;
    QString reply;
    HoldingsLists lists;
};

class HoldingsReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HoldingsReadTest, LinesIntoTheThreeLists)
{
    EXPECT_EQ(analytics::readHoldings(GetParam().reply), GetParam().lists);
}

const QString fifthOfMarch = u"2024-3-5 15:00:00,45.2,1,2,3,18.7\n"_s;

INSTANTIATE_TEST_SUITE_P(
    Replies, HoldingsReadTest,
    ::testing::Values(
        ReadCase{"TheFifthOfMarch", fifthOfMarch, {{u"5"_s}, {u"45.2"_s}, {u"18.7"_s}, false}},
        ReadCase{"CarriageReturnsBeforeTheLineFeedAreDropped",
                 u"2024-3-5 15:00:00,45.2,1,2,3,18.7\r\n2024-03-06 15:00:00,45.3,1,2,3,18.6\r\n"_s,
                 {{u"5"_s, u"6"_s}, {u"45.2"_s, u"45.3"_s}, {u"18.7"_s, u"18.6"_s}, false}},
        ReadCase{"WithoutAFinalLineFeedTheLastLineIsLost", fifthOfMarch + u"2024-3-6 15:00:00,45.3,1,2,3,18.6"_s,
                 {{u"5"_s}, {u"45.2"_s}, {u"18.7"_s}, false}},
        ReadCase{"AnEmptyReply", QString(), {}},
        ReadCase{"ALineWithoutACommaAddsNothing", u"暂无数据\n"_s + fifthOfMarch,
                 {{u"5"_s}, {u"45.2"_s}, {u"18.7"_s}, false}},
        ReadCase{"TheSixthFieldIsTheRestOfTheLine", u"2024-3-5 1:00:00,45.2,1,2,3,18.7,9\n"_s,
                 {{u"5"_s}, {u"45.2"_s}, {u"18.7,9"_s}, false}},
        ReadCase{"AShortLineGivesTheFieldsItCompleted", u"2024-3-5 1:00:00,45.2,1\n2024-3-6 1:00:00,45.3\n"_s,
                 {{u"5"_s, u"6"_s}, {u"45.2"_s}, {}, false}},
        ReadCase{"AFirstFieldWithoutBlankAddsNoLabel", u"2024-3-5,45.2,1,2,3,18.7\n"_s,
                 {{}, {u"45.2"_s}, {u"18.7"_s}, false}},
        ReadCase{"ADateThatDoesNotConvertEndsTheReading",
                 fifthOfMarch + u"2024-2-30 15:00:00,1,1,2,3,1\n"_s + fifthOfMarch,
                 {{u"5"_s}, {u"45.2"_s}, {u"18.7"_s}, true}}),
    testsupport::CaseName());

struct ChartCase {
    const char* name;
    HoldingsLists lists;
    std::vector<HoldingsPoint> mainForce;
    std::vector<HoldingsPoint> retail;
    bool complete;
};

class HoldingsChartTest : public ::testing::TestWithParam<ChartCase> {};

TEST_P(HoldingsChartTest, PointsUpToTheFirstFailure)
{
    const ChartCase& c = GetParam();
    const HoldingsChart chart = analytics::holdingsChart(c.lists);
    EXPECT_EQ(chart.mainForce, c.mainForce);
    EXPECT_EQ(chart.retail, c.retail);
    EXPECT_EQ(chart.complete, c.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, HoldingsChartTest,
    ::testing::Values(
        ChartCase{"TwoLines", {{u"5"_s, u"6"_s}, {u"45.2"_s, u"46"_s}, {u"18.7"_s, u"-1.5"_s}, false},
                  {{46, u"6"_s}, {45.2, u"5"_s}}, {{-1.5, u"6"_s}, {18.7, u"5"_s}}, true},
        ChartCase{"NoLinesGiveEmptySeries", {}, {}, {}, true},
        // A carriage return left in the sixth field would not convert.
        ChartCase{"ARetailValueThatIsNoNumber", {{u"5"_s, u"6"_s}, {u"1"_s, u"2"_s}, {u"3"_s, u"4\r"_s}, false},
                  {{2, u"6"_s}}, {}, false},
        ChartCase{"AMainForceValueThatIsNoNumber", {{u"5"_s, u"6"_s}, {u"1"_s, u"45,2"_s}, {u"3"_s, u"4"_s}, false},
                  {}, {}, false},
        ChartCase{"FewerLabelsThanValues", {{u"5"_s}, {u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}, false}, {}, {}, false},
        ChartCase{"FewerRetailValues", {{u"5"_s, u"6"_s}, {u"1"_s, u"2"_s}, {u"3"_s}, false},
                  {{2, u"6"_s}}, {}, false},
        ChartCase{"MoreLabelsThanValues", {{u"5"_s, u"6"_s}, {u"1"_s}, {u"3"_s}, false},
                  {{1, u"5"_s}}, {{3, u"5"_s}}, false}),
    testsupport::CaseName());

} // namespace
