// Each own-service path and each simulated page, read the way the client reads it, on a server
// clock frozen in the morning session of a Thursday.
#include "app/servicestatus.h"
#include "info/digestrecord.h"
#include "info/stockpick.h"
#include "net/serviceenvelope.h"
#include "quotes/indexquotes.h"
#include "quotes/quoterow.h"
#include "server/rawclient.h"
#include "server/servicetestkit.h"
#include "video/channellist.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using servertest::SharedServer;

class ServicePathsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SharedServer::startShared({QStringLiteral("--market"), QStringLiteral("--at"),
                                   QStringLiteral("2026-12-10 10:30:00"), QStringLiteral("--frozen")});
    }
    static void TearDownTestSuite() { SharedServer::stopShared(); }

    static QString url(const QString& path) { return SharedServer::server().url(path); }
    static QString base() { return SharedServer::server().base(); }
    static QString page(const QString& path) { return servertest::fetchPage(url(path)); }
    static void admin(const QStringList& arguments)
    {
        QByteArray output;
        ASSERT_EQ(servertest::ServerProcess::admin(SharedServer::dataDir(), arguments, &output), 0)
            << output.constData();
    }
};

TEST_F(ServicePathsTest, StatusGivesRunAndTheNoticePageOfThisServer)
{
    const app::ServiceStatus status = app::parseServiceStatus(page(QStringLiteral("/gplogin.asp")));
    EXPECT_EQ(status.startStatus, QStringLiteral("1"));
    EXPECT_EQ(status.runStatus, QStringLiteral("8"));
    EXPECT_EQ(status.pageUrl, base() + QStringLiteral("/download.html"));
    EXPECT_EQ(status.noticeUrl, base() + QStringLiteral("/notice.html"));
    EXPECT_TRUE(servertest::fetchPage(status.noticeUrl).contains(QStringLiteral("欢迎使用")));
    EXPECT_NO_THROW(servertest::fetchPage(status.pageUrl));
}

TEST_F(ServicePathsTest, OperatorSwitchesStatusAndAddresses)
{
    admin({QStringLiteral("status"), QStringLiteral("--start"), QStringLiteral("2"),
           QStringLiteral("--run"), QStringLiteral("7"), QStringLiteral("--page"),
           QStringLiteral("http://example.test/new.html")});
    const app::ServiceStatus status = app::parseServiceStatus(page(QStringLiteral("/gplogin.asp")));
    admin({QStringLiteral("status"), QStringLiteral("--start"), QStringLiteral("1"),
           QStringLiteral("--run"), QStringLiteral("8"), QStringLiteral("--page"),
           QStringLiteral("{base}/download.html")});
    EXPECT_EQ(status.startStatus, QStringLiteral("2"));
    EXPECT_EQ(status.runStatus, QStringLiteral("7"));
    EXPECT_EQ(status.pageUrl, QStringLiteral("http://example.test/new.html"));
    EXPECT_EQ(status.noticeUrl, base() + QStringLiteral("/notice.html"));
}

TEST_F(ServicePathsTest, OperatorRefusesAStatusThatWouldBreakTheReply)
{
    for (const QStringList& bad : {QStringList{QStringLiteral("--start"), QStringLiteral("&")},
                                   QStringList{QStringLiteral("--run"), QStringLiteral("88")},
                                   QStringList{QStringLiteral("--page"), QStringLiteral("http://a/x&2y")},
                                   QStringList{QStringLiteral("--notice-url"), QStringLiteral("javascript:alert(1)")}}) {
        EXPECT_EQ(servertest::ServerProcess::admin(SharedServer::dataDir(),
                                                   QStringList{QStringLiteral("status")} + bad),
                  2)
            << qPrintable(bad.join(' '));
    }
    EXPECT_EQ(app::parseServiceStatus(page(QStringLiteral("/gplogin.asp"))).runStatus,
              QStringLiteral("8"));
}

TEST_F(ServicePathsTest, OperatorRefusesWhatTheClientWouldReadChanged)
{
    const QString before = page(QStringLiteral("/gpgetnews.asp")) + page(QStringLiteral("/gp1gettvdata.asp"))
                         + page(QStringLiteral("/gpsfjgshow.asp?userid=1"));
    const QStringList refused[] = {
        {QStringLiteral("digest"), QStringLiteral("--text"), QStringLiteral("  前面有空格"), QStringLiteral("--title"), QStringLiteral("t")},
        {QStringLiteral("pick"), QStringLiteral("--code"), QStringLiteral("600036"), QStringLiteral("--time"), QStringLiteral("10:30:00 ")},
        // The 18th character "'" goes out as "&", which makes the mark "&2" with the 19th.
        {QStringLiteral("channel-add"), QStringLiteral("--caption"), QStringLiteral("坏"), QStringLiteral("--address"),
         QStringLiteral("http://host.test/'2x/more"), QStringLiteral("--category"), QStringLiteral("2"),
         QStringLiteral("--group"), QStringLiteral("22"), QStringLiteral("--level"), QStringLiteral("0")},
    };
    for (const QStringList& arguments : refused)
        EXPECT_EQ(servertest::ServerProcess::admin(SharedServer::dataDir(), arguments), 2) << qPrintable(arguments.join(u' '));
    EXPECT_EQ(page(QStringLiteral("/gpgetnews.asp")) + page(QStringLiteral("/gp1gettvdata.asp"))
                  + page(QStringLiteral("/gpsfjgshow.asp?userid=1")),
              before);
}

