// The texts the service sends to a phone, built from the engine's own popups and broadcasts.
#include "alerts/phonemessages.h"
#include "alerts/watchedits.h"

#include "alerts/alertengine.h"
#include "quotes/alertquotetable.h"
#include "store/watchlist.h"

#include <gtest/gtest.h>

namespace {

const QDate thursday(2026, 12, 10);

quotes::QuoteRow row(const QString& code, const QString& name, const QString& percent,
                     const QString& change, const QString& lastLots = QStringLiteral("84"),
                     const QString& bidLots = QStringLiteral("179"))
{
    return quotes::QuoteRow({QStringLiteral("var q=\"1"), code, name, QStringLiteral("30.47"), percent, change,
                             QStringLiteral("30.46"), bidLots, QStringLiteral("30.47"), QStringLiteral("2586"),
                             QStringLiteral("325795"), QStringLiteral("98956.18"), QStringLiteral("30.39"),
                             QStringLiteral("x"), QStringLiteral("30.55"), QStringLiteral("30.14"), lastLots,
                             lastLots});
}

store::WatchList watching(const QStringList& codes, const QString& flags)
{
    store::WatchList watch;
    for (const QString& code : codes) {
        alerts::appendStock(watch, code, code);
        watch.watchFlags.last() = flags;
    }
    return watch;
}

TEST(PhoneMessagesTest, EachPopupOfATickIsOneMessageNamingItsStock)
{
    const store::WatchList watch = watching({QStringLiteral("600036"), QStringLiteral("000001")},
                                            QStringLiteral("1111"));
    alerts::AlertState state;
    state.resetStocks(2);
    const QDateTime now(thursday, QTime(10, 30, 5));
    const alerts::PlannedTick planned = alerts::planTick(watch, true, state, now);
    quotes::AlertQuoteTable table;
    ASSERT_TRUE(table.append(row(QStringLiteral("600036"), QStringLiteral("招商银行"), QStringLiteral("9.50%"),
                                 QStringLiteral("2.80"))));
    ASSERT_TRUE(table.append(row(QStringLiteral("000001"), QStringLiteral("平安银行"), QStringLiteral("-6.20%"),
                                 QStringLiteral("-0.70"), QStringLiteral("1200"), QStringLiteral("12000"))));
    const alerts::EvaluatedTick evaluated = alerts::evaluateTick(planned.plan, table, watch, planned.state, now);
    const std::vector<alerts::PhoneMessage> messages = alerts::messagesOfTick(evaluated.events, table);
    ASSERT_EQ(messages.size(), evaluated.events.size());
    // 600036: limit up (its orders no longer count), rise; 000001: big trade, big orders at the
    // bid and at the ask, fall.
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[0].kind, QStringLiteral("limit"));
    EXPECT_EQ(messages[0].stock, QStringLiteral("600036"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("【岚拓股票】注意:招商银行(600036) 股价接近涨停或已涨停，最新价:30.47 涨:2.80元 幅度:9.50% ↑ 成交量:325795手"));
    EXPECT_EQ(messages[1].kind, QStringLiteral("riseFall"));
    EXPECT_EQ(messages[1].stock, QStringLiteral("600036"));
    EXPECT_EQ(messages[2].kind, QStringLiteral("bigTrade"));
    EXPECT_EQ(messages[2].stock, QStringLiteral("000001"));
    EXPECT_TRUE(messages[2].text.contains(QStringLiteral("在10:30:05有1200手大买单成交")));
    EXPECT_EQ(messages[3].kind, QStringLiteral("bigOrder"));
    EXPECT_EQ(messages[3].stock, QStringLiteral("000001"));
    EXPECT_TRUE(messages[3].text.contains(QStringLiteral("在买①出现12000手买单")));
    EXPECT_EQ(messages[4].kind, QStringLiteral("bigOrder"));
    EXPECT_EQ(messages[4].stock, QStringLiteral("000001"));
    EXPECT_EQ(messages[5].kind, QStringLiteral("riseFall"));
    EXPECT_EQ(messages[5].stock, QStringLiteral("000001"));
    EXPECT_TRUE(messages[5].text.contains(QStringLiteral("跌幅超过-6.20%，最新价:30.47 跌:-0.70元")));
}

TEST(PhoneMessagesTest, ABroadcastGivesOneMessagePerRowWithItsTitle)
{
    alerts::Broadcast broadcast{QStringLiteral("现在(09:30:00)播报开盘价"), QStringLiteral("开盘价"),
                                {{1, QStringLiteral("招商银行(600036)"), QStringLiteral("30.39"), QStringLiteral("0.85%↑"),
                                  QStringLiteral("1199")},
                                 {2, QStringLiteral("平安银行(000001)"), QStringLiteral("11.02"), QStringLiteral("-0.27%↓"),
                                  QStringLiteral("3310")}}};
    quotes::AlertQuoteTable table;
    ASSERT_TRUE(table.append(row(QStringLiteral("600036"), QStringLiteral("招商银行"), QStringLiteral("0.85%"), QStringLiteral("0.26"))));
    ASSERT_TRUE(table.append(row(QStringLiteral("000001"), QStringLiteral("平安银行"), QStringLiteral("-0.27%"), QStringLiteral("-0.03"))));
    const auto messages = alerts::messagesOfTick({broadcast}, table);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0],
              (alerts::PhoneMessage{QStringLiteral("600036"), QStringLiteral("broadcast"),
                                    QStringLiteral("【岚拓股票】现在(09:30:00)播报开盘价：招商银行(600036) 开盘价:30.39 涨跌幅:0.85%↑ 成交量:1199手")}));
    EXPECT_EQ(messages[1].stock, QStringLiteral("000001"));
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("平安银行(000001) 开盘价:11.02 涨跌幅:-0.27%↓")));
    EXPECT_TRUE(alerts::messagesOfTick({alerts::Broadcast{}}, table).empty()) << "no stock, no message";
}

