// Phone registration, the remote copy of the watch tables, and the recommendation limit.
#include "community/recommendationlist.h"
#include "server/rawclient.h"
#include "server/servicetestkit.h"
#include "service/gbk.h"
#include "service/servicestore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using servertest::SharedServer;
using Fields = std::vector<std::pair<QString, QString>>;

class RegistrationTest : public ::testing::Test {
protected:
    // The day's recommendation count runs on a frozen server clock.
    static void SetUpTestSuite()
    {
        SharedServer::startShared({QStringLiteral("--market"), QStringLiteral("--at"),
                                   QStringLiteral("2026-12-10 10:00:00"), QStringLiteral("--frozen")});
    }
    static void TearDownTestSuite() { SharedServer::stopShared(); }

    static QString post(const QString& path, const Fields& fields)
    {
        return servertest::postForm(SharedServer::server().url(path), fields);
    }
    static std::optional<service::WatchCopy> copyOf(const QString& sn)
    {
        service::ServiceStore store(SharedServer::dataDir());
        return store.watchCopy(sn);
    }
    // The save of the settings window with phone delivery on.
    static void sync(const QString& sn, const QList<Fields>& wave1, const QList<Fields>& wave2,
                     const QList<Fields>& wave3)
    {
        const auto sn1 = std::make_pair(QStringLiteral("sn"), sn);
        post(QStringLiteral("/gpycf.asp"), {sn1, {QStringLiteral("ycf"), QStringLiteral("1")}});
        const QList<Fields>* waves[] = {&wave1, &wave2, &wave3};
        for (int wave = 1; wave <= 3; ++wave) {
            post(QStringLiteral("/gpdel%1.asp").arg(wave), {sn1});
            for (Fields fields : *waves[wave - 1]) {
                fields.insert(fields.begin(), sn1);
                post(QStringLiteral("/gpadd%1.asp").arg(wave), fields);
            }
        }
    }
};

Fields wave1Stock(const char* code, const char* name)
{
    return {{QStringLiteral("gpmc"), QString::fromUtf8(name)}, {QStringLiteral("gpdm"), QString::fromLatin1(code)}};
}

Fields wave2Stock(const char* code, const char* name)
{
    return {{QStringLiteral("zh"), QStringLiteral("0100")}, {QStringLiteral("ddcj"), QStringLiteral("4")},
            {QStringLiteral("ddmm"), QStringLiteral("5")},  {QStringLiteral("zdf"), QStringLiteral("7")},
            {QStringLiteral("gpmc"), QString::fromUtf8(name)}, {QStringLiteral("gpdm"), QString::fromLatin1(code)}};
}

Fields wave3Stock(const char* code, const char* name)
{
    return {{QStringLiteral("sjjg"), QStringLiteral("30")}, {QStringLiteral("gpdm"), QString::fromLatin1(code)},
            {QStringLiteral("gpmc"), QString::fromUtf8(name)}};
}

TEST_F(RegistrationTest, ANewNumberIsSavedAndAKnownOneAnswersExists)
{
    const QString first = post(QStringLiteral("/gpaddsj.asp"), {{QStringLiteral("sn"), QStringLiteral("13812345678")}});
    EXPECT_FALSE(first.contains(QStringLiteral("存在")));
    EXPECT_TRUE(first.contains(QStringLiteral("成功")));
    const QString again = post(QStringLiteral("/gpaddsj.asp"), {{QStringLiteral("sn"), QStringLiteral("13812345678")}});
    EXPECT_TRUE(again.contains(QStringLiteral("存在")));
}

TEST_F(RegistrationTest, ASaveReplacesTheWholeCopyOfTheNumber)
{
    const QString sn = QStringLiteral("13911112222");
    post(QStringLiteral("/gpaddsj.asp"), {{QStringLiteral("sn"), sn}});
    sync(sn, {wave1Stock("600036", "招商银行"), wave1Stock("000001", "平安银行")},
         {wave2Stock("600036", "招商银行"), wave2Stock("000001", "平安银行")},
         {wave3Stock("000001", "平安银行")});
    auto copy = copyOf(sn);
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(copy->remoteOn);
    ASSERT_EQ(copy->wave1.size(), 2u);
    ASSERT_EQ(copy->wave2.size(), 2u);
    ASSERT_EQ(copy->wave3.size(), 1u);
    EXPECT_EQ(copy->wave1[1].name, QStringLiteral("平安银行"));
    EXPECT_EQ(copy->wave2[0].flags, QStringLiteral("0100"));
    EXPECT_EQ(copy->wave2[0].riseFall, QStringLiteral("7"));
    EXPECT_EQ(copy->wave3[0].minutes, QStringLiteral("30"));

    sync(sn, {}, {wave2Stock("300750", "宁德时代")}, {});
    copy = copyOf(sn);
    EXPECT_TRUE(copy->wave1.empty());
    ASSERT_EQ(copy->wave2.size(), 1u);
    EXPECT_EQ(copy->wave2[0].code, QStringLiteral("300750"));
    EXPECT_TRUE(copy->wave3.empty());

    post(QStringLiteral("/gpycf.asp"), {{QStringLiteral("sn"), sn}, {QStringLiteral("ycf"), QStringLiteral("0")}});
    copy = copyOf(sn);
    EXPECT_FALSE(copy->remoteOn);
    EXPECT_EQ(copy->wave2.size(), 1u) << "switching off keeps the copy";
}