TEST_F(ServicePathsTest, OnlineCountIsANumberBetweenTheMarkers)
{
    const QString payload = net::envelopePayload(page(QStringLiteral("/gpreadall.asp"))).value();
    bool isNumber = false;
    EXPECT_GE(payload.trimmed().toInt(&isNumber), 1);
    EXPECT_TRUE(isNumber) << qPrintable(payload);
}

TEST_F(ServicePathsTest, StartCountAnswers)
{
    const int first = net::envelopePayload(page(QStringLiteral("/gpall.asp"))).value().toInt();
    const int second = net::envelopePayload(page(QStringLiteral("/gpall.asp"))).value().toInt();
    EXPECT_EQ(second, first + 1);
}

TEST_F(ServicePathsTest, DigestIsTheLatestPublishedRecord)
{
    const info::DigestRecord seeded = info::parseDigestRecord(page(QStringLiteral("/gpgetnews.asp")));
    EXPECT_FALSE(seeded.text.isEmpty());
    EXPECT_FALSE(seeded.title.isEmpty());

    admin({QStringLiteral("digest"), QStringLiteral("--text"), QStringLiteral("午间两市小幅震荡，成交温和。"),
           QStringLiteral("--title"), QStringLiteral("午间快评"), QStringLiteral("--extra3"), QStringLiteral("2026-12-10"),
           QStringLiteral("--extra4"), QStringLiteral("11:35:00")});
    EXPECT_EQ(info::parseDigestRecord(page(QStringLiteral("/gpgetnews.asp"))),
              (info::DigestRecord{QStringLiteral("午间两市小幅震荡，成交温和。"), QStringLiteral("午间快评"),
                                  QStringLiteral("2026-12-10"), QStringLiteral("11:35:00")}));
    EXPECT_TRUE(page(QStringLiteral("/nwes.asp")).contains(QStringLiteral("午间快评")));
}

TEST_F(ServicePathsTest, SelectedStocksEndWithTheNewPick)
{
    const QString path = QStringLiteral("/gpsfjgshow.asp?userid=4711");
    std::vector<info::StockPick> picks = info::parseStockPicks(page(path));
    ASSERT_FALSE(picks.empty()) << "the first content lists picks";
    admin({QStringLiteral("pick"), QStringLiteral("--code"), QStringLiteral("300750"),
           QStringLiteral("--date"), QStringLiteral("2024-5-10"), QStringLiteral("--time"), QStringLiteral("10:30:00")});
    EXPECT_EQ(info::mergeStockPicks(picks, info::parseStockPicks(page(path))), 1);
    EXPECT_EQ(picks.back(), (info::StockPick{QStringLiteral("300750"), QStringLiteral("宁德时代"),
                                             QStringLiteral("2024-5-10"), QStringLiteral("10:30:00")}));
}

TEST_F(ServicePathsTest, ChannelListHasCategoriesEntriesAndAGroupWithAddressesOfThisServer)
{
    const video::ChannelRecords channels = video::parseChannelList(page(QStringLiteral("/gp1gettvdata.asp")));
    int categories = 0;
    int groupItems = 0;
    int addresses = 0;
    for (int i = 0; i < channels.size(); ++i) {
        if (channels.categories[i] == QLatin1String("0"))
            ++categories;
        else if (channels.levels[i] != QLatin1String("0") && !channels.addresses[i].isEmpty())
            ++groupItems;
        if (channels.addresses[i].isEmpty())
            continue;
        ++addresses;
        // Longer than 18 characters: the client gets the whole address back.
        EXPECT_TRUE(channels.addresses[i].startsWith(base() + QStringLiteral("/tv/"))) << qPrintable(channels.addresses[i]);
    }
    EXPECT_EQ(categories, 2);
    EXPECT_EQ(groupItems, 2);
    EXPECT_GE(addresses, 4);
}