TEST(PhoneMessagesTest, AReportStatesThePriceAndItsInterval)
{
    const auto up = alerts::reportMessage(row(QStringLiteral("600036"), QStringLiteral("招商银行"), QStringLiteral("0.85%"),
                                              QStringLiteral("0.26")),
                                          30, QDateTime(thursday, QTime(10, 0, 3)));
    EXPECT_EQ(up.stock, QStringLiteral("600036"));
    EXPECT_EQ(up.kind, QStringLiteral("report"));
    EXPECT_EQ(up.text, QStringLiteral("【岚拓股票】招商银行(600036) 10:00:03 最新价:30.47 涨:0.26元 幅度:0.85%↑ 成交量:325795手（每30分钟报价）"));
    const auto down = alerts::reportMessage(row(QStringLiteral("000001"), QStringLiteral("平安银行"), QStringLiteral("-1.10%"),
                                                QStringLiteral("-0.12")),
                                            10, QDateTime(thursday, QTime(13, 0, 5)));
    EXPECT_TRUE(down.text.contains(QStringLiteral(" 跌:-0.12元 幅度:-1.10%↓")));
}

TEST(PhoneMessagesTest, TheInvitationCarriesTheServicesName)
{
    const auto invite = alerts::invitationMessage(QStringLiteral("13812345678"));
    EXPECT_EQ(invite.kind, QStringLiteral("invite"));
    EXPECT_TRUE(invite.stock.isEmpty());
    EXPECT_TRUE(invite.text.contains(QStringLiteral("岚拓股票")));
    EXPECT_TRUE(invite.text.contains(QStringLiteral("13812345678")));
}

} // namespace

namespace {

TEST(PhoneMessagesTest, AMessageIsOneLineOfBoundedLengthWhateverTheFeedSent)
{
    const quotes::QuoteRow hostile({QStringLiteral("var q=\"1"), QStringLiteral("600036"),
                                    QStringLiteral("招商\n银行\r\x7f") + QString(2000, u'x'), QStringLiteral("1"),
                                    QStringLiteral("1%"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("1")});
    const auto message = alerts::reportMessage(hostile, 10, QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    EXPECT_FALSE(message.text.contains(u'\n'));
    EXPECT_FALSE(message.text.contains(u'\r'));
    EXPECT_TRUE(message.text.startsWith(QStringLiteral("【岚拓股票】招商 银行  ")));
    EXPECT_EQ(message.text.size(), 500);
}

} // namespace
