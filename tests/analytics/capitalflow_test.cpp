// The capital-flow window's data: the rows cut out of the page and what the window shows of them.
#include "analytics/capitalflow.h"
#include "fixturepage.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::CapitalFlowView;
using analytics::FlowRows;
using analyticstest::fixturePage;
using testsupport::PrintTo;

TEST(CapitalFlowAddressTest, PagePathAndMinuteChartByMarket)
{
    EXPECT_EQ(analytics::capitalFlowPath(u"600036"_s), u"/now-600036.html"_s);
    EXPECT_EQ(analytics::minuteChartPath(u"600036"_s), u"/newchart/min/n/sh600036.gif"_s);
    EXPECT_EQ(analytics::minuteChartPath(u"000001"_s), u"/newchart/min/n/sz000001.gif"_s);
    EXPECT_EQ(analytics::minuteChartPath(u"300750"_s), u"/newchart/min/n/sz300750.gif"_s);
}

TEST(CapitalFlowPageTest, RowsOfThePageAsTheSiteSendsIt)
{
    const FlowRows rows = analytics::readCapitalFlowPage(fixturePage(u"capitalflow/now-600036.html"_s));
    EXPECT_EQ(rows.times, (QStringList{u"09:35:00"_s, u"10:15:00"_s, u"12:10:00"_s}));
    EXPECT_EQ(rows.values[0], (QStringList{u"-120"_s, u"-20"_s, u"5"_s}));
    // The second row's 中户 cell holds no tag.
    EXPECT_EQ(rows.values[1], (QStringList{u"30"_s, u"0"_s, u"5"_s}));
    EXPECT_EQ(rows.values[2], (QStringList{u"30"_s, u"10"_s, u"5"_s}));
    EXPECT_EQ(rows.values[3], (QStringList{u"-400"_s, u"200"_s, u"5"_s}));
}

const QString rowStart = u"<tr onMouseOut=\"out()\">"_s;

QString timeCell(const QString& text)
{
    return u"<td nowrap=\"nowrap\">"_s + text + u"</td>"_s;
}

QString valueCell(const QString& text)
{
    return u"<td align=\"right\" nowrap=\"nowrap\">"_s + text + u"</td>"_s;
}

QString font(const QString& figure)
{
    return u"<font color=\"red\">"_s + figure + u"</font>"_s;
}

QString row(const QString& time, const QStringList& figures)
{
    QString text = rowStart + timeCell(time) + valueCell(u"12.30"_s);
    for (const QString& figure : figures)
        text += valueCell(font(figure));
    return text + u"</tr>"_s;
}

struct PageCase {
    const char* name;
    QString page;
    QStringList times;
    QStringList retail;
    QStringList main;
};

class CapitalFlowPageWalkTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(CapitalFlowPageWalkTest, CutsTimesAndFigures)
{
    const PageCase& c = GetParam();
    const FlowRows rows = analytics::readCapitalFlowPage(c.page);
    EXPECT_EQ(rows.times, c.times);
    EXPECT_EQ(rows.values[0], c.retail);
    EXPECT_EQ(rows.values[3], c.main);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CapitalFlowPageWalkTest,
    ::testing::Values(
        PageCase{"TheLastTwoCharactersOfTheTimeCellAreDropped",
                 row(u"2024-05-10 09:35:00&n"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}),
                 {u"09:35:00"_s}, {u"1"_s}, {u"4"_s}},
        PageCase{"EveryBlankStartsATime", row(u"a 10:00:00 11:00:00xx"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}),
                 {u"10:00:00 11:00:00"_s, u"11:00:00"_s}, {u"1"_s}, {u"4"_s}},
        PageCase{"ATimeCellWithoutBlankGivesNoTime", row(u"10:00:00xx"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}),
                 {}, {u"1"_s}, {u"4"_s}},
        PageCase{"CellsOutsideARowAreNotRead",
                 timeCell(u"d 09:00:00xx"_s) + valueCell(font(u"7"_s)).repeated(5)
                     + row(u"d 10:01:00xx"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}),
                 {u"10:01:00"_s}, {u"1"_s}, {u"4"_s}},
        PageCase{"AfterTheFifthCellTheRowIsOver",
                 row(u"d 10:01:00xx"_s, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"99"_s})
                     + timeCell(u"d 10:02:00xx"_s),
                 {u"10:01:00"_s}, {u"1"_s}, {u"4"_s}},
        PageCase{"TheFigureIsTheTextBeforeTheFirstFontEnd",
                 rowStart + timeCell(u"d 10:01:00xx"_s) + valueCell(u"x"_s)
                     + valueCell(u"<a href=\"/f\"><font color=\"green\">-15</font></a>"_s)
                     + valueCell(u"--"_s).repeated(2) + valueCell(u"<b>8</font>9</font>"_s),
                 {u"10:01:00"_s}, {u"-15"_s}, {u"8"_s}},
        PageCase{"APageWithoutRows", u"<html><body>暂无数据</body></html>"_s, {}, {}, {}}),
    testsupport::CaseName());