TEST_F(ServicePathsTest, OperatorPublishesTheNoticeAndChannels)
{
    admin({QStringLiteral("notice"), QStringLiteral("--text"), QStringLiteral("今晚22点维护<一小时>")});
    EXPECT_TRUE(page(QStringLiteral("/notice.html")).contains(QStringLiteral("今晚22点维护&lt;一小时&gt;")));

    admin({QStringLiteral("channel-add"), QStringLiteral("--caption"), QStringLiteral("证券频道"),
           QStringLiteral("--address"), QStringLiteral("{base}/tv/securities"), QStringLiteral("--category"),
           QStringLiteral("2"), QStringLiteral("--group"), QStringLiteral("22"), QStringLiteral("--level"), QStringLiteral("0")});
    const video::ChannelRecords channels = video::parseChannelList(page(QStringLiteral("/gp1gettvdata.asp")));
    ASSERT_GT(channels.size(), 0);
    EXPECT_EQ(channels.at(channels.size() - 1),
              (video::ChannelRecord{QStringLiteral("证券频道"), base() + QStringLiteral("/tv/securities"),
                                    QStringLiteral("2"), QStringLiteral("22"), QStringLiteral("0")}));
    EXPECT_EQ(servertest::ServerProcess::admin(SharedServer::dataDir(),
                                               {QStringLiteral("channel-add"), QStringLiteral("--caption"), QStringLiteral("x"),
                                                QStringLiteral("--address"), QStringLiteral("file:///etc/passwd"),
                                                QStringLiteral("--category"), QStringLiteral("2"), QStringLiteral("--group"),
                                                QStringLiteral("22"), QStringLiteral("--level"), QStringLiteral("0")}),
              2);
}

TEST_F(ServicePathsTest, StockPageShowsTheStockFromTheMarket)
{
    const QString stock = page(QStringLiteral("/gpgetstock.asp?name=000001"));
    EXPECT_TRUE(stock.contains(QStringLiteral("平安银行(000001)")));
    EXPECT_TRUE(stock.contains(QStringLiteral("交易中"))) << "10:30 is inside the morning session";
    EXPECT_TRUE(stock.contains(QStringLiteral("<table")));
    const auto unknown = servertest::rawRequest(SharedServer::server().port(),
                                                servertest::plainGet("/gpgetstock.asp?name=999999"));
    EXPECT_EQ(unknown.status, 404);
}

TEST_F(ServicePathsTest, BrowserPagesAreGbkPages)
{
    for (const char* path : {"/gpcgad.html", "/nwes.asp", "/jg.asp", "/fault.html", "/author.html",
                             "/download.html", "/notice.html"}) {
        QString text;
        EXPECT_NO_THROW(text = page(QString::fromLatin1(path))) << path;
        EXPECT_TRUE(text.contains(QStringLiteral("</body>"))) << path;
    }
}

TEST_F(ServicePathsTest, QuoteFeedGivesEighteenFieldsInAWrapperWithoutCommas)
{
    const quotes::QuoteRow row = quotes::QuoteRow::parse(servertest::fetchPage(
        url(QStringLiteral("/EM_Quote2007/optional.aspx?type=z&fav=000001&hick=zhou")), true));
    ASSERT_TRUE(row.complete());
    EXPECT_EQ(row.field(2), QStringLiteral("000001"));
    EXPECT_EQ(row.field(3), QStringLiteral("平安银行"));
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    for (int field : {4, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18})
        EXPECT_TRUE(number.match(row.field(field)).hasMatch()) << field << qPrintable(row.field(field));
    EXPECT_TRUE(row.field(5) == QLatin1String("0") || row.field(5).endsWith(QLatin1Char('%')));
}

TEST_F(ServicePathsTest, QuoteFeedGivesFewerThanThreeFieldsForAnUnknownCode)
{
    for (const char* code : {"999999", "12345", "abcdef", ""}) {
        const quotes::QuoteRow row = quotes::QuoteRow::parse(servertest::fetchPage(
            url(QStringLiteral("/EM_Quote2007/optional.aspx?type=z&fav=%1&hick=zhou").arg(QLatin1String(code))), true));
        EXPECT_FALSE(row.has(3)) << code;
    }
}

TEST_F(ServicePathsTest, IndexPageFillsBothIndexLines)
{
    quotes::IndexBox box;
    quotes::applyIndexPage(servertest::fetchPage(
                               url(QStringLiteral("/EM_Quote2007/default.aspx?type=fs&stk=6000361")), true),
                           box);
    ASSERT_TRUE(box.shanghai.line.has_value());
    ASSERT_TRUE(box.shenzhen.line.has_value());
    EXPECT_TRUE(box.shanghai.line->startsWith(QStringLiteral("上证：")));
    EXPECT_TRUE(box.shenzhen.line->startsWith(QStringLiteral("深成：")));
    EXPECT_TRUE(box.shanghai.line->contains(QStringLiteral(" 成交")));
    EXPECT_GE(box.shanghai.fields.size(), 13);
}

} // namespace
