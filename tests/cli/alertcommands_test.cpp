// The watch list, the switches and the headless engine of lantuo-cli, on the settings database
// in the program's own data folder.
#include "clifixture.h"

#include "alerts/watchedits.h"
#include "store/settingsdatabase.h"
#include "support/namedcase.h"
#include "support/rawfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using testsupport::PrintTo;

// 600036 at +9.80 % with a 5000-lot buy and 23000 lots at the best bid.
const QByteArray hotRow = "600036,招商银行,33.21,9.80%,2.96,33.20,23000,33.21,2586,325795,98956.18,"
                          "30.39,30.21,33.21,30.14,5000,5000,";

QStringList texts(const QJsonValue& array)
{
    QStringList values;
    for (const QJsonValue& v : array.toArray())
        values << v.toString();
    return values;
}

struct EditCase {
    const char* name;
    QStringList arguments;
    const char* refusal; // null: saved
};

class CliWatchEditTest : public CliTest, public ::testing::WithParamInterface<EditCase> {};

// Every refusal exits 2 with its message and leaves the database as it was.
TEST_P(CliWatchEditTest, RefusalsWriteNothing)
{
    const EditCase& c = GetParam();
    ASSERT_EQ(run(withConfig({"watch", "add", "600036"})).exitCode, 0);
    const QJsonObject before = run(withConfig({"watch"})).json;

    const CliRun r = run(withConfig(QStringList{"watch"} + c.arguments));

    EXPECT_EQ(r.exitCode, 2) << r.standardError.toStdString();
    EXPECT_TRUE(r.standardError.contains(QString::fromUtf8(c.refusal))) << r.standardError.toStdString();
    EXPECT_EQ(run(withConfig({"watch"})).json, before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliWatchEditTest,
    ::testing::Values(EditCase{"sameCodeTwice", {"add", "600036"}, "该股票已存在，请重新输入!"},
                      EditCase{"fiveDigits", {"add", "60003"}, "必须输入六位股票代码!"},
                      EditCase{"letters", {"add", "60a036"}, "必须输入六位股票代码!"},
                      EditCase{"unknownCode", {"add", "600999"}, "输入的股票代码不存在，请重新输入!"},
                      EditCase{"flagsTooShort", {"set", "600036", "--flags", "101"}, "four characters"},
                      EditCase{"flagsNotBinary", {"set", "600036", "--flags", "1201"}, "four characters"},
                      EditCase{"riseTooLarge", {"set", "600036", "--rise", "10"}, "2 to 9"},
                      EditCase{"riseTooSmall", {"set", "600036", "--rise", "1"}, "2 to 9"},
                      EditCase{"sevenDigitTrades", {"set", "600036", "--trade", "7"}, "4, 5 or 6"},
                      EditCase{"threeDigitOrders", {"set", "600036", "--order", "3"}, "4, 5 or 6"},
                      EditCase{"fifteenMinutes", {"set", "600036", "--minutes", "15"}, "10, 20, 30 or 60"},
                      EditCase{"broadcastTwo", {"set", "600036", "--broadcast", "2"}, "0 or 1"},
                      EditCase{"goodAndBadTogether", {"set", "600036", "--rise", "7", "--report", "yes"}, "0 or 1"},
                      EditCase{"notWatched", {"set", "000001", "--flags", "1111"}, "000001 is not watched"},
                      EditCase{"removeNotWatched", {"remove", "000001"}, "000001 is not watched"}),
    testsupport::CaseName());

TEST_F(CliTest, WatchAddSetAndRemoveGoThroughTheSave)
{
    feedRows.insert("000001", "000001,平安银行,10.09,-0.39%,-0.04,10.09,713,10.10,2144,384241,"
                              "38904.28,10.09,10.13,10.19,10.06,-126,126,");
    ASSERT_EQ(run(withConfig({"watch", "add", "600036"})).exitCode, 0);
    const CliRun added = run(withConfig({"watch", "add", "000001"}));
    ASSERT_EQ(added.exitCode, 0) << added.standardError.toStdString();
    EXPECT_EQ(texts(added.json["watchCodes"]), (QStringList{"600036", "000001"}));
    EXPECT_EQ(texts(added.json["watchNames"]), (QStringList{"招商银行", "平安银行"}));
    EXPECT_EQ(texts(added.json["watchFlags"]), (QStringList{"0000", "0000"}));

    const CliRun set = run(withConfig({"watch", "set", "000001", "--broadcast", "0", "--flags", "0100",
                                       "--rise", "7", "--trade", "5", "--order", "6", "--report", "1",
                                       "--minutes", "30"}));
    ASSERT_EQ(set.exitCode, 0) << set.standardError.toStdString();
    const QJsonObject w = run(withConfig({"watch"})).json;
    EXPECT_EQ(texts(w["watchBroadcast"]), (QStringList{"1", "0"}));
    EXPECT_EQ(texts(w["watchFlags"]), (QStringList{"0000", "0100"}));
    EXPECT_EQ(texts(w["watchRiseFall"]), (QStringList{"5", "7"}));
    EXPECT_EQ(texts(w["watchBigTrade"]), (QStringList{"4", "5"}));
    EXPECT_EQ(texts(w["watchBigOrder"]), (QStringList{"4", "6"}));
    EXPECT_EQ(texts(w["watchReport"]), (QStringList{"0", "1"}));
    EXPECT_EQ(texts(w["watchReportMinutes"]), (QStringList{"10", "30"}));

    const CliRun removed = run(withConfig({"watch", "remove", "600036"}));
    ASSERT_EQ(removed.exitCode, 0);
    EXPECT_EQ(texts(removed.json["watchCodes"]), QStringList{"000001"});
    EXPECT_EQ(texts(removed.json["watchFlags"]), QStringList{"0100"});
}

TEST_F(CliTest, SwitchesShowInTheStatusText)
{
    EXPECT_EQ(run(withConfig({"switches"})).json["status"].toString(), "本机监视股价：停止  手机接收股价：停止");
    const CliRun on = run(withConfig({"switches", "--local", "1"}));
    EXPECT_EQ(on.json["status"].toString(), "本机监视股价：启用  手机接收股价：停止");
    const CliRun both = run(withConfig({"switches", "--remote", "1"}));
    EXPECT_TRUE(both.json["localAlerts"].toBool());
    EXPECT_TRUE(both.json["remoteAlerts"].toBool());
    const CliRun bad = run(withConfig({"switches", "--local", "on"}));
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(run(withConfig({"switches"})).json["localAlerts"].toBool());
    EXPECT_EQ(run(withConfig({"switches", "--loud", "1"})).exitCode, 64);
}

// The engine's events in order, five seconds apart: the limit, the big trade and the rise on the
// first tick (the limit stops the order alert); held back on the next ones.
TEST_F(CliTest, AlertTicksListEveryEventInOrder)
{
    feedRows.insert("600036", hotRow);
    run(withConfig({"watch", "add", "600036"}));
    run(withConfig({"watch", "set", "600036", "--flags", "1111"}));
    run(withConfig({"switches", "--local", "1"}));

    const CliRun r = run(withConfig({"--at", "2026-12-10 10:21:05", "alerts", "--ticks", "3"}));

    ASSERT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(r.json["ticks"].toInt(), 3);
    const QJsonArray events = r.json["events"].toArray();
    ASSERT_EQ(events.size(), 3);
    EXPECT_EQ(events[0]["kind"].toString(), "limit");
    EXPECT_EQ(events[0]["firstLine"].toString(), "注意:招商银行(600036) 股价接近涨停或已涨停");
    EXPECT_EQ(events[0]["secondLine"].toString(), "最新价:33.21 涨:2.96元 幅度:9.80% ↑ 成交量:325795手");
    EXPECT_EQ(events[0]["direction"].toString(), "up");
    EXPECT_EQ(events[1]["firstLine"].toString(), "注意:招商银行(600036)在10:21:05有5000手大买单成交");
    EXPECT_EQ(events[2]["kind"].toString(), "riseFall");
    EXPECT_EQ(events[2]["at"].toString(), "2026-12-10 10:21:05");
}

TEST_F(CliTest, AlertTicksBroadcastAtTheOpeningOnceAndRestOnSaturday)
{
    run(withConfig({"watch", "add", "600036"}));
    run(withConfig({"switches", "--local", "1"}));

    const CliRun opening = run(withConfig({"--at", "2026-12-10 09:29:55", "alerts", "--ticks", "4"}));
    const QJsonArray events = opening.json["events"].toArray();
    ASSERT_EQ(events.size(), 1) << opening.standardError.toStdString();
    EXPECT_EQ(events[0]["title"].toString(), "现在(09:29:55)播报开盘价");
    EXPECT_EQ(events[0]["rows"][0]["price"].toString(), "12.50");
    EXPECT_EQ(events[0]["rows"][0]["change"].toString(), "-1.25%↓");

    const CliRun saturday = run(withConfig({"--at", "2026-12-12 09:29:00", "alerts"}));
    EXPECT_TRUE(saturday.json["events"].toArray().isEmpty());
    EXPECT_EQ(server.requestCount("/EM_Quote2007/optional.aspx"), 4 + 1);
}

// --follow prints each event as one line the moment it is raised and runs until stopped.
TEST_F(CliTest, FollowPrintsEachEventAsALine)
{
    feedRows.insert("600036", hotRow);
    run(withConfig({"watch", "add", "600036"}));
    run(withConfig({"watch", "set", "600036", "--flags", "0100"}));
    run(withConfig({"switches", "--local", "1"}));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dir.path() + "/data");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LANTUO_CLI_BIN),
                  withConfig({"--at", "2026-12-10 10:21:05", "alerts", "--follow"}));

    QElapsedTimer waited;
    waited.start();
    while (!process.canReadLine() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QJsonObject event = QJsonDocument::fromJson(process.readLine()).object();
    process.kill();
    process.waitForFinished();

    EXPECT_EQ(event["kind"].toString(), "riseFall");
    EXPECT_EQ(event["firstLine"].toString(), "注意:招商银行(600036) 涨幅超过9.80%");
    EXPECT_EQ(event["at"].toString().left(16), "2026-12-10 10:21");
}

