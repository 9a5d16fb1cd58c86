#include "alerts/alertsettingseditor.h"
#include "alerts/localalerts.h"
#include "alerts/phoneregistration.h"
#include "alerts/remotesync.h"
#include "alerts/settingssave.h"
#include "alerts/watchedits.h"
#include "app/clock.h"
#include "net/httpclient.h"
#include "net/silentabort.h"
#include "quotes/quoterow.h"
#include "store/settingsdatabase.h"
#include "support/httpfixture.h"
#include "support/namedcase.h"
#include "support/phoneservice.h"
#include "support/rawfile.h"
#include "support/recorders.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

using alerts::AlertSettingsEditor;
using alerts::SettingChoice;
using alerts::SettingOption;

const QString number = QStringLiteral("13812345678");

store::WatchList twoStocks()
{
    store::WatchList w;
    w.watchBroadcast = {"1", "1"};
    w.watchCodes = {"600036", "000001"};
    w.watchNames = {"招商银行", "平安银行"};
    w.watchFlags = {"1010", "0001"};
    w.watchBigTrade = {"4", "5"};
    w.watchBigOrder = {"5", "6"};
    w.watchRiseFall = {"3", "7"};
    w.watchReportMinutes = {"10", "30"};
    w.watchReport = {"0", "1"};
    return w;
}

QStringList pathsOf(const std::vector<alerts::ServiceRequest>& requests)
{
    QStringList paths;
    for (const auto& request : requests)
        paths << request.path;
    return paths;
}

// --- The requests of the remote copy ------------------------------------------------------

TEST(RemoteSync, TwoBroadcastStocksOneReportedSendNineRequestsInOrder)
{
    const auto requests = alerts::remoteSyncRequests(twoStocks(), number, true);
    EXPECT_EQ(pathsOf(requests),
              (QStringList{"/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp", "/gpadd1.asp", "/gpdel2.asp",
                           "/gpadd2.asp", "/gpadd2.asp", "/gpdel3.asp", "/gpadd3.asp"}));
    for (const auto& request : requests)
        EXPECT_EQ(request.fields.front(), std::pair(QStringLiteral("sn"), number)) << request.path.toStdString();

    const net::FormFields ycf = {{"sn", number}, {"ycf", "1"}};
    const net::FormFields add1 = {{"sn", number}, {"gpmc", "平安银行"}, {"gpdm", "000001"}};
    const net::FormFields add2 = {{"sn", number}, {"zh", "1010"}, {"ddcj", "4"}, {"ddmm", "5"},
                                  {"zdf", "3"},   {"gpmc", "招商银行"}, {"gpdm", "600036"}};
    const net::FormFields add3 = {{"sn", number}, {"sjjg", "30"}, {"gpdm", "000001"}, {"gpmc", "平安银行"}};
    EXPECT_EQ(requests[0].fields, ycf);
    EXPECT_EQ(requests[3].fields, add1);
    EXPECT_EQ(requests[5].fields, add2);
    EXPECT_EQ(requests[8].fields, add3);
}

struct SyncCase {
    const char* name;
    QString number;
    bool remote;
    int broadcastOff; // index of a stock whose broadcast is switched off, -1 for none
    QStringList paths;
};

class SyncTest : public ::testing::TestWithParam<SyncCase> {};

