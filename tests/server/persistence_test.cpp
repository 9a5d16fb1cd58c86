// What the service stored survives a stop by signal and even a kill.
#include "community/recommendationlist.h"
#include "info/digestrecord.h"
#include "server/servicetestkit.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

const Fields kPhone = {{QStringLiteral("sn"), QStringLiteral("13700001111")}};
const Fields kRecommendation = {{QStringLiteral("gpdm"), QStringLiteral("000001")},
                                {QStringLiteral("gpmc"), QStringLiteral("平安银行")},
                                {QStringLiteral("tjly"), QStringLiteral("估值偏低")}};

// One instant for both runs of the server, so the day's recommendation count cannot straddle
// midnight.
const QStringList kMarketAtTen = {QStringLiteral("--market"), QStringLiteral("--at"),
                                  QStringLiteral("2026-12-10 10:00:00"), QStringLiteral("--frozen")};

class PersistenceTest : public ::testing::Test {
protected:
    QString post(servertest::ServerProcess& server, const QString& path, const Fields& fields)
    {
        return servertest::postForm(server.url(path), fields);
    }

    QTemporaryDir dir;
};

TEST_F(PersistenceTest, SigtermStopsCleanlyAndARestartKeepsEverything)
{
    {
        servertest::ServerProcess server(dir.path(), kMarketAtTen);
        ASSERT_TRUE(server.start());
        EXPECT_TRUE(post(server, QStringLiteral("/gpaddsj.asp"), kPhone).contains(QStringLiteral("成功")));
        EXPECT_TRUE(post(server, QStringLiteral("/gpjg.asp"), kRecommendation).contains(QStringLiteral("成功")));
        ASSERT_EQ(servertest::ServerProcess::admin(dir.path(), {QStringLiteral("digest"), QStringLiteral("--text"),
                                                                QStringLiteral("收盘点评"), QStringLiteral("--title"),
                                                                QStringLiteral("收盘")}),
                  0);
        EXPECT_EQ(server.stop(), 0);
        EXPECT_TRUE(server.output().contains("stopped"));
    }
    servertest::ServerProcess server(dir.path(), kMarketAtTen);
    ASSERT_TRUE(server.start());
    EXPECT_TRUE(post(server, QStringLiteral("/gpaddsj.asp"), kPhone).contains(QStringLiteral("存在")));
    const info::DigestRecord digest =
        info::parseDigestRecord(servertest::fetchPage(server.url(QStringLiteral("/gpgetnews.asp"))));
    EXPECT_EQ(digest.text, QStringLiteral("收盘点评"));
    EXPECT_EQ(digest.title, QStringLiteral("收盘"));
    const auto listed = community::parseRecommendations(
        servertest::fetchPage(server.url(QStringLiteral("/gpjgshow.asp"))));
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].reason, QStringLiteral("估值偏低"));
    EXPECT_EQ(listed[0].time, QStringLiteral("2026-12-10 10:00:00"));
    // The day's count went through the restart: one more, then the limit.
    EXPECT_TRUE(post(server, QStringLiteral("/gpjg.asp"), kRecommendation).contains(QStringLiteral("成功")));
    EXPECT_TRUE(post(server, QStringLiteral("/gpjg.asp"), kRecommendation).contains(QStringLiteral("超过")));
}

TEST_F(PersistenceTest, AWriteIsCommittedBeforeItsReply)
{
    {
        servertest::ServerProcess server(dir.path());
        ASSERT_TRUE(server.start());
        post(server, QStringLiteral("/gpaddsj.asp"), kPhone);
        server.killHard(); // no chance to flush anything after the reply
    }
    servertest::ServerProcess server(dir.path());
    ASSERT_TRUE(server.start());
    EXPECT_TRUE(post(server, QStringLiteral("/gpaddsj.asp"), kPhone).contains(QStringLiteral("存在")));
}

} // namespace
