// The service evaluates every remote-on phone's stored copy with the client's engine, on the
// simulated market of 2026-12-10 (a Thursday): the three broadcasts, the busy spell's events
// around 10:30 with their holds, the third wave's reports, one fetch per stock and round.
#include "market/marketmodel.h"
#include "market/quotefeedpage.h"
#include "market/stockcatalog.h"
#include "server/phonekit.h"
#include "server/servicetestkit.h"
#include "support/httpfixture.h"
#include "support/namedcase.h"
#include "support/rawhttpserver.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using testsupport::PrintTo;
using servertest::InProcessServer;
using servertest::kindsOf;
using servertest::Watched;
using service::OutboxEntry;

const QDate thursday(2026, 12, 10);
const QDate saturday(2026, 12, 12);
const QString phoneA = QStringLiteral("13800000001");
const QString phoneB = QStringLiteral("13800000002");

QDateTime at(int hour, int minute, int second = 0, QDate day = thursday)
{
    return QDateTime(day, QTime(hour, minute, second));
}

std::vector<OutboxEntry> ofKind(const std::vector<OutboxEntry>& entries, const QString& kind)
{
    std::vector<OutboxEntry> found;
    for (const OutboxEntry& e : entries) {
        if (e.message.kind == kind)
            found.push_back(e);
    }
    return found;
}

// The first second from `from` on at which some stock of the market prints 1000 手 or more.
QDateTime nextBlockPrint(const QDateTime& from)
{
    static app::Clock clock;
    const market::MarketModel model(1, clock);
    for (QDateTime t = from; t < from.addSecs(1200); t = t.addSecs(1)) {
        for (const market::StockInfo& info : market::StockCatalog::stocks()) {
            if (model.quoteAt(info.code, t)->lastLots >= 1000)
                return t;
        }
    }
    return {};
}

const Watched zhaoshang{QStringLiteral("600036"), QStringLiteral("招商银行")};
const Watched pingan{QStringLiteral("000001"), QStringLiteral("平安银行")};

class PhoneAlertsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.started()); }

    // A phone registered and saved with delivery on; its invitation is taken off the outbox.
    void watch(const QString& sn, const std::vector<Watched>& stocks)
    {
        server.client().registerPhone(sn);
        server.client().save(sn, stocks);
        server.newMessages();
    }

    InProcessServer server;
};

TEST_F(PhoneAlertsTest, TheOpeningBroadcastComesOnceWithOneMessagePerBroadcastStock)
{
    Watched notBroadcast{QStringLiteral("600519"), QStringLiteral("贵州茅台")};
    notBroadcast.broadcast = false;
    watch(phoneA, {zhaoshang, pingan, notBroadcast});

    const auto round = server.roundAt(at(9, 30));
    EXPECT_EQ(round.phones, 1);
    EXPECT_EQ(round.codes, 2) << "a broadcast asks only for its stocks";
    const auto messages = server.newMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(kindsOf(messages), (QStringList{QStringLiteral("broadcast"), QStringLiteral("broadcast")}));
    EXPECT_EQ(messages[0].message.phone, phoneA);
    EXPECT_EQ(messages[0].message.stock, QStringLiteral("600036"));
    EXPECT_EQ(messages[1].message.stock, QStringLiteral("000001"));
    EXPECT_TRUE(messages[0].message.text.startsWith(
        QStringLiteral("【岚拓股票】现在(09:30:00)播报开盘价：招商银行(600036) 开盘价:")))
        << qPrintable(messages[0].message.text);
    EXPECT_EQ(messages[0].createdAt, QStringLiteral("2026-12-10 09:30:00"));
    EXPECT_TRUE(messages[0].deliveredAt.isEmpty()) << "no webhook: the messages wait";

    server.roundAt(at(9, 30, 5));
    EXPECT_TRUE(server.newMessages().empty()) << "one opening broadcast a day";
}

