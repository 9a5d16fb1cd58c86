// lantuo-cli quote and index against the quote feed and index page in the test process.
#include "clifixture.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

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

} // namespace
