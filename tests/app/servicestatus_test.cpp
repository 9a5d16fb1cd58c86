#include "app/lifecycle.h"
#include "app/servicestatus.h"
#include "app/sites.h"
#include "net/httpclient.h"
#include "net/silentabort.h"
#include "net/pagetext.h"
#include "support/httpfixture.h"
#include "support/namedcase.h"
#include "support/recorders.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

QString statusPage(const QString& payload)
{
    return QStringLiteral("<html><body bgcolor=\"#FFFFFF\" text=\"#000000\">") + payload
           + QStringLiteral("</body></html>");
}

struct ParseCase {
    const char* label;
    QString page;
    app::ServiceStatus expected;
};

class ParseServiceStatusTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseServiceStatusTest, CutsStatusCharactersAndAddresses)
{
    const app::ServiceStatus s = app::parseServiceStatus(GetParam().page);
    const app::ServiceStatus& e = GetParam().expected;
    EXPECT_EQ(s.startStatus, e.startStatus) << GetParam().label;
    EXPECT_EQ(s.pageUrl, e.pageUrl) << GetParam().label;
    EXPECT_EQ(s.runStatus, e.runStatus) << GetParam().label;
    EXPECT_EQ(s.noticeUrl, e.noticeUrl) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseServiceStatusTest,
    ::testing::Values(
        ParseCase{"two segments, blanks trimmed",
                  statusPage(u" 2||http://s/start.html &2\r\n8||http://s/notice.html&2"_qs),
                  {"2", "http://s/start.html", "8", "http://s/notice.html"}},
        ParseCase{"segments after the second are ignored",
                  statusPage(u"1||http://a&2 8||http://b&2 7||http://c&2"_qs),
                  {"1", "http://a", "8", "http://b"}},
        ParseCase{"empty segments do not count",
                  statusPage(u"&2 &2 1||http://a&2&2 8||http://b&2"_qs),
                  {"1", "http://a", "8", "http://b"}},
        ParseCase{"one segment leaves the run status empty", statusPage(u"2||http://a&2"_qs),
                  {"2", "http://a", "", ""}},
        ParseCase{"no marker", u"<html><body>2||http://a&2 8||http://b&2</body></html>"_qs,
                  {"", "", "", ""}}));

struct WriteCase {
    const char* name;
    app::ServiceStatus status;
};

class ServiceStatusRoundTripTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ServiceStatusRoundTripTest, TheReaderGivesBackWhatTheServiceWrote)
{
    const auto payload = app::serviceStatusPayload(GetParam().status);
    ASSERT_TRUE(payload.has_value());
    const QByteArray sent = QStringEncoder("GBK").encode(statusPage(*payload));
    EXPECT_EQ(app::parseServiceStatus(net::decodePage(sent, net::Encoding::Gbk)), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ServiceStatusRoundTripTest,
    ::testing::Values(
        WriteCase{"Run", {"1", "http://127.0.0.1:8856/download.html", "8", "http://127.0.0.1:8856/notice.html"}},
        WriteCase{"EmptyAddresses", {"2", "", "7", ""}},
        WriteCase{"ChineseAddress", {"2", u"http://s/下载.html"_qs, "8", u"http://s/公告.html?a=1&b=3"_qs}}),
    testsupport::CaseName());

class ServiceStatusUnwritableTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ServiceStatusUnwritableTest, AStatusTheReaderWouldChangeIsNotWritten)
{
    EXPECT_FALSE(app::serviceStatusPayload(GetParam().status).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ServiceStatusUnwritableTest,
    ::testing::Values(WriteCase{"EmptyStatus", {"", "http://a", "8", "http://b"}},
                      WriteCase{"TwoCharacters", {"1", "http://a", "88", "http://b"}},
                      WriteCase{"BlankStatus", {" ", "http://a", "8", "http://b"}},
                      WriteCase{"MarkInAddress", {"1", "http://a/x&2y", "8", "http://b"}},
                      WriteCase{"TrailingBlank", {"1", "http://a ", "8", "http://b"}},
                      WriteCase{"Marker", {"1", "http://a/\"#000000\">", "8", "http://b"}}),
    testsupport::CaseName());

class GetmailTest : public ::testing::Test {
protected:
    app::ServiceStatus runGetmail()
    {
        sites.serviceBase = server.base();
        app::ServiceStatusDeps deps{client,  sites,     prompter, browser,
                                    lifecycle, [this](const QString& url) { notices.append(url); }};
        return app::getmail(deps);
    }