TEST_P(SyncTest, RequestsFollowTheSwitchAndTheLists)
{
    const SyncCase& c = GetParam();
    store::WatchList watch = twoStocks();
    if (c.broadcastOff >= 0)
        watch.watchBroadcast[c.broadcastOff] = QStringLiteral("0");
    EXPECT_EQ(pathsOf(alerts::remoteSyncRequests(watch, c.number, c.remote)), c.paths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncTest,
    ::testing::Values(
        SyncCase{"deliveryOffSendsOnlyTheSwitch", number, false, -1, {"/gpycf.asp"}},
        // The placeholder shown without a number belongs to someone else: nothing is sent.
        SyncCase{"noNumberOnRecordSendsNothing", QString(), false, -1, {}},
        SyncCase{"noNumberWithDeliveryOnSendsNothing", QString(), true, -1, {}},
        SyncCase{"stockWithoutBroadcastHasNoFirstWaveRow", number, true, 0,
                 {"/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp", "/gpdel2.asp", "/gpadd2.asp",
                  "/gpadd2.asp", "/gpdel3.asp", "/gpadd3.asp"}}),
    testsupport::CaseName());

TEST(RemoteSync, EmptyListStillClearsTheThreeTables)
{
    EXPECT_EQ(pathsOf(alerts::remoteSyncRequests({}, number, true)),
              (QStringList{"/gpycf.asp", "/gpdel1.asp", "/gpdel2.asp", "/gpdel3.asp"}));
}

// --- The editor of the settings window ------------------------------------------------------

QString knownName(const QString& code)
{
    return code == QLatin1String("600519") ? QStringLiteral("贵州茅台") : QString();
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { editor.open(twoStocks(), {number, true, false}); }

    AlertSettingsEditor editor;
};

TEST_F(EditorTest, OpensOnACopyWithNothingSelected)
{
    EXPECT_EQ(editor.entries(), (QStringList{"招商银行(600036)", "平安银行(000001)"}));
    EXPECT_EQ(editor.selectedStock(), -1);
    EXPECT_FALSE(editor.selected());
    EXPECT_EQ(editor.shownNumber(), number);
    EXPECT_TRUE(editor.localAlerts());
}

TEST_F(EditorTest, NewStockGetsTheDefaultsAndIsSelected)
{
    ASSERT_FALSE(editor.add(QStringLiteral("600519"), knownName));
    EXPECT_EQ(editor.selectedStock(), 2);
    EXPECT_EQ(editor.entries().last(), QStringLiteral("贵州茅台(600519)"));
    const auto s = editor.selected();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->broadcast);
    EXPECT_EQ(s->flags, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ((QStringList{s->riseFall, s->bigTrade, s->bigOrder, s->reportMinutes}),
              (QStringList{"5", "4", "4", "10"}));
    EXPECT_FALSE(s->report);
    EXPECT_EQ(editor.watchList().completeCount(), 3);
}

struct RefusedAdd {
    const char* name;
    QString code;
    QString message;
    bool looksUp;
};

class RefusedAddTest : public EditorTest, public ::testing::WithParamInterface<RefusedAdd> {};

TEST_P(RefusedAddTest, ShowsItsMessageAndAddsNothing)
{
    const RefusedAdd& c = GetParam();
    bool lookedUp = false;
    const auto refusal = editor.add(c.code, [&](const QString& code) {
        lookedUp = true;
        return knownName(code);
    });
    EXPECT_EQ(refusal.value_or(QString()), c.message);
    EXPECT_EQ(lookedUp, c.looksUp);
    EXPECT_EQ(editor.watchList(), twoStocks());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedAddTest,
    ::testing::Values(RefusedAdd{"fiveDigits", "60003", "必须输入六位股票代码!", false},
                      RefusedAdd{"empty", "", "必须输入六位股票代码!", false},
                      RefusedAdd{"sameCodeTwice", "000001", "该股票已存在，请重新输入!", false},
                      RefusedAdd{"unknownCode", "600000", "输入的股票代码不存在，请重新输入!", true}),
    testsupport::CaseName());

TEST_F(EditorTest, RiseFallTickedAndSevenChosenLeavesFlags0100)
{
    ASSERT_FALSE(editor.add(QStringLiteral("600519"), knownName));
    editor.setOption(SettingOption::RiseFallFlag, true);
    editor.setChoice(SettingChoice::RiseFall, QStringLiteral("7"));
    EXPECT_EQ(editor.watchList().watchFlags[2], QStringLiteral("0100"));
    EXPECT_EQ(editor.watchList().watchRiseFall[2], QStringLiteral("7"));
}

TEST_F(EditorTest, EachControlWritesItsColumnAtTheSelectedStockOnly)
{
    editor.select(1);
    editor.setOption(SettingOption::Broadcast, false);
    editor.setOption(SettingOption::LimitFlag, true);
    editor.setOption(SettingOption::BigOrderFlag, false);
    editor.setOption(SettingOption::Report, false);
    editor.setChoice(SettingChoice::BigTrade, QStringLiteral("6"));
    editor.setChoice(SettingChoice::BigOrder, QStringLiteral("4"));
    editor.setChoice(SettingChoice::ReportMinutes, QStringLiteral("60"));
    editor.setChoice(SettingChoice::RiseFall, QStringLiteral("12")); // not offered: ignored

    store::WatchList expected = twoStocks();
    expected.watchBroadcast[1] = "0";
    expected.watchFlags[1] = "1000";
    expected.watchReport[1] = "0";
    expected.watchBigTrade[1] = "6";
    expected.watchBigOrder[1] = "4";
    expected.watchReportMinutes[1] = "60";
    EXPECT_EQ(editor.watchList(), expected);
}

TEST_F(EditorTest, ControlsWriteNothingWithoutASelection)
{
    editor.setOption(SettingOption::LimitFlag, false);
    editor.setChoice(SettingChoice::RiseFall, QStringLiteral("9"));
    EXPECT_EQ(editor.watchList(), twoStocks());
}

TEST_F(EditorTest, DeletingSelectsTheFirstAndTheLastLeavesNothingSelected)
{
    EXPECT_EQ(editor.removeSelected().value_or(QString()), QStringLiteral("请选择要删除的股票"));
    editor.select(1);
    EXPECT_FALSE(editor.removeSelected());
    EXPECT_EQ(editor.entries(), QStringList{"招商银行(600036)"});
    EXPECT_EQ(editor.selectedStock(), 0);
    EXPECT_FALSE(editor.removeSelected());
    EXPECT_TRUE(editor.entries().isEmpty());
    EXPECT_EQ(editor.selectedStock(), -1);
    EXPECT_EQ(editor.watchList().completeCount(), 0);
    EXPECT_EQ(editor.watchList().watchReport.size(), 0);
    EXPECT_EQ(editor.removeSelected().value_or(QString()), QStringLiteral("请选择要删除的股票"));
}

TEST(Editor, WithoutANumberThePlaceholderShowsAndDeliveryStaysOff)
{
    AlertSettingsEditor editor;
    editor.open({}, {QString(), false, true});
    EXPECT_EQ(editor.shownNumber(), QStringLiteral("13900000000"));
    EXPECT_FALSE(editor.phoneOnRecord());
    editor.setRemoteAlerts(true);
    EXPECT_FALSE(editor.remoteAlerts());
    EXPECT_FALSE(editor.edited().remoteAlerts);
    editor.numberRegistered(number);
    editor.setRemoteAlerts(true);
    EXPECT_TRUE(editor.edited().remoteAlerts);
    EXPECT_EQ(editor.edited().number, number);
}

// --- Registration and the save against a service on 127.0.0.1 -------------------------------

// The service's side: every path answers, or fails from a chosen request on.
class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const QString& path : testsupport::phoneServicePaths())
            http.serve(path,
                       [this](const QHttpServerRequest&, QHttpServerResponder& responder) {
                           ++served;
                           if (failFrom > 0 && served >= failFrom) {
                               responder.write(QHttpServerResponder::StatusCode::InternalServerError);
                               return;
                           }
                           responder.write(reply, "text/html");
                       });
        alerts.createbase();
        alerts.sendbase();
    }

    QStringList paths() const
    {
        QStringList paths;
        for (const auto& request : http.requests())
            paths << request.path;
        return paths;
    }

    QString storedNumber() { return alerts.database().readPhone().number; }

    testsupport::HttpFixture http;
    QByteArray reply = QByteArrayLiteral("ok");
    int served = 0;
    int failFrom = 0;
    QTemporaryDir dir;
    alerts::LocalAlerts alerts{dir.path()};
    net::HttpClient client{QStringLiteral("IdHTTP1")};
    testsupport::RecordingPrompter prompter;
};

