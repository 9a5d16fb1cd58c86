#include "clifixture.h"
#include "support/namedcase.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

TEST_F(CliTest, QuotePrintsEveryFieldTheAlertRowAndThePanelTexts)
{
    const CliRun r = run(withConfig({u"quote"_qs, u"600036"_qs}));
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    const QJsonArray fields = r.json[u"fields"_qs].toArray();
    ASSERT_EQ(fields.size(), 18);
    EXPECT_EQ(fields[0].toString(), u"var quote=\"1"_qs);
    EXPECT_EQ(fields[2].toString(), u"招商银行"_qs);
    const QJsonArray row = r.json[u"alertQuoteTable"_qs].toArray();
    ASSERT_EQ(row.size(), 16);
    EXPECT_EQ(row[12].toString(), u"12.60"_qs);
    const QJsonObject panel = r.json[u"quotePanel"_qs].toObject();
    EXPECT_EQ(panel[u"Label29"_qs].toObject()[u"text"_qs].toString(), u"卖盘↓ 35手"_qs);
    EXPECT_EQ(panel[u"Label2"_qs].toObject()[u"colour"_qs].toString(), u"#008000"_qs);
}

TEST_F(CliTest, IndexPrintsBothLinesAndDirections)
{
    const CliRun r = run(withConfig({u"index"_qs}));
    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    const QJsonObject sh = r.json[u"shanghai"_qs].toObject();
    EXPECT_EQ(sh[u"line"_qs].toString(), u"上证：3051.23  跌-12.34↓ 成交124亿"_qs);
    EXPECT_EQ(sh[u"direction"_qs].toString(), u"down"_qs);
    const QJsonObject sz = r.json[u"shenzhen"_qs].toObject();
    EXPECT_EQ(sz[u"line"_qs].toString(), u"深成：10234.50  涨56.70↑ 成交122亿"_qs);
    EXPECT_EQ(sz[u"direction"_qs].toString(), u"up"_qs);
}

TEST_F(CliTest, StatusAndLookup)
{
    const CliRun status = run(withConfig({u"status"_qs}));
    ASSERT_EQ(status.exitCode, 0) << status.standardError.toStdString();
    EXPECT_EQ(status.json[u"runStatus"_qs].toString(), u"8"_qs);
    EXPECT_EQ(status.json[u"noticeUrl"_qs].toString(), u"http://s/notice"_qs);
    EXPECT_FALSE(status.json[u"programEnds"_qs].toBool());

    const CliRun lookup = run(withConfig({u"lookup"_qs, u"600036"_qs}));
    ASSERT_EQ(lookup.exitCode, 0);
    EXPECT_EQ(lookup.json[u"code"_qs].toString(), u"600036"_qs);
    EXPECT_EQ(lookup.json[u"currentName"_qs].toString(), u"招商银行"_qs);
}

// The same command at two moments: --at is the clock of every command.
TEST_F(CliTest, GatesFollowTheMomentGivenWithAt)
{
    const auto runs = [this](const char* at) {
        const CliRun r = run(withConfig({u"--at"_qs, QString::fromLatin1(at), u"gates"_qs}));
        EXPECT_EQ(r.exitCode, 0) << r.standardError.toStdString();
        QList<bool> open;
        for (const QJsonValue& gate : r.json[u"gates"_qs].toArray())
            open << gate[u"runs"_qs].toBool();
        return std::pair{r.json, open};
    };
    const auto [thursday, thursdayGates] = runs("2026-12-10 10:00:00");
    EXPECT_EQ(thursday[u"now"_qs].toString(), u"2026-12-10 10:00:00"_qs);
    EXPECT_EQ(thursday[u"weekday"_qs].toString(), u"星期四"_qs);
    // Weekend quote panel, off-hours quotes, quote panel refresh, index refresh; the engine on
    // a weekday, its morning and afternoon sessions, the opening, midday and closing broadcast
    // minutes; the service's phone reports.
    EXPECT_EQ(thursdayGates, (QList<bool>{false, false, true, true, true, true, false, false,
                                          false, false, true}));

    const auto [saturday, saturdayGates] = runs("2026-12-12 20:00:00");
    EXPECT_EQ(saturday[u"weekday"_qs].toString(), u"星期六"_qs);
    EXPECT_EQ(saturdayGates, (QList<bool>{true, true, false, true, false, false, false, false,
                                          false, false, false}));

    // The closed second 13:00:00 stays closed while the clock runs on into it.
    const auto [one, oneGates] = runs("2026-12-09 13:00:00");
    EXPECT_FALSE(oneGates.value(5) || oneGates.value(6));
}

struct ExitCase {
    const char* name;
    QStringList arguments;
    bool unreachable;
    int exitCode;
    const char* standardError;
};

class CliExitTest : public CliTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(CliExitTest, FailuresAndBadUsageExitWithTheirCodes)
{
    if (GetParam().unreachable)
        writeConfig(u"http://127.0.0.1:1"_qs);
    const CliRun r = run(withConfig(GetParam().arguments));
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << GetParam().name;
    EXPECT_TRUE(r.standardError.contains(QString::fromUtf8(GetParam().standardError)))
        << GetParam().name << ": " << r.standardError.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliExitTest,
    ::testing::Values(
        ExitCase{"lookup offline", {u"lookup"_qs, u"600036"_qs}, true, 2, "网络错误,请稍后再试。"},
        ExitCase{"status offline", {u"status"_qs}, true, 2, "当前有故障"},
        ExitCase{"quote offline", {u"quote"_qs, u"600036"_qs}, true, 2, ""},
        ExitCase{"five digits", {u"lookup"_qs, u"60003"_qs}, false, 2, "必须输入六位股票代码!"},
        ExitCase{"not a Shanghai or Shenzhen code", {u"lookup"_qs, u"900001"_qs}, false, 2,
                 "必须输入沪深股票及创业板代码"},
        ExitCase{"unknown code", {u"lookup"_qs, u"600999"_qs}, false, 2, "您输入的股票不存在,请重新输入！"},
        ExitCase{"gates takes nothing", {u"gates"_qs, u"now"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"unknown command", {u"frobnicate"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"missing code", {u"quote"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"bad --at", {u"--at"_qs, u"yesterday"_qs, u"index"_qs}, false, 64, "usage:"}));

} // namespace