TEST_F(PhoneAlertsTest, TheBusySpellGivesEveryEventKindAndEachIsHeldBack)
{
    watch(phoneA, servertest::wholeMarket());
    // The first evaluation of the day falls in the spell: the price runs and the standing
    // orders show at once.
    std::set<QString> seen;
    server.roundAt(at(10, 30));
    std::vector<OutboxEntry> spell = server.newMessages();
    for (const OutboxEntry& e : spell)
        seen.insert(e.message.kind);
    for (const char* kind : {"limit", "riseFall", "bigOrder"})
        EXPECT_TRUE(seen.count(QString::fromLatin1(kind))) << kind;
    // A block trade is one second's print: the tick that lands on the spell's next print
    // reports it.
    const QDateTime print = nextBlockPrint(at(10, 30, 1));
    ASSERT_TRUE(print.isValid());
    server.roundAt(print);
    for (const OutboxEntry& e : server.newMessages()) {
        seen.insert(e.message.kind);
        spell.push_back(e);
    }
    for (const char* kind : {"limit", "riseFall", "bigTrade", "bigOrder"})
        EXPECT_TRUE(seen.count(QString::fromLatin1(kind))) << kind;
    EXPECT_EQ(seen.size(), 4u);
    for (const OutboxEntry& e : spell) {
        EXPECT_EQ(e.message.phone, phoneA);
        EXPECT_EQ(e.message.stock.size(), 6);
        EXPECT_TRUE(e.message.text.startsWith(QStringLiteral("【岚拓股票】注意:")));
        EXPECT_TRUE(e.message.text.contains(u'(' + e.message.stock + u')')) << qPrintable(e.message.text);
    }
}

TEST_F(PhoneAlertsTest, AnAlertIsHeldBackForAboutThreeHundredSecondsAndALimitAlertForTheDay)
{
    watch(phoneA, servertest::wholeMarket());
    server.roundAt(at(10, 29, 55));
    std::set<std::pair<QString, QString>> fired; // (stock, kind) up to 10:31
    for (const OutboxEntry& e : server.newMessages())
        fired.insert({e.message.stock, e.message.kind});
    for (int second = 0; second <= 60; second += 5) {
        server.roundAt(at(10, 30, second));
        for (const OutboxEntry& e : server.newMessages()) {
            EXPECT_FALSE(fired.count({e.message.stock, e.message.kind}))
                << "again within the hold: " << qPrintable(e.message.text);
            fired.insert({e.message.stock, e.message.kind});
        }
    }
    // Past the hold, the moves that still stand are reported again; the limits are not.
    std::set<std::pair<QString, QString>> again;
    for (int second = 0; second <= 60; second += 5) {
        server.roundAt(at(10, 35, second));
        for (const OutboxEntry& e : server.newMessages())
            again.insert({e.message.stock, e.message.kind});
    }
    int repeated = 0;
    for (const auto& pair : again) {
        EXPECT_NE(pair.second, QStringLiteral("limit")) << qPrintable(pair.first);
        repeated += fired.count(pair) > 0;
    }
    EXPECT_GT(repeated, 0) << "some held-back alert fires again after about 300 s";
}

TEST_F(PhoneAlertsTest, MiddayAndCloseBroadcastButNoEventOutsideTheSessions)
{
    watch(phoneA, servertest::wholeMarket());
    server.roundAt(at(9, 30));
    EXPECT_EQ(server.newMessages().size(), servertest::wholeMarket().size());

    for (const QDateTime& quiet : {at(11, 30), at(11, 32), at(13, 0), at(15, 0), at(15, 2)}) {
        const auto round = server.roundAt(quiet);
        EXPECT_EQ(round.codes, 0) << qPrintable(quiet.toString()) << ": outside the sessions nothing is fetched";
        EXPECT_TRUE(server.newMessages().empty()) << qPrintable(quiet.toString());
    }
    server.roundAt(at(11, 35));
    auto midday = server.newMessages();
    ASSERT_EQ(midday.size(), servertest::wholeMarket().size());
    EXPECT_TRUE(midday[0].message.text.contains(QStringLiteral("(11:35:00)播报午间收盘价："))) << qPrintable(midday[0].message.text);
    EXPECT_TRUE(midday[0].message.text.contains(QStringLiteral(" 收盘价:")));
    server.roundAt(at(11, 40));
    EXPECT_TRUE(server.newMessages().empty());

    server.roundAt(at(15, 3));
    const auto close = server.newMessages();
    ASSERT_EQ(close.size(), servertest::wholeMarket().size());
    EXPECT_TRUE(close.back().message.text.contains(QStringLiteral("(15:03:00)播报收盘价：")));
    EXPECT_EQ(ofKind(close, QStringLiteral("broadcast")).size(), close.size());
}