using RegistrationTest = ServiceFixture;

TEST_F(RegistrationTest, RefusedNumbersSendNothing)
{
    for (const QString& bad : {QStringLiteral("1381234567"), QStringLiteral("138123456789"),
                               QStringLiteral("1381234567x"), QStringLiteral("13812 45678"),
                               QStringLiteral("１３８１２３４５６７８")}) {
        EXPECT_THROW(alerts::registerPhone(client, http.base(), alerts.database(), bad, prompter),
                     net::SilentAbort);
    }
    EXPECT_EQ(prompter.errors, QStringList(5, QStringLiteral("必须输入11位手机号码!")));
    EXPECT_TRUE(http.requests().isEmpty());
    EXPECT_TRUE(storedNumber().isEmpty());
}

TEST_F(RegistrationTest, NewNumberIsPostedStoredAndInvited)
{
    const auto registration = alerts::registerPhone(client, http.base(), alerts.database(), number, prompter);
    EXPECT_FALSE(registration.known);
    ASSERT_EQ(http.requests().size(), 1);
    EXPECT_EQ(http.requests()[0].path, QStringLiteral("/gpaddsj.asp"));
    EXPECT_EQ(http.requests()[0].body, QByteArray("sn=13812345678"));
    EXPECT_EQ(prompter.messages,
              QStringList{number + QStringLiteral("手机号码保存成功,稍候您将收到 \"岚拓股票\" 字样的飞信邀请")});
    EXPECT_EQ(storedNumber(), number);
}

