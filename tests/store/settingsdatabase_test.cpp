#include "store/settingsdatabase.h"

#include "support/namedcase.h"
#include "support/rawfile.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

using store::SettingsDatabase;
using store::SettingsError;
using testsupport::RawFile;

store::WatchList threeStocks()
{
    return {{"1", "0", "1"},
            {"600036", "000001", "300059"},
            {"招商银行", "平安银行", "东方财富"},
            {"1000", "0110", "1111"},
            {"4", "5", "6"},
            {"4", "6", "5"},
            {"5", "2", "9"},
            {"10", "30", "60"},
            {"0", "1", "0"}};
}

class SettingsDatabaseTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QString::fromLatin1(SettingsDatabase::fileName)); }

    QTemporaryDir dir;
};

TEST_F(SettingsDatabaseTest, FirstStartCreatesTheFourTablesEmpty)
{
    SettingsDatabase database(dir.path());
    database.open();

    ASSERT_TRUE(QFile::exists(path()));
    RawFile raw(path());
    const QStringList expected[] = {
        {"ID", "手机号码", "本地发", "远程发", "状态", "设置日期"},
        {"ID", "是否发", "股票代码", "股票名称"},
        {"ID", "综合", "涨停", "大单成交", "大单买卖", "涨跌幅", "股票代码", "股票名称"},
        {"ID", "是否发", "时间间隔", "股票代码", "股票名称"},
    };
    int t = 0;
    for (const char* table : {"手机", "第一波", "第二波", "第三波"}) {
        EXPECT_EQ(raw.column(QStringLiteral("select name from pragma_table_info('%1')").arg(QString::fromUtf8(table))),
                  expected[t++])
            << table;
        EXPECT_EQ(raw.column(QStringLiteral("select count(*) from ") + QString::fromUtf8(table)),
                  QStringList{"0"});
    }
    EXPECT_EQ(database.readWatchList(), store::WatchList{});
    const store::PhoneRecord phone = database.readPhone();
    EXPECT_TRUE(phone.number.isEmpty());
    EXPECT_FALSE(phone.localAlerts);
    EXPECT_FALSE(phone.remoteAlerts);
}

// Row i of each wave table belongs to stock i; a later save replaces the whole list.
TEST_F(SettingsDatabaseTest, SavedListComesBackInOrderAndASaveReplacesIt)
{
    SettingsDatabase database(dir.path());
    database.open();
    database.saveWatchList(threeStocks());

    EXPECT_EQ(database.readWatchList(), threeStocks());
    RawFile raw(path());
    for (const char* table : {"第一波", "第二波", "第三波"})
        EXPECT_EQ(raw.column(QStringLiteral("select 股票代码 from %1 order by ID").arg(QString::fromUtf8(table))),
                  (QStringList{"600036", "000001", "300059"}))
            << table;

    store::WatchList shorter = threeStocks();
    for (QStringList* list : {&shorter.watchBroadcast, &shorter.watchCodes, &shorter.watchNames,
                              &shorter.watchFlags, &shorter.watchBigTrade, &shorter.watchBigOrder,
                              &shorter.watchRiseFall, &shorter.watchReportMinutes, &shorter.watchReport})
        list->removeFirst();
    database.saveWatchList(shorter);
    EXPECT_EQ(database.readWatchList(), shorter);
    EXPECT_EQ(raw.column(QStringLiteral("select count(*) from 第二波")), QStringList{"2"});
}

struct SwitchCase {
    const char* name;
    bool local;
    bool remote;
    const char* status;
};

class SwitchTest : public SettingsDatabaseTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, PhoneRowHoldsTheSwitchesAndTheStatusTextFollows)
{
    const SwitchCase& c = GetParam();
    SettingsDatabase database(dir.path());
    database.open();
    database.saveSwitches(!c.local, !c.remote);
    database.saveSwitches(c.local, c.remote);