TEST_F(RegistrationTest, TheCopyTakesEverySixDigitCodeTheClientAccepts)
{
    // A quote feed that knows 900901 lets the client watch it; the save must not fail on it.
    const QString sn = QStringLiteral("13922223333");
    post(QStringLiteral("/gpaddsj.asp"), {{QStringLiteral("sn"), sn}});
    const auto sn1 = std::make_pair(QStringLiteral("sn"), sn);
    post(QStringLiteral("/gpycf.asp"), {sn1, {QStringLiteral("ycf"), QStringLiteral("1")}});
    const Fields waves[] = {wave1Stock("900901", "云赛B股"), wave2Stock("900901", "云赛B股"),
                            wave3Stock("900901", "云赛B股")};
    for (int wave = 1; wave <= 3; ++wave) {
        Fields fields = waves[wave - 1];
        fields.insert(fields.begin(), sn1);
        EXPECT_TRUE(post(QStringLiteral("/gpadd%1.asp").arg(wave), fields).contains(QStringLiteral("已保存"))) << wave;
    }
    const auto copy = copyOf(sn);
    ASSERT_TRUE(copy.has_value());
    for (const auto* stocks : {&copy->wave1, &copy->wave2, &copy->wave3}) {
        ASSERT_EQ(stocks->size(), 1u);
        EXPECT_EQ(stocks->front().code, QStringLiteral("900901"));
    }
}

TEST_F(RegistrationTest, TheSwitchOfAnUnregisteredNumberIsAnsweredAndStoresNothing)
{
    // A save without a number on record posts the placeholder; the client must not see a fault.
    const QString reply = post(QStringLiteral("/gpycf.asp"),
                               {{QStringLiteral("sn"), QStringLiteral("13900000000")}, {QStringLiteral("ycf"), QStringLiteral("0")}});
    EXPECT_FALSE(reply.contains(QStringLiteral("成功")));
    post(QStringLiteral("/gpadd1.asp"), {{QStringLiteral("sn"), QStringLiteral("13900000000")},
                                         {QStringLiteral("gpmc"), QStringLiteral("招商银行")},
                                         {QStringLiteral("gpdm"), QStringLiteral("600036")}});
    EXPECT_FALSE(copyOf(QStringLiteral("13900000000")).has_value());
}

TEST_F(RegistrationTest, FiftySimultaneousRecommendationsFromOneAddressLetExactlyTwoThrough)
{
    const QByteArray body = "gpdm=600036&gpmc=%D5%D0%C9%CC%D2%F8%D0%D0&tjly=%D2%B5%BC%A8%CE%C8%BD%A1";
    QList<QByteArray> requests;
    for (int i = 0; i < 50; ++i)
        requests.append(servertest::formPost("/gpjg.asp", body));
    const QList<servertest::RawReply> replies =
        servertest::rawRequestsAtOnce(SharedServer::server().port(), requests);
    int succeeded = 0;
    int refused = 0;
    for (const auto& reply : replies) {
        ASSERT_EQ(reply.status, 200);
        const QString text = service::Gbk::decode(reply.body).value_or(QString());
        if (text.contains(QStringLiteral("成功")))
            ++succeeded;
        if (text.contains(QStringLiteral("超过")))
            ++refused;
    }
    EXPECT_EQ(succeeded, 2);
    EXPECT_EQ(refused, 48);

    const auto listed = community::parseRecommendations(
        servertest::fetchPage(SharedServer::server().url(QStringLiteral("/gpjgshow.asp"))));
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0], (community::RecommendationRecord{QStringLiteral("127.0.0.1"), QStringLiteral("招商银行(600036)"),
                                                          QStringLiteral("业绩稳健"), QStringLiteral("2026-12-10 10:00:00")}));
    EXPECT_EQ(listed[1], listed[0]);
    EXPECT_TRUE(servertest::fetchPage(SharedServer::server().url(QStringLiteral("/jg.asp")))
                    .contains(QStringLiteral("业绩稳健")));
}

} // namespace

namespace {

// Quotes, semicolons and comment marks are ordinary text: stored and shown as typed.
TEST(SqlAsTextTest, MetacharactersInAcceptedFieldsAreStoredVerbatim)
{
    QTemporaryDir dir;
    servertest::ServerProcess server(dir.path());
    ASSERT_TRUE(server.start());
    const QString reason = QStringLiteral("'); DELETE FROM channels; --");
    const QString name = QStringLiteral("x' OR '1'='1");
    const QString reply = servertest::postForm(server.url(QStringLiteral("/gpjg.asp")),
                                               {{QStringLiteral("gpdm"), QStringLiteral("688001")},
                                                {QStringLiteral("gpmc"), name},
                                                {QStringLiteral("tjly"), reason}});
    EXPECT_TRUE(reply.contains(QStringLiteral("成功")));
    const auto listed = community::parseRecommendations(
        servertest::fetchPage(server.url(QStringLiteral("/gpjgshow.asp"))));
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].stock, name + QStringLiteral("(688001)"));
    EXPECT_EQ(listed[0].reason, reason);
    service::ServiceStore store(dir.path());
    EXPECT_EQ(store.channels().size(), 7u);
}

} // namespace