TEST_F(RegistrationTest, KnownNumberIsToldSoAndStoredAllTheSame)
{
    alerts.database().saveSwitches(true, true);
    reply = QStringEncoder("GBK").encode(QStringLiteral("该手机号码已存在"));
    const auto registration = alerts::registerPhone(client, http.base(), alerts.database(), number, prompter);
    EXPECT_TRUE(registration.known);
    EXPECT_EQ(prompter.messages, QStringList{number + QStringLiteral("手机号码已存在")});
    EXPECT_EQ(storedNumber(), number);
    // The switches of the phone row are left as they were.
    EXPECT_TRUE(alerts.database().readPhone().remoteAlerts);
}

TEST_F(RegistrationTest, FailingServiceShowsTheFaultAndStoresNothing)
{
    failFrom = 1;
    EXPECT_THROW(alerts::registerPhone(client, http.base(), alerts.database(), number, prompter),
                 net::SilentAbort);
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("当前服务器故障，请联系作者!")});
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(storedNumber().isEmpty());
}

TEST_F(RegistrationTest, LockedDatabaseIsNoSuccess)
{
    testsupport::RawFile other(alerts.database().path());
    ASSERT_TRUE(other.exec(QStringLiteral("begin exclusive")));
    EXPECT_THROW(alerts::registerPhone(client, http.base(), alerts.database(), number, prompter),
                 net::SilentAbort);
    other.exec(QStringLiteral("rollback"));
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("当前服务器故障，请联系作者!")});
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(storedNumber().isEmpty());
}

class SaveTest : public ServiceFixture {
protected:
    alerts::EditedSettings edited(bool remote = true) const
    {
        return {twoStocks(), true, remote, number};
    }

    QString save(const alerts::EditedSettings& settings)
    {
        return alerts::saveAlertSettings(alerts, settings, client, http.base(), prompter);
    }
};

TEST_F(SaveTest, WritesTablesCopiesToTheServiceSetsSwitchesAndReloadsTheEngine)
{
    const QString status = save(edited());
    EXPECT_EQ(status, QStringLiteral("本机监视股价：启用  手机接收股价：启用"));
    EXPECT_EQ(paths(), (QStringList{"/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp", "/gpadd1.asp", "/gpdel2.asp",
                                    "/gpadd2.asp", "/gpadd2.asp", "/gpdel3.asp", "/gpadd3.asp"}));
    EXPECT_EQ(alerts.database().readWatchList(), twoStocks());
    EXPECT_EQ(alerts.watchList(), twoStocks());
    EXPECT_EQ(alerts.state().stockCount(), 2);
    EXPECT_TRUE(alerts.phone().localAlerts);
    EXPECT_TRUE(alerts.phone().remoteAlerts);
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("所有记录保存成功！")});
    EXPECT_TRUE(prompter.errors.isEmpty());
    // Form bodies go out as GBK, percent-encoded.
    EXPECT_EQ(http.requests()[2].body, QByteArray("sn=13812345678&gpmc=%D5%D0%C9%CC%D2%F8%D0%D0&gpdm=600036"));
}