FlowRows rowsOf(const std::vector<std::pair<QString, std::array<int, 4>>>& table)
{
    FlowRows rows;
    for (const auto& [time, figures] : table) {
        rows.times << time;
        for (int c = 0; c < 4; ++c)
            rows.values[std::size_t(c)] << QString::number(figures[std::size_t(c)]);
    }
    return rows;
}

struct LinesCase {
    const char* name;
    std::array<int, 4> totals;
    QString inflow;
    QString outflow;
};

class CapitalFlowLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CapitalFlowLinesTest, TheClassesWithTheLargestFlows)
{
    const LinesCase& c = GetParam();
    const auto view = analytics::capitalFlowView(rowsOf({{u"10:15:00"_s, c.totals}}));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->inflowLine, c.inflow);
    EXPECT_EQ(view->outflowLine, c.outflow);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, CapitalFlowLinesTest,
    ::testing::Values(
        LinesCase{"ATieKeepsTheEarlierClass", {-120, 30, 30, -400},
                  u"资金流入最多的是【中户】净流入:30手"_s, u"资金流出最多的是【主力】净流出:-400手"_s},
        LinesCase{"AllZero", {0, 0, 0, 0}, u"目前没有资金净流入"_s, u"目前没有资金净流出"_s},
        LinesCase{"RetailLeadsAndNobodySells", {50, 10, 0, 50}, u"资金流入最多的是【散户】净流入:50手"_s,
                  u"目前没有资金净流出"_s},
        LinesCase{"EveryoneSells", {-5, -1, -9, -2}, u"目前没有资金净流入"_s,
                  u"资金流出最多的是【大户】净流出:-9手"_s},
        LinesCase{"TheMainForceBuys", {1, 2, 3, 40}, u"资金流入最多的是【主力】净流入:40手"_s,
                  u"目前没有资金净流出"_s}),
    testsupport::CaseName());

TEST(CapitalFlowViewTest, OneRowBeforeTenGivesTheBlueNotice)
{
    const auto early = analytics::capitalFlowView(rowsOf({{u"09:35:00"_s, {}}, {u"10:15:00"_s, {}}}));
    ASSERT_TRUE(early);
    EXPECT_EQ(early->notice, u"所有数据来自互联网，据此操作后果自负"_s);
    EXPECT_EQ(early->noticeColour, (quotes::Colour{0, 0, 255}));

    const auto late = analytics::capitalFlowView(rowsOf({{u"10:15:00"_s, {}}, {u"13:05:00"_s, {}}}));
    ASSERT_TRUE(late);
    EXPECT_EQ(late->notice, u"因统计服务器问题，今日数据可能不准确"_s);
    EXPECT_EQ(late->noticeColour, quotes::riseRed);

    const auto none = analytics::capitalFlowView({});
    ASSERT_TRUE(none);
    EXPECT_EQ(none->notice, u"因统计服务器问题，今日数据可能不准确"_s);
}

