// lantuo-cli bigorder, flow, tenday, capflow and holdings against the sites' pages (GBK bytes
// from tests/fixtures) served in the test process.
#include "clifixture.h"
#include "support/namedcase.h"

#include <QFile>
#include <QJsonArray>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

const QString barPath = u"/stock/sh/600036/single-bar.htm"_qs;
const QString dayPath = u"/stock/sh/600036/single-barDay.htm"_qs;
const QString piePath = u"/stock/sh/600036/single-pie.htm"_qs;
const QString holdingsPath = u"/Themes/2009/ccfx/LoadData.aspx"_qs;
const QString capitalFlowPath = u"/now-600036.html"_qs;

QByteArray fixtureBytes(const QString& name)
{
    QFile file(QStringLiteral(LANTUO_FIXTURES_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CliAnalyticsTest : public CliTest {
protected:
    CliAnalyticsTest()
    {
        serveFixture(barPath, u"bigorder/single-bar.htm"_qs);
        serveFixture(dayPath, u"bigorder/single-barDay.htm"_qs);
        serveFixture(piePath, u"bigorder/single-pie.htm"_qs);
        serveFixture(holdingsPath, u"holdings/ccx-600036.txt"_qs);
        serveFixture(capitalFlowPath, u"capitalflow/now-600036.html"_qs);
    }

    void serveFixture(const QString& path, const QString& name)
    {
        server.serveBytes(path, fixtureBytes(name), "text/html; charset=gb2312");
    }

    CliRun runFor(const char* command, const QStringList& before = {})
    {
        return run(withConfig(before + QStringList{QString::fromLatin1(command), u"600036"_qs}));
    }
};

QStringList texts(const QJsonValue& array)
{
    QStringList list;
    for (const QJsonValue& item : array.toArray())
        list << item.toString();
    return list;
}

QList<double> numbers(const QJsonValue& array)
{
    QList<double> list;
    for (const QJsonValue& item : array.toArray())
        list << item.toDouble();
    return list;
}

TEST_F(CliAnalyticsTest, BigOrderPrintsTheListsAndBothCharts)
{
    const CliRun r = runFor("bigorder");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(r.json[u"currentName"_qs].toString(), u"招商银行"_qs);
    EXPECT_FALSE(r.json[u"noDataYet"_qs].toBool());
    EXPECT_EQ(texts(r.json[u"halfHourBuy"_qs]), (QStringList{u"100"_qs, u"50"_qs}));
    EXPECT_EQ(texts(r.json[u"halfHourSell"_qs]), (QStringList{u"20"_qs, u"80"_qs}));
    EXPECT_EQ(texts(r.json[u"dailyBuy"_qs]).size(), 10);
    EXPECT_EQ(texts(r.json[u"dailyLabels"_qs]).first(), u"4月25日"_qs);
    EXPECT_EQ(texts(r.json[u"pieValues"_qs]).size(), 8); // the first values= only
    EXPECT_EQ(texts(r.json[u"pieColours"_qs]).last(), u"#336600"_qs);

    const QJsonObject chart1 = r.json[u"Chart1"_qs].toObject();
    EXPECT_EQ(chart1[u"caption"_qs].toString(), u"招商银行(600036)今日每半小时大单成交分布图"_qs);
    EXPECT_EQ(numbers(chart1[u"buy"_qs]), (QList<double>{100, 50}));
    EXPECT_EQ(texts(chart1[u"labels"_qs]), (QStringList{u"10:00"_qs, u"10:30"_qs}));

    const QJsonObject chart2 = r.json[u"Chart2"_qs].toObject();
    EXPECT_EQ(chart2[u"caption"_qs].toString(), u"招商银行(600036)近5日大单成交分布图"_qs);
    EXPECT_EQ(numbers(chart2[u"buy"_qs]), (QList<double>{12, 3, 45, 0.6, 123.45}));
    EXPECT_EQ(numbers(chart2[u"sell"_qs]), (QList<double>{11, 2, 50, 0.4, 23.45}));
    EXPECT_EQ(texts(chart2[u"labels"_qs]),
              (QStringList{u"5月7日"_qs, u"5月8日"_qs, u"5月9日"_qs, u"5月10日"_qs, u"5月13日"_qs}));
    EXPECT_TRUE(chart2[u"complete"_qs].toBool());
}

TEST_F(CliAnalyticsTest, BigOrderBeforeTheFirstWindowHasNoDataYet)
{
    serveFixture(barPath, u"bigorder/single-bar-nodata.htm"_qs);
    const CliRun r = runFor("bigorder");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_TRUE(r.json[u"noDataYet"_qs].toBool());
    EXPECT_TRUE(r.json[u"halfHourBuy"_qs].toArray().isEmpty());
    EXPECT_TRUE(r.json[u"halfHourSell"_qs].toArray().isEmpty());
    EXPECT_TRUE(r.json[u"Chart1"_qs].isNull());
    EXPECT_EQ(r.json[u"Chart2"_qs][u"buy"_qs].toArray().size(), 5);
}

TEST_F(CliAnalyticsTest, FlowAnnouncesTheLatestWindowAtTheMomentGiven)
{
    const CliRun r = runFor("flow", {u"--at"_qs, u"2026-12-10 10:31:00"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    const QJsonObject totals = r.json[u"totals"_qs].toObject();
    EXPECT_EQ(totals[u"text"_qs].toString(), u"今日大单流入:150万股 大单流出:100万股 总计净流入50万股"_qs);
    EXPECT_EQ(totals[u"colour"_qs].toString(), u"#ff0000"_qs);
    const QJsonObject announcement = r.json[u"announcement"_qs].toObject();
    EXPECT_EQ(announcement[u"window"_qs].toInt(), 1);
    EXPECT_EQ(announcement[u"windowText"_qs].toString(), u"10:00-10:30"_qs);
    EXPECT_EQ(announcement[u"message"_qs].toString(), u"在 10:00-10:30 之间大单净流出30万股"_qs);
    EXPECT_FALSE(announcement[u"inflow"_qs].toBool());
    EXPECT_EQ(announcement[u"colour"_qs].toString(), u"#008000"_qs);
    EXPECT_EQ(announcement[u"stock"_qs].toString(), u"招商银行(600036)"_qs);

    for (const QString& closed : {u"2026-12-12 10:31:00"_qs, u"2026-12-10 09:59:59"_qs}) {
        const CliRun rest = runFor("flow", {u"--at"_qs, closed});
        ASSERT_EQ(rest.exitCode, 0) << rest.standardError.toStdString();
        EXPECT_TRUE(rest.json[u"totals"_qs].isNull()) << closed.toStdString();
        EXPECT_TRUE(rest.json[u"announcement"_qs].isNull()) << closed.toStdString();
    }
}

TEST_F(CliAnalyticsTest, TenDayPrintsTheTotalsTitleAndEveryDay)
{
    const CliRun r = runFor("tenday");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    const QJsonObject line = r.json[u"Label1"_qs].toObject();
    EXPECT_EQ(line[u"text"_qs].toString(), u"近10日 大单流入:335手  大单流出:113手  合计流入:222手"_qs);
    EXPECT_EQ(line[u"colour"_qs].toString(), u"#ff0000"_qs);
    const QJsonObject chart = r.json[u"Chart2"_qs].toObject();
    EXPECT_EQ(chart[u"caption"_qs].toString(), u"招商银行(600036)近10日大单成交分布图"_qs);
    EXPECT_EQ(numbers(chart[u"buy"_qs]).first(), 1.5);
    EXPECT_EQ(numbers(chart[u"sell"_qs]).size(), 10);
    EXPECT_EQ(texts(chart[u"labels"_qs]).size(), 10);
}

TEST_F(CliAnalyticsTest, CapitalFlowPrintsRowsTotalsLinesAndSlots)
{
    const CliRun r = runFor("capflow");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(texts(r.json[u"times"_qs]), (QStringList{u"09:35:00"_qs, u"10:15:00"_qs, u"12:10:00"_qs}));
    EXPECT_EQ(texts(r.json[u"medium"_qs]), (QStringList{u"30"_qs, u"0"_qs, u"5"_qs}));
    EXPECT_EQ(r.json[u"totals"_qs][u"main"_qs].toInt(), -195);
    EXPECT_EQ(r.json[u"Label8"_qs][u"text"_qs].toString(), u"所有数据来自互联网，据此操作后果自负"_qs);
    EXPECT_EQ(r.json[u"Label8"_qs][u"colour"_qs].toString(), u"#0000ff"_qs);
    EXPECT_EQ(r.json[u"Label9"_qs][u"text"_qs].toString(), u"资金流入最多的是【大户】净流入:45手"_qs);
    EXPECT_EQ(r.json[u"Label10"_qs][u"text"_qs].toString(), u"资金流出最多的是【主力】净流出:-195手"_qs);
    const QJsonArray slotBars = r.json[u"slots"_qs].toArray();
    ASSERT_EQ(slotBars.size(), 8);
    EXPECT_EQ(slotBars[0][u"retail"_qs].toInt(), -119);
    EXPECT_EQ(slotBars[0][u"main"_qs].toInt(), -390);
    EXPECT_EQ(slotBars[1][u"main"_qs].toInt(), 201);
    EXPECT_EQ(slotBars[7][u"main"_qs].toInt(), 1);
}

TEST_F(CliAnalyticsTest, HoldingsPrintBothLinesLastLineFirst)
{
    const CliRun r = runFor("holdings");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(r.json[u"GroupBox5"_qs].toString(), u"招商银行-最近30日主力散户持仓对比"_qs);
    const QStringList labels = texts(r.json[u"labels"_qs]);
    ASSERT_EQ(labels.size(), 30);
    EXPECT_EQ(labels.first(), u"3"_qs);
    EXPECT_EQ(labels.last(), u"5"_qs);
    EXPECT_EQ(numbers(r.json[u"mainForce"_qs]).first(), 42.9);
    EXPECT_EQ(numbers(r.json[u"retail"_qs]).last(), 20.0);
    EXPECT_TRUE(r.json[u"complete"_qs].toBool());
}

TEST_F(CliAnalyticsTest, HoldingsCutShortArePrintedAsFarAsTheyGot)
{
    server.serveGbk(holdingsPath, u"2024-3-5 15:00:00,45.2,1,2,3,18.7\n2024-3-6 15:00:00,45.3,1,2,3,约18\n"_qs);
    const CliRun r = runFor("holdings");
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(numbers(r.json[u"mainForce"_qs]), QList<double>{45.3});
    EXPECT_TRUE(r.json[u"retail"_qs].toArray().isEmpty());
    EXPECT_FALSE(r.json[u"complete"_qs].toBool());
    EXPECT_EQ(r.json[u"GroupBox5"_qs].toString(), u"获取数据失败"_qs);
}

struct FailureCase {
    const char* name;
    const char* command;
    QString path;              // the page that fails
    QByteArray body;           // its reply; empty: 404
    const char* standardError; // null: nothing at all
};

class CliAnalyticsFailureTest : public CliAnalyticsTest,
                                public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliAnalyticsFailureTest, ExitsTwoWithTheWindowsMessage)
{
    const FailureCase& c = GetParam();
    if (c.body.isEmpty())
        server.serveStatus(c.path, 404);
    else
        server.serveBytes(c.path, c.body);
    const CliRun r = runFor(c.command);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.standardOutput, QString());
    const QString expected = c.standardError ? QString::fromUtf8(c.standardError) + u'\n' : QString();
    EXPECT_EQ(r.standardError, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CliAnalyticsFailureTest,
    ::testing::Values(
        FailureCase{"BigOrderDailyPageMissing", "bigorder", dayPath, {}, nullptr},
        FailureCase{"FlowPageMissing", "flow", barPath, {}, nullptr},
        FailureCase{"TenDayPageMissing", "tenday", dayPath, {}, nullptr},
        FailureCase{"TenDaySellListShort", "tenday", dayPath, "values=100,200&values_2=100&x_labels=a,b&",
                    nullptr},
        FailureCase{"CapitalFlowPageMissing", "capflow", capitalFlowPath, {},
                    "查看数据时发生错误，请检查您的输入或者检查您的网络是否有错误"},
        FailureCase{"CapitalFlowTimeThatIsNoTime", "capflow", capitalFlowPath,
                    "<tr onMouseOut=\"out()\"><td nowrap=\"nowrap\">d 9:35:00xx</td>"
                    "<td align=\"right\" nowrap=\"nowrap\">1</td><td align=\"right\" nowrap=\"nowrap\">1</td>"
                    "<td align=\"right\" nowrap=\"nowrap\">1</td><td align=\"right\" nowrap=\"nowrap\">1</td>"
                    "<td align=\"right\" nowrap=\"nowrap\">1</td>",
                    "查看数据时发生错误，请检查您的输入或者检查您的网络是否有错误"},
        FailureCase{"HoldingsMissing", "holdings", holdingsPath, {}, "获取数据失败"},
        FailureCase{"HoldingsDateThatIsNoDate", "holdings", holdingsPath, "2024-2-30 15:00:00,1,1,2,3,1\n",
                    "获取数据失败"},
        FailureCase{"HoldingsNotGbk", "holdings", holdingsPath, "2024-3-5 15:00:00,1,1,2,3,1\n\xc4",
                    "获取数据失败"}),
    testsupport::CaseName());

struct StockCase {
    const char* name;
    const char* command;
    const char* code;
    const char* standardError;
};

class CliAnalyticsStockTest : public CliTest, public ::testing::WithParamInterface<StockCase> {};

// Each command takes the stock's name first: a code the feed does not know reads no page.
TEST_P(CliAnalyticsStockTest, AStockThatCannotBeLookedUpReadsNoPage)
{
    const CliRun r = run(withConfig({QString::fromLatin1(GetParam().command),
                                     QString::fromLatin1(GetParam().code)}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.standardError, QString::fromUtf8(GetParam().standardError) + u'\n');
    for (const testsupport::RecordedRequest& request : server.requests())
        EXPECT_EQ(request.path, u"/EM_Quote2007/optional.aspx"_qs);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CliAnalyticsStockTest,
    ::testing::Values(StockCase{"BigOrderUnknown", "bigorder", "600999", "您输入的股票不存在,请重新输入！"},
                      StockCase{"FlowUnknown", "flow", "600999", "您输入的股票不存在,请重新输入！"},
                      StockCase{"TenDayUnknown", "tenday", "600999", "您输入的股票不存在,请重新输入！"},
                      StockCase{"CapitalFlowFiveDigits", "capflow", "60003", "必须输入六位股票代码!"},
                      StockCase{"HoldingsNotShanghaiOrShenzhen", "holdings", "900001",
                                "必须输入沪深股票及创业板代码"}),
    testsupport::CaseName());

TEST_F(CliTest, AnUnreachableQuoteFeedIsTheLookupsNetworkError)
{
    writeConfig(u"http://127.0.0.1:1"_qs);
    const CliRun r = run(withConfig({u"capflow"_qs, u"600036"_qs}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.standardError, u"网络错误,请稍后再试。\n"_qs);
}

} // namespace