// A name longer than the table's column is cut once, when the stock enters the list: the
// tables, the engine's list and the copy on the service name it alike.
TEST_F(SaveTest, LongNameIsTheSameInTheTablesAndTheServiceCopy)
{
    const QString longName = QStringLiteral("长江精工钢结构集团股份");
    AlertSettingsEditor editor;
    editor.open({}, {number, true, true});
    ASSERT_FALSE(editor.add(QStringLiteral("600496"), [&](const QString&) { return longName; }));
    save(editor.edited());

    const QString stored = QStringLiteral("长江精工钢结构集团股");
    EXPECT_EQ(alerts.database().readWatchList().watchNames, QStringList{stored});
    EXPECT_EQ(alerts.watchList().watchNames, QStringList{stored});
    EXPECT_EQ(editor.entries(), QStringList{stored + QStringLiteral("(600496)")});
    QStringList sentNames;
    for (const testsupport::RecordedRequest& request : http.requests())
        for (const QByteArray& pair : request.body.split('&'))
            if (pair.startsWith("gpmc="))
                sentNames << QStringDecoder("GBK").decode(QByteArray::fromPercentEncoding(pair.mid(5)));
    EXPECT_EQ(sentNames, (QStringList{stored, stored}));
}

TEST_F(SaveTest, ServiceFailingHalfwayShowsTheFaultAndTheEngineKeepsItsList)
{
    failFrom = 4;
    EXPECT_THROW(save(edited()), net::SilentAbort);
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("当前服务器故障，请联系作者!")});
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(http.requests().size(), 4);
    // The tables were written before the copy; the switches after it were not.
    EXPECT_EQ(alerts.database().readWatchList(), twoStocks());
    EXPECT_FALSE(alerts.database().readPhone().localAlerts);
    EXPECT_EQ(alerts.watchList(), store::WatchList());

    // Saving again once the service is back completes the copy.
    failFrom = 0;
    http.clearRequests();
    save(edited());
    EXPECT_EQ(http.requests().size(), 9);
    EXPECT_EQ(alerts.watchList(), twoStocks());
}

TEST_F(SaveTest, LockedDatabaseSendsNothingAndShowsTheFault)
{
    testsupport::RawFile other(alerts.database().path());
    ASSERT_TRUE(other.exec(QStringLiteral("begin exclusive")));
    EXPECT_THROW(save(edited()), net::SilentAbort);
    other.exec(QStringLiteral("rollback"));
    EXPECT_TRUE(http.requests().isEmpty());
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("当前服务器故障，请联系作者!")});
    EXPECT_EQ(alerts.database().readWatchList(), store::WatchList());
}

TEST_F(SaveTest, WithoutANumberNothingIsSentAndTheSwitchesAreSaved)
{
    alerts::EditedSettings settings = edited(false);
    settings.number.clear();
    EXPECT_EQ(save(settings), QStringLiteral("本机监视股价：启用  手机接收股价：停止"));
    EXPECT_TRUE(http.requests().isEmpty());
    EXPECT_TRUE(alerts.phone().localAlerts);
    EXPECT_EQ(alerts.watchList(), twoStocks());
}

// --- The engine while a save reloads the list ----------------------------------------------

TEST_F(ServiceFixture, TickWhoseQuotesArriveAfterAReloadRaisesNothing)
{
    store::WatchList hot = twoStocks();
    hot.watchFlags = {"0100", "0100"};
    hot.watchRiseFall = {"5", "5"};
    alerts.database().saveWatchList(hot);
    alerts.database().saveSwitches(true, false);
    alerts.sendbase();
    // Both stocks far beyond their rise/fall percentage.
    const QString row = QStringLiteral("var q=\"1,%1,名,10.00,9.00%,0.8,9.99,1,10.00,1,100,1,9.1,x,10.0,9.0,1,1,\";");
    int requests = 0;
    http.serve(QStringLiteral("/EM_Quote2007/optional.aspx"),
               [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                   if (++requests == 1) {
                       // A save lands while the engine waits: one stock fewer.
                       store::WatchList shorter = hot;
                       alerts::removeStock(shorter, 0);
                       alerts.database().saveWatchList(shorter);
                       alerts.sendbase();
                   }
                   const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("fav"));
                   responder.write(row.arg(code).toUtf8(), "text/html");
               });
    std::vector<alerts::AlertEvent> raised;
    app::Clock clock;
    clock.freezeAt(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    alerts.tick(clock, client, http.base(),
                {{}, [&](const alerts::AlertEvent& e) { raised.push_back(e); }});
    EXPECT_TRUE(raised.empty());
    EXPECT_EQ(alerts.state().riseFallCooldown, QStringList{"-1"});

    clock.advance(5000);
    alerts.tick(clock, client, http.base(),
                {{}, [&](const alerts::AlertEvent& e) { raised.push_back(e); }});
    ASSERT_EQ(raised.size(), 1u);
}