TEST_F(CliTest, AlertTickWithAnUnreachableFeedFailsQuietly)
{
    run(withConfig({"watch", "add", "600036"}));
    run(withConfig({"switches", "--local", "1"}));
    writeConfig("http://127.0.0.1:1");
    const CliRun r = run(withConfig({"--at", "2026-12-10 10:00:00", "alerts", "--ticks", "2"}));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.json["failedTicks"].toArray().size(), 2);
}

// A save killed at any moment leaves the old list or the new one in all three tables.
TEST_F(CliTest, SaveKilledAtAnyMomentLeavesOneWholeList)
{
    QDir().mkpath(dataFolder());
    store::WatchList before;
    for (int i = 0; i < 600; ++i)
        alerts::appendStock(before, QStringLiteral("%1").arg(300000 + i), QStringLiteral("股票"));
    {
        store::SettingsDatabase database(dataFolder());
        database.open();
        database.saveWatchList(before);
    }
    store::WatchList after = before;
    after.watchFlags[599] = QStringLiteral("1111");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dir.path() + "/data");
    int killed = 0;
    for (int attempt = 0; attempt < 25; ++attempt) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(LANTUO_CLI_BIN),
                      withConfig({"watch", "set", "300599", "--flags", attempt % 2 ? "0000" : "1111"}));
        ASSERT_TRUE(process.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        killed += process.state() == QProcess::Running;
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished();

        store::SettingsDatabase database(dataFolder());
        database.open();
        const store::WatchList now = database.readWatchList();
        ASSERT_TRUE(now == before || now == after) << "attempt " << attempt;
        before = now;
        after = now;
        after.watchFlags[599] = attempt % 2 ? QStringLiteral("1111") : QStringLiteral("0000");
    }
    EXPECT_GT(killed, 0);
}

} // namespace