TEST_F(PhoneAlertsTest, NothingAtTheWeekend)
{
    Watched reported = zhaoshang;
    reported.reportMinutes = QStringLiteral("10");
    watch(phoneA, {reported, pingan});
    for (const QDateTime& moment : {at(9, 30, 0, saturday), at(10, 30, 0, saturday), at(10, 40, 0, saturday),
                                    at(15, 3, 0, saturday), at(10, 30, 0, saturday.addDays(1))}) {
        const auto round = server.roundAt(moment);
        EXPECT_EQ(round.codes, 0);
        EXPECT_TRUE(server.newMessages().empty()) << qPrintable(moment.toString());
    }
}

TEST_F(PhoneAlertsTest, APhoneWithDeliveryOffGetsNothing)
{
    watch(phoneA, {zhaoshang});
    server.client().registerPhone(phoneB);
    server.client().save(phoneB, {zhaoshang, pingan});
    server.client().save(phoneB, {}, false); // ycf=0: the copy stays, nothing is sent
    server.newMessages();

    const auto round = server.roundAt(at(9, 30));
    EXPECT_EQ(round.phones, 1);
    const auto messages = server.newMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message.phone, phoneA);
    server.roundAt(at(10, 30));
    for (const OutboxEntry& e : server.newMessages())
        EXPECT_NE(e.message.phone, phoneB);
}

TEST_F(PhoneAlertsTest, TwoPhonesWatchingOneStockCostOneFetch)
{
    watch(phoneA, {zhaoshang});
    watch(phoneB, {zhaoshang});
    const qint64 before = server.alerts().source().fetchCount();
    const auto round = server.roundAt(at(9, 30));
    EXPECT_EQ(round.phones, 2);
    EXPECT_EQ(round.codes, 1);
    EXPECT_EQ(server.alerts().source().fetchCount() - before, 1);
    const auto messages = server.newMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message.phone, phoneA);
    EXPECT_EQ(messages[1].message.phone, phoneB);
    EXPECT_EQ(messages[0].message.stock, messages[1].message.stock);
}

TEST_F(PhoneAlertsTest, ACodeTheQuotesDoNotKnowFailsOnlyItsOwnPhonesTick)
{
    // The client accepts any code its quote feed knows; this market has no 900901.
    watch(phoneA, {{QStringLiteral("900901"), QStringLiteral("云赛B股")}, zhaoshang});
    watch(phoneB, {zhaoshang});
    ASSERT_EQ(server.store().watchCopy(phoneA)->wave2.size(), 2u) << "the copy took the code";

    const auto round = server.roundAt(at(9, 30));
    EXPECT_EQ(round.phones, 2);
    EXPECT_EQ(round.failed, 1);
    EXPECT_EQ(round.evaluated, 1);
    const auto messages = server.newMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message.phone, phoneB);
    EXPECT_EQ(messages[0].message.stock, QStringLiteral("600036"));
}

TEST_F(PhoneAlertsTest, AReportEveryTenTradingMinutesAndTheLunchBoundaryOnce)
{
    Watched reported = pingan;
    reported.flags = QStringLiteral("0000");
    reported.broadcast = false;
    reported.reportMinutes = QStringLiteral("10");
    watch(phoneA, {reported});

    std::vector<QString> reportTimes;
    const auto roundsFrom = [&](QTime from, QTime to) {
        for (QTime t = from; t <= to; t = t.addSecs(5)) {
            server.roundAt(QDateTime(thursday, t));
            for (const OutboxEntry& e : server.newMessages()) {
                EXPECT_EQ(e.message.kind, QStringLiteral("report"));
                EXPECT_EQ(e.message.stock, QStringLiteral("000001"));
                EXPECT_TRUE(e.message.text.contains(QStringLiteral("平安银行(000001)")));
                EXPECT_TRUE(e.message.text.endsWith(QStringLiteral("（每10分钟报价）")));
                reportTimes.push_back(e.createdAt.mid(11));
            }
        }
    };
    roundsFrom(QTime(9, 29, 50), QTime(9, 50, 0));
    roundsFrom(QTime(11, 25, 0), QTime(13, 10, 0));
    EXPECT_EQ(reportTimes, (std::vector<QString>{QStringLiteral("09:40:00"), QStringLiteral("09:50:00"),
                                                 QStringLiteral("11:25:00"), QStringLiteral("13:00:05"),
                                                 QStringLiteral("13:10:00")}));
}