    testsupport::HttpFixture server;
    net::HttpClient client{QStringLiteral("IdHTTP3")};
    app::Sites sites = app::Sites::defaults();
    testsupport::RecordingPrompter prompter;
    testsupport::RecordingBrowser browser;
    app::Lifecycle lifecycle;
    QStringList notices;
};

TEST_F(GetmailTest, GoodStatusesOpenTheStartPageAndLoadTheNotice)
{
    server.serveGbk(u"/gplogin.asp"_qs,
                    statusPage(u"2||http://s/start.html&28||http://s/公告.html&2"_qs));
    runGetmail();
    EXPECT_EQ(browser.opened, QStringList{u"http://s/start.html"_qs});
    EXPECT_EQ(notices, QStringList{u"http://s/公告.html"_qs});
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_FALSE(lifecycle.exitRequested());
}

TEST_F(GetmailTest, UpgradeRequiredEndsTheProgramWithOkOpeningTheDownloadPageFirst)
{
    for (const bool ok : {true, false}) {
        app::Lifecycle fresh;
        testsupport::RecordingBrowser freshBrowser;
        testsupport::RecordingPrompter freshPrompter;
        freshPrompter.answer = ok;
        server.serveGbk(u"/gplogin.asp"_qs, statusPage(u"1||http://s/down.html&27||http://n&2"_qs));
        sites.serviceBase = server.base();
        app::ServiceStatusDeps deps{client, sites, freshPrompter, freshBrowser, fresh, {}};
        EXPECT_NO_THROW(app::getmail(deps));
        EXPECT_EQ(freshPrompter.questions, QStringList{u"系统需要升级，按\"确定\"进入网站下载"_qs});
        EXPECT_EQ(freshBrowser.opened,
                  ok ? QStringList{u"http://s/down.html"_qs} : QStringList{}) << "ok=" << ok;
        EXPECT_TRUE(fresh.exitRequested()) << "ok=" << ok;
    }
}

TEST_F(GetmailTest, ReplyWithoutMarkerAsksForTheUpgradeAndEnds)
{
    server.serveGbk(u"/gplogin.asp"_qs, u"<html><body>维护中</body></html>"_qs);
    prompter.answer = false;
    runGetmail();
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(lifecycle.exitRequested());
}

TEST_F(GetmailTest, UnreachableServiceShowsTheFaultOpensTheFaultPageAndEnds)
{
    sites.authorQQ = u"12345"_qs;
    sites.faultPage = u"http://fault.example/why.html"_qs;
    server.serveStatus(u"/gplogin.asp"_qs, 503);
    EXPECT_THROW(runGetmail(), net::SilentAbort);
    EXPECT_EQ(prompter.messages,
              QStringList{u"当前有故障，按”确定“进入作者的空间查看原因！有疑问请联系作者QQ:12345"_qs});
    EXPECT_EQ(browser.opened, QStringList{u"http://fault.example/why.html"_qs});
    EXPECT_TRUE(lifecycle.exitRequested());
}

TEST_F(GetmailTest, NoServiceListeningAtAllTakesTheSameFaultPath)
{
    sites.serviceBase = u"http://127.0.0.1:1"_qs;
    app::ServiceStatusDeps deps{client, sites, prompter, browser, lifecycle, {}};
    EXPECT_THROW(app::getmail(deps), net::SilentAbort);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(browser.opened, QStringList{sites.faultPage});
    EXPECT_TRUE(lifecycle.exitRequested());
}

} // namespace
