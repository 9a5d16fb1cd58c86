// Every request is hostile until checked: each case gets a clear refusal, the server stays up,
// and nothing is stored.
#include "server/rawclient.h"
#include "server/servicetestkit.h"
#include "service/gbk.h"
#include "service/servicestore.h"

#include <gtest/gtest.h>

namespace {

using servertest::SharedServer;
using servertest::formPost;
using servertest::plainGet;

struct HostileCase {
    const char* label;
    QByteArray request;
    int status; // the expected status; 0: refused by closing the connection is fine too
};

std::ostream& operator<<(std::ostream& out, const HostileCase& c)
{
    return out << c.label;
}

QByteArray repeated(const char* piece, int times)
{
    return QByteArray(piece).repeated(times);
}

class HostileInputTest : public ::testing::TestWithParam<HostileCase> {
protected:
    static void SetUpTestSuite() { SharedServer::startShared(); }
    static void TearDownTestSuite() { SharedServer::stopShared(); }
};

TEST_P(HostileInputTest, IsRefusedClearlyAndStoresNothing)
{
    const HostileCase& c = GetParam();
    const quint16 port = SharedServer::server().port();
    // A request that never completes is only waited for a short while.
    const servertest::RawReply reply = servertest::rawRequest(port, c.request, c.status == 0 ? 2000 : 10000);
    if (c.status == 0) {
        EXPECT_TRUE(reply.status == 0 || (reply.status >= 400 && reply.status < 500)) << reply.status;
    } else {
        EXPECT_EQ(reply.status, c.status) << reply.body.constData();
    }
    // A refusal never carries the words the client takes for success or for a known number.
    const QString text = service::Gbk::decode(reply.body).value_or(QString::fromLatin1(reply.body));
    for (const char* word : {"成功", "存在", "超过"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(word))) << word;

    EXPECT_TRUE(SharedServer::server().running());
    EXPECT_EQ(servertest::rawRequest(port, plainGet("/gpreadall.asp")).status, 200);
    service::ServiceStore store(SharedServer::dataDir());
    EXPECT_TRUE(store.latestRecommendations(10).empty());
    for (const char* sn : {"13900000000", "1390000000", "139000000001"})
        EXPECT_FALSE(store.watchCopy(QString::fromLatin1(sn)).has_value()) << sn;
    EXPECT_EQ(store.channels().size(), 7u) << "the tables are all still there";
}

const QByteArray kGoodRecommendation = "gpdm=600036&gpmc=%D5%D0%C9%CC%D2%F8%D0%D0&tjly=%BA%C3";

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileInputTest,
    ::testing::Values(
        HostileCase{"unknown path", plainGet("/nothing.asp"), 404},
        HostileCase{"path with a dot trick", plainGet("/gpreadallXasp"), 404},
        HostileCase{"get on a post path", plainGet("/gpaddsj.asp?sn=13900000000"), 405},
        HostileCase{"post on a get path", formPost("/gpreadall.asp", "x=1"), 405},
        HostileCase{"empty form", formPost("/gpaddsj.asp", ""), 400},
        HostileCase{"number too short", formPost("/gpaddsj.asp", "sn=1390000000"), 400},
        HostileCase{"number too long", formPost("/gpaddsj.asp", "sn=139000000001"), 400},
        HostileCase{"sql in the number", formPost("/gpaddsj.asp", "sn=13900000000%27%3B+DROP+TABLE+phones%3B--"), 400},
        HostileCase{"sql in the code", formPost("/gpjg.asp", "gpdm=600036%27+OR+1%3D1&gpmc=a&tjly=b"), 400},
        HostileCase{"sql in the reason", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=%27%29%3B+DELETE+FROM+channels%3B--+%24a1"), 400},
        HostileCase{"reply mark in the name", formPost("/gpjg.asp", "gpdm=600036&gpmc=a%24a4b&tjly=b"), 400},
        HostileCase{"markup in the reason", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=%3Cscript%3E"), 400},
        HostileCase{"control character in the reason", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=a%0Db"), 400},
        HostileCase{"reason of blanks", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=+++"), 400},
        HostileCase{"reason over 30 characters", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=" + repeated("%BA%C3", 31)), 400},
        HostileCase{"code not of the exchanges", formPost("/gpjg.asp", "gpdm=900001&gpmc=a&tjly=b"), 400},
        HostileCase{"missing reason", formPost("/gpjg.asp", "gpdm=600036&gpmc=a"), 400},
        HostileCase{"non-GBK bytes", formPost("/gpjg.asp", "gpdm=600036&gpmc=%FF%FF&tjly=b"), 400},
        HostileCase{"GBK cut short", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=%BA"), 400},
        HostileCase{"user-defined GBK area", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=%AA%A1"), 400},
        HostileCase{"broken percent escape", formPost("/gpjg.asp", "gpdm=600036&gpmc=%G1&tjly=b"), 400},
        HostileCase{"percent escape cut short", formPost("/gpjg.asp", "gpdm=600036&gpmc=a&tjly=%4"), 400},
        HostileCase{"pair without equals", formPost("/gpjg.asp", kGoodRecommendation + "&junk"), 400},
        HostileCase{"field given twice", formPost("/gpjg.asp", kGoodRecommendation + "&gpdm=000001"), 400},
        HostileCase{"too many fields", formPost("/gpjg.asp", kGoodRecommendation + repeated("&k=v", 40)), 400},
        HostileCase{"key with odd characters", formPost("/gpjg.asp", kGoodRecommendation + "&%27k=v"), 400},
        HostileCase{"not a form", formPost("/gpjg.asp", kGoodRecommendation, "application/json"), 415},
        HostileCase{"body over the cap", formPost("/gpjg.asp", kGoodRecommendation + "&x=" + repeated("a", 200 * 1024)), 413},
        HostileCase{"header over the cap", "GET /gpreadall.asp HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Junk: " + repeated("a", 200 * 1024) + "\r\n\r\n", 413},
        HostileCase{"code of five digits in the copy", formPost("/gpadd1.asp", "sn=13900000000&gpmc=a&gpdm=60003"), 400},
        HostileCase{"code with a letter in the copy", formPost("/gpadd1.asp", "sn=13900000000&gpmc=a&gpdm=60003a"), 400},
        HostileCase{"flags not of 0 and 1", formPost("/gpadd2.asp", "sn=13900000000&zh=01x0&ddcj=4&ddmm=4&zdf=5&gpmc=a&gpdm=600036"), 400},
        HostileCase{"big trade not a number", formPost("/gpadd2.asp", "sn=13900000000&zh=0100&ddcj=4%3B&ddmm=4&zdf=5&gpmc=a&gpdm=600036"), 400},
        HostileCase{"report minutes missing", formPost("/gpadd3.asp", "sn=13900000000&gpdm=600036&gpmc=a"), 400},
        HostileCase{"switch neither 0 nor 1", formPost("/gpycf.asp", "sn=13900000000&ycf=2"), 400},
        HostileCase{"selected stocks without id", plainGet("/gpsfjgshow.asp"), 400},
        HostileCase{"selected stocks with sql id", plainGet("/gpsfjgshow.asp?userid=1%20OR%201=1"), 400},
        HostileCase{"stock page with sql", plainGet("/gpgetstock.asp?name=%27%20OR%201=1"), 400},
        HostileCase{"not http at all", "GARBAGE\r\n\r\n", 0},
        HostileCase{"request line cut short", "GET /gpreadall.asp HT", 0}));

} // namespace