TEST_F(PhoneAlertsTest, ASavedCopyStartsAfreshLikeTheClientAfterASave)
{
    watch(phoneA, servertest::wholeMarket());
    server.roundAt(at(10, 30));
    const auto first = ofKind(server.newMessages(), QStringLiteral("limit"));
    server.roundAt(at(10, 30, 5));
    EXPECT_TRUE(ofKind(server.newMessages(), QStringLiteral("limit")).empty());
    server.client().save(phoneA, servertest::wholeMarket());
    server.roundAt(at(10, 30, 10));
    const auto again = ofKind(server.newMessages(), QStringLiteral("limit"));
    EXPECT_FALSE(again.empty()) << "the save re-armed the limit alerts";
    EXPECT_GE(again.size(), first.size());
    // The day's opening broadcast stays done, as in the client.
    server.client().save(phoneA, servertest::wholeMarket());
    server.roundAt(at(9, 30, 30, thursday.addDays(1)));
    EXPECT_FALSE(ofKind(server.newMessages(), QStringLiteral("broadcast")).empty()) << "a new day broadcasts";
}

// --quote-site: a feed of the client's format in another process (here an in-process fixture).
class QuoteSiteTest : public ::testing::Test {
protected:
    static service::LantuoServer::Options siteOptions(const QString& site, int timeout = 4000)
    {
        service::LantuoServer::Options options;
        options.quoteSite = site;
        options.quoteTimeoutMsecs = timeout;
        options.phoneTicks = false;
        return options;
    }
    static QByteArray feedPage(const QString& code, const QDateTime& instant)
    {
        static app::Clock clock;
        static const market::MarketModel model(1, clock);
        return market::QuoteFeedPage::render(model.quoteAt(code, instant));
    }
};

TEST_F(QuoteSiteTest, OneRequestPerStockAndRoundForAllPhones)
{
    testsupport::HttpFixture feed;
    feed.serve(QStringLiteral("/EM_Quote2007/optional.aspx"), [](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        const QString code = request.query().queryItemValue(QStringLiteral("fav"));
        responder.write(feedPage(code, at(9, 30)), "text/html; charset=utf-8");
    });
    InProcessServer server(siteOptions(feed.base()));
    ASSERT_TRUE(server.started());
    for (const QString& sn : {phoneA, phoneB, QStringLiteral("13800000003")}) {
        server.client().registerPhone(sn);
        server.client().save(sn, {zhaoshang, pingan});
    }
    server.newMessages();
    feed.clearRequests();
    const auto round = server.roundAt(at(9, 30));
    EXPECT_EQ(round.failed, 0);
    EXPECT_EQ(feed.requestCount(QStringLiteral("/EM_Quote2007/optional.aspx")), 2);
    EXPECT_EQ(server.newMessages().size(), 6u);
}

struct GarbageCase {
    const char* name;
    QByteArray body;
    int status;
};

class QuoteSiteGarbageTest : public QuoteSiteTest, public ::testing::WithParamInterface<GarbageCase> {};

