// A settings file whose three wave tables hold different numbers of rows (cut short, or written
// by another program): the watched stocks are those of the first wave, and everything that reads
// or edits the list stays inside it.
#include "alerts/alertengine.h"
#include "alerts/alertsettingseditor.h"
#include "alerts/localalerts.h"
#include "quotes/alertquotetable.h"
#include "store/settingsdatabase.h"
#include "support/namedcase.h"
#include "support/rawfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

store::WatchList threeStocks()
{
    return {{"1", "0", "1"},
            {"600036", "000001", "300059"},
            {"招商银行", "平安银行", "东方财富"},
            {"1111", "0110", "1011"},
            {"5", "5", "6"},
            {"6", "6", "5"},
            {"7", "2", "9"},
            {"30", "30", "60"},
            {"1", "1", "1"}};
}

struct RaggedCase {
    const char* name;
    // IDs of the rows taken out of each table (the stocks were saved as IDs 1-3).
    QList<int> firstGone;
    QList<int> secondGone;
    QList<int> thirdGone;
    int stocks;
    // The stocks (by index) that take a new stock's second- or third-wave settings.
    QList<int> secondDefaults;
    QList<int> thirdDefaults;
};

class WaveTablesTest : public ::testing::TestWithParam<RaggedCase> {
protected:
    void SetUp() override
    {
        {
            store::SettingsDatabase database(dir.path());
            database.open();
            database.saveWatchList(threeStocks());
            database.saveSwitches(true, false);
        }
        testsupport::RawFile raw(dir.filePath(QString::fromLatin1(store::SettingsDatabase::fileName)));
        const RaggedCase& c = GetParam();
        for (const auto& [table, gone] : {std::pair{"第一波", c.firstGone}, std::pair{"第二波", c.secondGone},
                                          std::pair{"第三波", c.thirdGone}})
            for (int id : gone)
                ASSERT_TRUE(raw.exec(QStringLiteral("delete from %1 where ID = %2").arg(QString::fromUtf8(table)).arg(id)));
        alerts.createbase();
        alerts.sendbase();
    }

    QTemporaryDir dir;
    alerts::LocalAlerts alerts{dir.path()};
};

TEST_P(WaveTablesTest, LoadEditSaveAndTickStayInsideTheFirstWave)
{
    const RaggedCase& c = GetParam();
    const store::WatchList& watch = alerts.watchList();
    ASSERT_EQ(watch.size(), c.stocks);
    EXPECT_EQ(watch.completeCount(), c.stocks);
    EXPECT_EQ(alerts.state().stockCount(), c.stocks);
    const store::WatchList saved = threeStocks();
    for (int i = 0; i < c.stocks; ++i) {
        const bool second = c.secondDefaults.contains(i);
        const bool third = c.thirdDefaults.contains(i);
        EXPECT_EQ(watch.watchCodes[i], saved.watchCodes[i]);
        EXPECT_EQ(watch.watchFlags[i], second ? "0000" : saved.watchFlags[i]) << i;
        EXPECT_EQ((QStringList{watch.watchRiseFall[i], watch.watchBigTrade[i], watch.watchBigOrder[i]}),
                  second ? QStringList({"5", "4", "4"})
                         : QStringList({saved.watchRiseFall[i], saved.watchBigTrade[i], saved.watchBigOrder[i]}))
            << i;
        EXPECT_EQ((QStringList{watch.watchReportMinutes[i], watch.watchReport[i]}),
                  third ? QStringList({"10", "0"}) : QStringList({saved.watchReportMinutes[i], saved.watchReport[i]}))
            << i;
    }

    // The settings window: every stock selected, every option and choice written, one deleted.
    alerts::AlertSettingsEditor editor;
    editor.open(watch, alerts.phone());
    for (int i = 0; i < c.stocks; ++i) {
        ASSERT_TRUE(editor.select(i));
        for (auto option : {alerts::SettingOption::Broadcast, alerts::SettingOption::LimitFlag,
                            alerts::SettingOption::RiseFallFlag, alerts::SettingOption::BigTradeFlag,
                            alerts::SettingOption::BigOrderFlag, alerts::SettingOption::Report})
            editor.setOption(option, true);
        editor.setChoice(alerts::SettingChoice::RiseFall, QStringLiteral("8"));
        editor.setChoice(alerts::SettingChoice::BigTrade, QStringLiteral("6"));
        editor.setChoice(alerts::SettingChoice::BigOrder, QStringLiteral("6"));
        editor.setChoice(alerts::SettingChoice::ReportMinutes, QStringLiteral("20"));
        EXPECT_EQ(editor.selected()->flags, (std::array<bool, 4>{true, true, true, true}));
    }
    EXPECT_FALSE(editor.select(c.stocks));
    if (c.stocks > 0) {
        editor.select(c.stocks - 1);
        EXPECT_FALSE(editor.removeSelected());
    } else {
        EXPECT_TRUE(editor.removeSelected());
    }
    const int kept = std::max(c.stocks - 1, 0);
    EXPECT_EQ(editor.watchList().completeCount(), kept);

    // The next save writes three tables of equal length.
    alerts.database().saveWatchList(editor.watchList());
    testsupport::RawFile raw(dir.filePath(QString::fromLatin1(store::SettingsDatabase::fileName)));
    for (const char* table : {"第一波", "第二波", "第三波"})
        EXPECT_EQ(raw.column(QStringLiteral("select count(*) from ") + QString::fromUtf8(table)),
                  QStringList{QString::number(kept)})
            << table;

    // One alert tick over the list as read: every stock has its state and is evaluated.
    const QDateTime tenOClock(QDate(2026, 12, 10), QTime(10, 0, 1));
    const alerts::PlannedTick planned = alerts::planTick(watch, true, alerts.state(), tenOClock);
    ASSERT_EQ(planned.plan.codes.size(), c.stocks);
    quotes::AlertQuoteTable table;
    for (const QString& code : planned.plan.codes)
        ASSERT_TRUE(table.append(quotes::QuoteRow(
            {"var q=\"1", code, "股票", "10.00", "9.50%", "0.87", "9.99", "50000", "10.00", "60000",
             "325795", "98956.18", "9.20", "x", "10.00", "9.10", "-7000", "7000"})));
    const alerts::EvaluatedTick evaluated =
        alerts::evaluateTick(planned.plan, table, watch, planned.state, tenOClock);
    EXPECT_TRUE(evaluated.completed);
    EXPECT_EQ(evaluated.state.stockCount(), c.stocks);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WaveTablesTest,
    ::testing::Values(RaggedCase{"secondShorter", {}, {3}, {}, 3, {2}, {}},
                      RaggedCase{"thirdShorter", {}, {}, {2, 3}, 3, {}, {1, 2}},
                      RaggedCase{"bothShorter", {}, {3}, {3}, 3, {2}, {2}},
                      RaggedCase{"firstShorter", {3}, {}, {}, 2, {}, {}},
                      RaggedCase{"firstEmpty", {1, 2, 3}, {}, {}, 0, {}, {}}),
    testsupport::CaseName());

} // namespace