// The texts carry the time they are made at, after the quotes came in; whether the tick may
// raise event alerts was decided when it began.
TEST_F(ServiceFixture, TextsCarryTheTimeTheyAreMadeAt)
{
    store::WatchList watch = twoStocks();
    watch.watchFlags = {"0010", "0010"};
    watch.watchBigTrade = {"4", "4"};
    alerts.database().saveWatchList(watch);
    alerts.database().saveSwitches(true, false);
    alerts.sendbase();
    // Each quote takes the feed two seconds; the last trade is a 5000-lot buy.
    app::Clock clock;
    const QString row = QStringLiteral("var q=\"1,%1,名,10.00,1.00%,0.1,9.99,1,10.00,1,100,1,9.1,x,10.0,9.0,1,5000,\";");
    http.serve(QStringLiteral("/EM_Quote2007/optional.aspx"),
               [&](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                   clock.advance(2000);
                   const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("fav"));
                   responder.write(row.arg(code).toUtf8(), "text/html");
               });
    std::vector<alerts::AlertEvent> raised;
    const auto tick = [&](const QTime& at) {
        raised.clear();
        clock.freezeAt(QDateTime(QDate(2026, 12, 10), at));
        alerts.tick(clock, client, http.base(), {{}, [&](const alerts::AlertEvent& e) { raised.push_back(e); }});
    };

    tick(QTime(9, 28, 58, 500));
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(std::get<alerts::Broadcast>(raised[0]).title, QStringLiteral("现在(09:29:02)播报开盘价"));

    // Begun in the last morning second, made after 11:30:00: the alerts still come, at 11:30:02.
    tick(QTime(11, 29, 58));
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(std::get<alerts::AlertPopup>(raised[1]).firstLine,
              QStringLiteral("注意:名(000001)在11:30:02有5000手大买单成交"));
}

// --- The settings window's lookup -----------------------------------------------------------

struct LookupCase {
    const char* name;
    QByteArray reply; // nothing: the feed is down
    QString stockName;
    QString priceText;
    quotes::Direction direction;
    bool fails;
};

class LookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, NamePriceOrTheFailure)
{
    const LookupCase& c = GetParam();
    testsupport::HttpFixture feed;
    if (!c.reply.isEmpty())
        feed.serveBytes(QStringLiteral("/EM_Quote2007/optional.aspx"), c.reply, "text/html; charset=utf-8");
    else
        feed.serveStatus(QStringLiteral("/EM_Quote2007/optional.aspx"), 503);
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    testsupport::RecordingPrompter prompter;
    if (c.fails) {
        EXPECT_THROW(alerts::lookupWatchStock(client, feed.base(), QStringLiteral("600036"), prompter),
                     net::SilentAbort);
        EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("获取股票信息失败，请检查网络!")});
        return;
    }
    const alerts::LookedUpStock found = alerts::lookupWatchStock(client, feed.base(), QStringLiteral("600036"), prompter);
    EXPECT_EQ(found.name, c.stockName);
    EXPECT_EQ(found.priceText, c.priceText);
    EXPECT_EQ(found.direction, c.direction);
    EXPECT_TRUE(prompter.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, LookupTest,
    ::testing::Values(
        LookupCase{"falling", "var q=\"1,600036,招商银行,12.34,-1.25%,-0.16,\";", "招商银行", "最新价:12.34元",
                   quotes::Direction::Down, false},
        LookupCase{"unchanged", "var q=\"1,600036,招商银行,12.34,0,0,\";", "招商银行", "最新价:12.34元",
                   quotes::Direction::Up, false},
        LookupCase{"unknownCode", "var q=\"\";", "", "", quotes::Direction::Up, false},
        // The name came but the record ends before the change percent: no half-known stock.
        LookupCase{"cutAfterTheName", "var q=\"1,600036,招商银行,12.34", "", "", quotes::Direction::Up, true},
        LookupCase{"feedDown", "", "", "", quotes::Direction::Up, true}),
    testsupport::CaseName());

} // namespace