TEST_P(QuoteSiteGarbageTest, AFailedFetchEndsTheTickWithoutLosingTheBroadcast)
{
    bool good = false;
    const GarbageCase garbage = GetParam();
    testsupport::HttpFixture feed;
    feed.serve(QStringLiteral("/EM_Quote2007/optional.aspx"), [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        if (!good) {
            responder.write(garbage.body, "text/html", QHttpServerResponder::StatusCode(garbage.status));
            return;
        }
        const QString code = request.query().queryItemValue(QStringLiteral("fav"));
        responder.write(feedPage(code, at(9, 30)), "text/html; charset=utf-8");
    });
    InProcessServer server(siteOptions(feed.base()));
    ASSERT_TRUE(server.started());
    server.client().registerPhone(phoneA);
    server.client().save(phoneA, {zhaoshang});
    server.newMessages();

    const auto failed = server.roundAt(at(9, 30));
    EXPECT_EQ(failed.failed, 1);
    EXPECT_TRUE(server.newMessages().empty());
    good = true;
    server.roundAt(at(9, 30, 5));
    const auto messages = server.newMessages();
    ASSERT_EQ(messages.size(), 1u) << "the broadcast comes with the next good tick";
    EXPECT_EQ(messages[0].message.kind, QStringLiteral("broadcast"));
    EXPECT_TRUE(messages[0].message.text.contains(QStringLiteral("(09:30:05)播报开盘价")));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, QuoteSiteGarbageTest,
    ::testing::Values(GarbageCase{"ServerError", "oops", 500},
                      GarbageCase{"EmptyRecord", "var quote_zhou=\"\";\r\n", 200},
                      GarbageCase{"NotUtf8", QByteArray("var q=\"1,600036,\xff\xfe\xfd,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\";"), 200},
                      GarbageCase{"AnotherStock", "var q=\"1,600519,X,1,2%,3,4,5,6,7,8,9,10,11,12,13,14,15,16\";", 200},
                      GarbageCase{"ShortRecord", "var q=\"1,600036,X,1,2%,3,4\";", 200},
                      GarbageCase{"Binary", QByteArray(5000, '\0'), 200},
                      GarbageCase{"TooLarge", QByteArray(200 * 1024, ','), 200}),
    testsupport::CaseName());

TEST_F(QuoteSiteTest, NonsenseFiguresEndThePhonesTickAndAGoodQuoteStillAlerts)
{
    bool nonsense = true;
    testsupport::HttpFixture feed;
    feed.serve(QStringLiteral("/EM_Quote2007/optional.aspx"), [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        const QString code = request.query().queryItemValue(QStringLiteral("fav"));
        if (nonsense) {
            responder.write("var q=\"1," + code.toLatin1()
                                + ",<b>X</b>,abc,zz%,-,x,99999999999,y,99999999999,,,,,,,-,123456789,,,,\";",
                            "text/html; charset=utf-8");
            return;
        }
        responder.write(feedPage(code, at(10, 30, 5)), "text/html; charset=utf-8");
    });
    InProcessServer server(siteOptions(feed.base()));
    ASSERT_TRUE(server.started());
    server.client().registerPhone(phoneA);
    server.client().save(phoneA, servertest::wholeMarket());
    server.newMessages();

    const auto round = server.roundAt(at(10, 30));
    EXPECT_EQ(round.failed, 0) << "the rows arrived; their figures are the trouble";
    EXPECT_EQ(round.evaluated, 1);
    EXPECT_TRUE(server.newMessages().empty()) << "a figure that is not a number ends the tick";

    nonsense = false;
    server.roundAt(at(10, 30, 5));
    EXPECT_FALSE(ofKind(server.newMessages(), QStringLiteral("limit")).empty())
        << "the busy spell's limit alerts come with the first good quotes";
}