    const store::PhoneRecord phone = database.readPhone();
    EXPECT_EQ(phone.localAlerts, c.local);
    EXPECT_EQ(phone.remoteAlerts, c.remote);
    EXPECT_EQ(store::alertStatusText(phone.localAlerts, phone.remoteAlerts), QString::fromUtf8(c.status));
    EXPECT_EQ(RawFile(path()).column(QStringLiteral("select count(*) from 手机")), QStringList{"1"});
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchTest,
    ::testing::Values(SwitchCase{"bothOff", false, false, "本机监视股价：停止  手机接收股价：停止"},
                      SwitchCase{"localOnly", true, false, "本机监视股价：启用  手机接收股价：停止"},
                      SwitchCase{"remoteOnly", false, true, "本机监视股价：停止  手机接收股价：启用"},
                      SwitchCase{"both", true, true, "本机监视股价：启用  手机接收股价：启用"}),
    testsupport::CaseName());

struct BadFileCase {
    const char* name;
    QByteArray bytes;
    const char* sql; // run on a fresh database instead, when bytes are empty
};

class BadFileTest : public SettingsDatabaseTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFileTest, IsRefusedAndLeftAlone)
{
    const BadFileCase& c = GetParam();
    if (c.sql) {
        RawFile(path()).exec(QString::fromUtf8(c.sql));
    } else {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
    }
    QFile before(path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();

    SettingsDatabase database(dir.path());
    EXPECT_THROW(database.open(), SettingsError);

    QFile after(path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(BadFileCase{"notADatabase", QByteArray(4096, 'x'), nullptr},
                      BadFileCase{"textFile", "本机监视股价\n", nullptr},
                      BadFileCase{"otherTablesOnly", {}, "create table 手机(ID integer)"}),
    testsupport::CaseName());

// A creation cut off before its tables were committed leaves an empty file; the next start makes
// the tables instead of failing for ever.
TEST_F(SettingsDatabaseTest, EmptyFileGetsItsTables)
{
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SettingsDatabase database(dir.path());
    database.open();
    database.saveWatchList(threeStocks());
    EXPECT_EQ(database.readWatchList(), threeStocks());
}

TEST_F(SettingsDatabaseTest, LockedFileFailsInsteadOfHanging)
{
    {
        SettingsDatabase database(dir.path());
        database.open();
    }
    RawFile other(path());
    ASSERT_TRUE(other.exec(QStringLiteral("begin exclusive")));
    SettingsDatabase database(dir.path());
    EXPECT_THROW(
        {
            database.open();
            database.saveWatchList(threeStocks());
        },
        SettingsError);
    other.exec(QStringLiteral("rollback"));
}

// A value that does not fit its column refuses the whole save: the old list stays.
TEST_F(SettingsDatabaseTest, RefusedSaveChangesNothing)
{
    SettingsDatabase database(dir.path());
    database.open();
    database.saveWatchList(threeStocks());
    for (auto spoil : {+[](store::WatchList& w) { w.watchBigTrade[2] = QStringLiteral("many"); },
                       +[](store::WatchList& w) { w.watchCodes[1] = QStringLiteral("6000360"); },
                       +[](store::WatchList& w) { w.watchFlags[0] = QStringLiteral("11110"); },
                       +[](store::WatchList& w) { w.watchReport.removeLast(); }}) {
        store::WatchList spoilt = threeStocks();
        spoilt.watchBroadcast[0] = QStringLiteral("0");
        spoil(spoilt);
        EXPECT_THROW(database.saveWatchList(spoilt), SettingsError);
        EXPECT_EQ(database.readWatchList(), threeStocks());
    }
}

TEST_F(SettingsDatabaseTest, BroadcastSwitchThatIsNotANumberFailsTheLoad)
{
    SettingsDatabase database(dir.path());
    database.open();
    database.saveWatchList(threeStocks());
    RawFile(path()).exec(QStringLiteral("update 第一波 set 是否发 = 'y' where 股票代码 = '000001'"));
    EXPECT_THROW(database.readWatchList(), SettingsError);
}

} // namespace