TEST(CapitalFlowViewTest, SlotsStartAtOneAndTakeTheirRows)
{
    const auto view = analytics::capitalFlowView(rowsOf({
        {u"09:31:00"_s, {1, 2, 3, 4}},
        {u"10:00:00"_s, {10, 10, 10, 10}},   // slot 1, bound included
        {u"10:00:01"_s, {-5, 0, 0, 0}},      // slot 2
        {u"11:50:00"_s, {0, 0, 7, 0}},       // slot 4
        {u"11:50:01"_s, {100, 0, 0, 0}},     // no slot
        {u"12:10:00"_s, {0, 100, 0, 0}},     // no slot
        {u"13:00:00"_s, {0, 0, 100, 0}},     // no slot
        {u"13:00:01"_s, {0, 0, 0, -20}},     // slot 5
        {u"15:30:00"_s, {3, 0, 0, 0}},       // slot 8
        {u"15:30:01"_s, {0, 0, 0, 100}},     // no slot
    }));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->totals, (std::array<qint64, 4>{109, 112, 120, 94}));
    using Sums = std::array<qint64, 4>;
    EXPECT_EQ(view->slotSums, (std::array<Sums, 8>{Sums{12, 13, 14, 24}, Sums{-4, 1, 1, 1}, Sums{1, 1, 1, 1},
                                                  Sums{1, 1, 8, 1}, Sums{1, 1, 1, -19}, Sums{1, 1, 1, 1},
                                                  Sums{1, 1, 1, 1}, Sums{4, 1, 1, 1}}));
}

TEST(CapitalFlowViewTest, EmptySlotsShowOneAndTheMainForceTenInTheFirst)
{
    const auto view = analytics::capitalFlowView(rowsOf({{u"12:10:00"_s, {5, 5, 5, 5}}}));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->totals, (std::array<qint64, 4>{5, 5, 5, 5}));
    EXPECT_EQ(view->slotSums[0], (std::array<qint64, 4>{1, 1, 1, 10}));
    for (std::size_t slot = 1; slot < 8; ++slot)
        EXPECT_EQ(view->slotSums[slot], (std::array<qint64, 4>{1, 1, 1, 1}));
}

TEST(CapitalFlowViewTest, TheFixturePage)
{
    const auto view = analytics::capitalFlowView(
        analytics::readCapitalFlowPage(fixturePage(u"capitalflow/now-600036.html"_s)));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->totals, (std::array<qint64, 4>{-135, 35, 45, -195}));
    EXPECT_EQ(view->inflowLine, u"资金流入最多的是【大户】净流入:45手"_s);
    EXPECT_EQ(view->outflowLine, u"资金流出最多的是【主力】净流出:-195手"_s);
    EXPECT_EQ(view->slotSums[0], (std::array<qint64, 4>{-119, 31, 31, -390}));
}

struct BrokenCase {
    const char* name;
    FlowRows rows;
};

class CapitalFlowBrokenTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(CapitalFlowBrokenTest, GivesNothing)
{
    EXPECT_FALSE(analytics::capitalFlowView(GetParam().rows));
}

FlowRows withValue(int column, const QString& value)
{
    FlowRows rows = rowsOf({{u"10:15:00"_s, {1, 2, 3, 4}}});
    rows.values[std::size_t(column)][0] = value;
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CapitalFlowBrokenTest,
    ::testing::Values(
        BrokenCase{"AnHourWithoutLeadingZero", rowsOf({{u"9:35:00"_s, {}}})},
        BrokenCase{"ATimeThatIsNoTime", rowsOf({{u"10:15:00"_s, {}}, {u"收盘"_s, {}}})},
        BrokenCase{"ATimeWithSecondsMissing", rowsOf({{u"10:15"_s, {}}})},
        BrokenCase{"AFigureWithAFraction", withValue(2, u"1.5"_s)},
        BrokenCase{"AnEmptyFigure", withValue(3, QString())},
        BrokenCase{"MoreTimesThanFigures", [] {
                       FlowRows rows = rowsOf({{u"10:15:00"_s, {}}});
                       rows.times << u"10:16:00"_s;
                       return rows;
                   }()}),
    testsupport::CaseName());

} // namespace