TEST_F(QuoteSiteTest, TheTextsCarryTheTimeTheQuotesCameInAndTheRoundKeepsItsSession)
{
    InProcessServer* running = nullptr;
    QDateTime served;      // the market instant the feed answers with
    qint64 answerMsecs = 0; // server time the feed's answer takes, once per round
    testsupport::HttpFixture feed;
    feed.serve(QStringLiteral("/EM_Quote2007/optional.aspx"), [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        if (running && answerMsecs > 0) {
            running->clock().advance(answerMsecs);
            answerMsecs = 0;
        }
        const QString code = request.query().queryItemValue(QStringLiteral("fav"));
        responder.write(feedPage(code, served), "text/html; charset=utf-8");
    });
    InProcessServer server(siteOptions(feed.base()));
    ASSERT_TRUE(server.started());
    running = &server;
    server.client().registerPhone(phoneA);
    server.client().save(phoneA, servertest::wholeMarket());
    server.newMessages();

    served = at(9, 30);
    answerMsecs = 3000;
    server.roundAt(at(9, 30));
    const auto opening = server.newMessages();
    ASSERT_EQ(opening.size(), servertest::wholeMarket().size());
    for (const OutboxEntry& e : opening) {
        EXPECT_TRUE(e.message.text.contains(QStringLiteral("现在(09:30:03)播报开盘价："))) << qPrintable(e.message.text);
        EXPECT_EQ(e.createdAt, QStringLiteral("2026-12-10 09:30:03"));
    }

    // Begun at 11:29:58, inside the morning session: its events fire although the quotes came
    // in at 11:30:03, after the session.
    served = at(10, 30);
    answerMsecs = 5000;
    server.roundAt(at(11, 29, 58));
    const auto spell = server.newMessages();
    const auto orders = ofKind(spell, QStringLiteral("bigOrder"));
    ASSERT_FALSE(orders.empty());
    for (const OutboxEntry& e : orders)
        EXPECT_TRUE(e.message.text.contains(QStringLiteral("11:30:03"))) << qPrintable(e.message.text);
    for (const OutboxEntry& e : spell) {
        EXPECT_FALSE(e.message.text.contains(QStringLiteral("11:29:58"))) << qPrintable(e.message.text);
        EXPECT_EQ(e.createdAt, QStringLiteral("2026-12-10 11:30:03"));
    }
}

TEST_F(QuoteSiteTest, TheServiceAnswersWhileARoundWaitsForItsQuotes)
{
    InProcessServer* running = nullptr;
    QString meanwhile;
    bool wasRunning = false;
    testsupport::HttpFixture feed;
    // The round's quote request is held here while the service is asked for something else.
    feed.serve(QStringLiteral("/EM_Quote2007/optional.aspx"), [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        if (running && meanwhile.isEmpty()) {
            wasRunning = running->alerts().roundRunning();
            meanwhile = running->client().registerPhone(phoneB);
        }
        responder.write(feedPage(request.query().queryItemValue(QStringLiteral("fav")), at(9, 30)),
                        "text/html; charset=utf-8");
    });
    InProcessServer server(siteOptions(feed.base()));
    ASSERT_TRUE(server.started());
    server.client().registerPhone(phoneA);
    server.client().save(phoneA, {zhaoshang});
    server.newMessages();
    running = &server;

    server.clock().freezeAt(at(9, 30));
    bool done = false;
    ASSERT_TRUE(server.alerts().runRound([&](const auto&) { done = true; }));
    EXPECT_FALSE(server.alerts().runRound()) << "rounds never overlap";
    ASSERT_TRUE(servertest::waitUntil([&] { return done; }));
    EXPECT_TRUE(wasRunning);
    EXPECT_TRUE(meanwhile.contains(QStringLiteral("成功"))) << qPrintable(meanwhile);
    EXPECT_EQ(servertest::kindsOf(server.newMessages()), (QStringList{QStringLiteral("invite"), QStringLiteral("broadcast")}))
        << "phone B's invitation while the quotes were out, then phone A's broadcast";
}

TEST_F(QuoteSiteTest, ASilentFeedTimesOutAndTheRoundFails)
{
    testsupport::RawHttpServer silent;
    silent.neverAnswer();
    InProcessServer server(siteOptions(QStringLiteral("http://127.0.0.1:%1").arg(silent.port()), 300));
    ASSERT_TRUE(server.started());
    server.client().registerPhone(phoneA);
    server.client().save(phoneA, {zhaoshang});
    server.newMessages();

    server.clock().freezeAt(at(9, 30));
    bool done = false;
    service::PhoneAlerts::Round result;
    ASSERT_TRUE(server.alerts().runRound([&](const auto& round) {
        result = round;
        done = true;
    }));
    ASSERT_TRUE(servertest::waitUntil([&] { return done; }));
    EXPECT_EQ(result.codes, 1);
    EXPECT_EQ(result.failed, 1);
    EXPECT_TRUE(server.newMessages().empty());
}

} // namespace