// The engine's sessions are whole seconds: a run that starts in the closed second 13:00:00 (or
// 9:30:00) raises no event alert, however far into that second its clock has run; at 13:00:01 it
// does.
TEST_F(CliTest, AlertTicksInAClosedSecondRaiseNoEventAlert)
{
    feedRows.insert("600036", hotRow);
    run(withConfig({"watch", "add", "600036"}));
    run(withConfig({"watch", "set", "600036", "--flags", "0100"}));
    run(withConfig({"switches", "--local", "1"}));
    const auto kinds = [this](const char* at) {
        const CliRun r = run(withConfig({"--at", at, "alerts"}));
        EXPECT_EQ(r.exitCode, 0) << r.standardError.toStdString();
        QStringList kinds;
        for (const QJsonValue& event : r.json["events"].toArray())
            kinds << event["kind"].toString(event["type"].toString());
        return kinds;
    };
    EXPECT_EQ(kinds("2026-12-09 13:00:00"), QStringList());
    EXPECT_EQ(kinds("2026-12-09 09:30:00"), QStringList{"broadcast"});
    EXPECT_EQ(kinds("2026-12-09 13:00:01"), QStringList{"riseFall"});
}

// A file whose second wave lost its last row: the third stock takes a new stock's settings there
// and can be edited like the others; the save writes the tables whole again.
TEST_F(CliTest, WatchSetOnAStockWhoseSecondWaveRowIsMissing)
{
    QDir().mkpath(dataFolder());
    {
        store::SettingsDatabase database(dataFolder());
        database.open();
        store::WatchList watch;
        for (const char* code : {"600036", "000001", "300059"})
            alerts::appendStock(watch, QString::fromLatin1(code), QStringLiteral("股票"));
        database.saveWatchList(watch);
    }
    {
        testsupport::RawFile raw(dataFolder() + QStringLiteral("/gpbd0856.dat"));
        ASSERT_TRUE(raw.exec(QStringLiteral("delete from 第二波 where ID = 3")));
    }
    EXPECT_EQ(texts(run(withConfig({"watch"})).json["watchFlags"]), (QStringList{"0000", "0000", "0000"}));

    const CliRun set = run(withConfig({"watch", "set", "300059", "--flags", "1111", "--rise", "7"}));

    ASSERT_EQ(set.exitCode, 0) << set.standardError.toStdString();
    EXPECT_EQ(texts(set.json["watchFlags"]), (QStringList{"0000", "0000", "1111"}));
    EXPECT_EQ(texts(set.json["watchRiseFall"]), (QStringList{"5", "5", "7"}));
    testsupport::RawFile raw(dataFolder() + QStringLiteral("/gpbd0856.dat"));
    EXPECT_EQ(raw.column(QStringLiteral("select count(*) from 第二波")), QStringList{"3"});
}
