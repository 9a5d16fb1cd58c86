// Today's big-order pie: each slice named and coloured by its class's colour code.
#include "analytics/bigorderpie.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::PieChart;
using analytics::PieSlice;
using testsupport::PrintTo;

const QDate day(2024, 5, 6);

PieChart pieOf(const QStringList& values, const QStringList& colours)
{
    return analytics::bigOrderPie(values, colours, u"招商银行"_s, u"600036"_s, day);
}

TEST(BigOrderPieTest, TheTitleCarriesTheStockAndTheShortDate)
{
    EXPECT_EQ(pieOf({}, {}).title, u"招商银行(600036)今日(2024-5-6)大单进出成交分布图"_s);
}

TEST(BigOrderPieTest, EveryClassByItsCode)
{
    const PieChart pie = pieOf({u"12"_s, u"8"_s, u"30"_s, u"10"_s, u"15"_s, u"5"_s, u"12"_s, u"8"_s},
                               {u"#FF6666"_s, u"#FF3333"_s, u"#CC3333"_s, u"#990000"_s, u"#99FF00"_s,
                                u"#00CC33"_s, u"#009966"_s, u"#336600"_s});
    const std::vector<PieSlice> slices = {
        {12, u"单笔买入50万以下(12%)"_s, {255, 0, 17}},  {8, u"单笔买入50-200万(8%)"_s, {255, 0, 68}},
        {30, u"单笔买入200-500万(30%)"_s, {255, 0, 136}}, {10, u"单笔买入500万以上(10%)"_s, {255, 0, 153}},
        {15, u"单笔卖出50万以下(15%)"_s, {0, 128, 0}},    {5, u"单笔卖出50-200万(5%)"_s, {0, 128, 51}},
        {12, u"单笔卖出200-500万(12%)"_s, {0, 128, 102}}, {8, u"单笔卖出500万以上(8%)"_s, {0, 128, 136}},
    };
    EXPECT_EQ(pie.slices, slices);
    EXPECT_TRUE(pie.complete);
}

struct UnknownCase {
    const char* name;
    QStringList colours;
    std::vector<PieSlice> slices;
};

class BigOrderPieUnknownCodeTest : public ::testing::TestWithParam<UnknownCase> {};

TEST_P(BigOrderPieUnknownCodeTest, TakesTheSliceBefore)
{
    EXPECT_EQ(pieOf({u"40"_s, u"60"_s}, GetParam().colours).slices, GetParam().slices);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BigOrderPieUnknownCodeTest,
    ::testing::Values(
        UnknownCase{"LowerCaseHexMatchesNothing", {u"#99FF00"_s, u"#ff6666"_s},
                    {{40, u"单笔卖出50万以下(40%)"_s, {0, 128, 0}}, {60, u"单笔卖出50万以下(60%)"_s, {0, 128, 0}}}},
        UnknownCase{"AFirstUnknownCodeIsNamelessAndGrey", {u"FF6666"_s, u"#FF6666"_s},
                    {{40, u"(40%)"_s, {128, 128, 128}}, {60, u"单笔买入50万以下(60%)"_s, {255, 0, 17}}}},
        UnknownCase{"TwoUnknownCodesInARow", {u""_s, u"#FF66660"_s},
                    {{40, u"(40%)"_s, {128, 128, 128}}, {60, u"(60%)"_s, {128, 128, 128}}}}),
    testsupport::CaseName());

TEST(BigOrderPieTest, TheLabelKeepsTheValueAsThePageGaveIt)
{
    const PieChart pie = pieOf({u"007"_s}, {u"#990000"_s});
    ASSERT_EQ(pie.slices.size(), 1u);
    EXPECT_EQ(pie.slices[0].value, 7);
    EXPECT_EQ(pie.slices[0].label, u"单笔买入500万以上(007%)"_s);
}

TEST(BigOrderPieTest, AValueThatIsNoIntegerOrHasNoColourEndsThePie)
{
    const PieChart badValue = pieOf({u"40"_s, u"x"_s, u"20"_s}, {u"#FF6666"_s, u"#FF3333"_s, u"#CC3333"_s});
    EXPECT_EQ(badValue.slices.size(), 1u);
    EXPECT_FALSE(badValue.complete);

    const PieChart noColour = pieOf({u"40"_s, u"60"_s}, {u"#FF6666"_s});
    EXPECT_EQ(noColour.slices.size(), 1u);
    EXPECT_FALSE(noColour.complete);
}

} // namespace
