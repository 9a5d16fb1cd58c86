// The alert settings window TForm3 and the phone window TForm4 in the window set: opening stops
// the alert timers, the edits stay in the window until a save, the save reaches the database,
// the service, the engine, the status bar and the ticker.
#include "shellfixture.h"

#include "alerts/localalerts.h"
#include "alerts/watchedits.h"
#include "store/settingsdatabase.h"
#include "support/phoneservice.h"
#include "ui/main/mainstatusbar.h"
#include "ui/main/toolbarstrip.h"
#include "ui/windowset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using app::MainTimer;

const QString number = QStringLiteral("13812345678");
const QString risingRow = QStringLiteral("600519,贵州茅台,1700.00,1.25%,21.0,1699.9,10,1700.0,12,"
                                         "8000,13600.5,1690.0,x,1710.0,1680.0,10,3,");

class AlertSettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        objects.market.setQuote(QStringLiteral("600519"), risingRow);
        for (const QString& path : testsupport::phoneServicePaths())
            objects.market.http().serve(
                path, [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                    servicePaths << request.url().path();
                    if (serviceDown)
                        responder.write(QHttpServerResponder::StatusCode::InternalServerError);
                    else
                        responder.write(QByteArray("ok"), "text/html");
                });
        store::SettingsDatabase database(objects.dataDir.path());
        database.open();
        store::WatchList list;
        alerts::appendStock(list, QStringLiteral("600036"), QStringLiteral("招商银行"));
        alerts::appendStock(list, QStringLiteral("000001"), QStringLiteral("平安银行"));
        database.saveWatchList(list);
        database.saveSwitches(true, false);

        objects.clock.freezeAt(QDateTime(QDate(2026, 1, 5), QTime(10, 0)));
        set = std::make_unique<ui::WindowSet>(objects.services());
        timers().stop(MainTimer::Timer1);
    }

    app::MainTimers& timers() { return set->mainWindow.timers(); }
    ui::TForm3& window() { return set->alertSettings; }
    template <typename T>
    T& child(QWidget& parent, const char* name)
    {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    QListWidget& list() { return child<QListWidget>(window(), "ListBox1"); }
    QCheckBox& box(const char* name) { return child<QCheckBox>(window(), name); }
    QComboBox& combo(const char* name) { return child<QComboBox>(window(), name); }
    QString label(QWidget& parent, const char* name) { return child<QLabel>(parent, name).text(); }
    void press(QWidget& parent, const char* name) { child<QPushButton>(parent, name).click(); }

    void open() { set->mainWindow.toolBar().button(app::MainCommand::AlertSettings).click(); }
    void add(const QString& code)
    {
        child<QLineEdit>(window(), "Edit1").setText(code);
        press(window(), "BitBtn1");
    }
    void clickRow(int row)
    {
        list().setCurrentRow(row);
        emit list().itemClicked(list().item(row));
    }
    static void clickLink(QWidget& link)
    {
        const QPointF inside(2, 2);
        QMouseEvent pressEvent(QEvent::MouseButtonPress, inside, link.mapToGlobal(inside),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, link.mapToGlobal(inside),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&link, &pressEvent);
        QCoreApplication::sendEvent(&link, &release);
    }
    // A pick from the list with the keyboard, as the user makes it.
    static void pickNext(QComboBox& box)
    {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &down);
    }
    void registerNumber(const QString& typed)
    {
        clickLink(child<QLabel>(window(), "Label14"));
        child<QLineEdit>(set->phone, "Edit1").setText(typed);
        press(set->phone, "BitBtn1");
    }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::WindowSet> set;
    QStringList servicePaths;
    bool serviceDown = false;
};

TEST_F(AlertSettingsWindowTest, OpeningStopsTheAlertTimersAndShowsTheSavedList)
{
    ASSERT_TRUE(timers().isActive(MainTimer::Timer4));
    open();
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(timers().isActive(MainTimer::Timer4));
    EXPECT_FALSE(timers().isActive(MainTimer::Timer5));
    EXPECT_FALSE(set->mainWindow.isEnabled());
    EXPECT_EQ(list().count(), 2);
    EXPECT_EQ(list().item(1)->text(), QStringLiteral("平安银行(000001)"));
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        EXPECT_FALSE(box(name).isEnabled()) << name;
    EXPECT_FALSE(combo("ComboBox1").isEnabled());
    EXPECT_EQ(label(window(), "Label1"), QStringLiteral("13900000000"));
    EXPECT_FALSE(box("CheckBox7").isEnabled());
    EXPECT_TRUE(box("CheckBox8").isChecked());
}

TEST_F(AlertSettingsWindowTest, AddedStockShowsTheDefaultsItsNameAndPrice)
{
    open();
    add(QStringLiteral("600519"));
    ASSERT_EQ(list().count(), 3);
    EXPECT_EQ(list().currentRow(), 2);
    EXPECT_EQ(list().item(2)->text(), QStringLiteral("贵州茅台(600519)"));
    EXPECT_EQ(label(window(), "Label12"), QStringLiteral("贵州茅台"));
    EXPECT_EQ(label(window(), "Label13"), QStringLiteral("最新价:1700.00元"));
    EXPECT_EQ(child<QLabel>(window(), "Label13").palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(box("CheckBox1").isChecked());
    for (const char* name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        EXPECT_FALSE(box(name).isChecked()) << name;
    EXPECT_EQ((QStringList{combo("ComboBox1").currentText(), combo("ComboBox2").currentText(),
                           combo("ComboBox3").currentText(), combo("ComboBox4").currentText()}),
              (QStringList{"5", "4", "4", "10"}));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

TEST_F(AlertSettingsWindowTest, RefusedCodesShowTheirMessages)
{
    open();
    add(QStringLiteral("60003"));
    add(QStringLiteral("600036"));
    add(QStringLiteral("600999"));
    EXPECT_EQ(objects.prompter.errors,
              (QStringList{"必须输入六位股票代码!", "该股票已存在，请重新输入!", "输入的股票代码不存在，请重新输入!"}));
    EXPECT_EQ(list().count(), 2);
}

TEST_F(AlertSettingsWindowTest, OptionControlsWriteAtTheSelectedStock)
{
    open();
    clickRow(1);
    EXPECT_TRUE(box("CheckBox3").isEnabled());
    box("CheckBox3").click();
    pickNext(combo("ComboBox1"));
    pickNext(combo("ComboBox1"));
    EXPECT_EQ(combo("ComboBox1").currentText(), QStringLiteral("7"));
    const store::WatchList& edited = window().editor().watchList();
    EXPECT_EQ(edited.watchFlags, (QStringList{"0000", "0100"}));
    EXPECT_EQ(edited.watchRiseFall, (QStringList{"5", "7"}));

    clickRow(0);
    EXPECT_FALSE(box("CheckBox3").isChecked());
    EXPECT_EQ(combo("ComboBox1").currentText(), QStringLiteral("5"));
}

// The keyboard moves the highlighted row: the options then show that stock and "删除" deletes
// it, not the one clicked before.
TEST_F(AlertSettingsWindowTest, TheKeyboardsRowIsTheStockTheOptionsAndDeleteActOn)
{
    struct Move {
        int clicked;
        Qt::Key key;
        const char* highlighted;
        const char* kept;
    };
    for (const Move& move : {Move{0, Qt::Key_Down, "平安银行", "招商银行(600036)"},
                             Move{0, Qt::Key_End, "平安银行", "招商银行(600036)"},
                             Move{1, Qt::Key_Up, "招商银行", "平安银行(000001)"},
                             Move{1, Qt::Key_Home, "招商银行", "平安银行(000001)"}}) {
        open();
        clickRow(move.clicked);
        list().setFocus();
        QKeyEvent keyPress(QEvent::KeyPress, move.key, Qt::NoModifier);
        QCoreApplication::sendEvent(&list(), &keyPress);
        SCOPED_TRACE(move.highlighted);
        EXPECT_EQ(label(window(), "Label12"), QString::fromUtf8(move.highlighted));
        EXPECT_EQ(window().editor().selectedStock(), list().currentRow());

        box("CheckBox2").click();
        EXPECT_EQ(window().editor().watchList().watchFlags.value(list().currentRow()), QStringLiteral("1000"));
        press(window(), "BitBtn2");
        ASSERT_EQ(list().count(), 1);
        EXPECT_EQ(list().item(0)->text(), QString::fromUtf8(move.kept));

        objects.prompter.answer = true;
        press(window(), "BitBtn4");
    }
}

TEST_F(AlertSettingsWindowTest, LeavingWithoutSavingKeepsTheSavedListEverywhere)
{
    const store::WatchList saved = set->mainWindow.localAlerts().watchList();
    open();
    clickRow(0);
    press(window(), "BitBtn2");
    EXPECT_EQ(list().count(), 1);

    objects.prompter.answer = false;
    press(window(), "BitBtn4");
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(timers().isActive(MainTimer::Timer4));

    objects.prompter.answer = true;
    press(window(), "BitBtn4");
    EXPECT_EQ(objects.prompter.questions.last(), QStringLiteral(" 确实不要保存所作的修改吗？"));
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(set->mainWindow.isEnabled());
    EXPECT_TRUE(timers().isActive(MainTimer::Timer4));
    EXPECT_EQ(set->mainWindow.localAlerts().watchList(), saved);
    EXPECT_EQ(set->mainWindow.localAlerts().database().readWatchList(), saved);
    EXPECT_TRUE(servicePaths.isEmpty());

    open();
    EXPECT_EQ(list().count(), 2);
}

TEST_F(AlertSettingsWindowTest, DeletingTheOnlyStocksLeavesTheControlsOff)
{
    open();
    clickRow(0);
    press(window(), "BitBtn2");
    EXPECT_EQ(list().currentRow(), 0);
    press(window(), "BitBtn2");
    EXPECT_EQ(list().count(), 0);
    EXPECT_FALSE(box("CheckBox1").isEnabled());
    press(window(), "BitBtn2");
    EXPECT_EQ(objects.prompter.errors, QStringList{QStringLiteral("请选择要删除的股票")});
}

TEST_F(AlertSettingsWindowTest, PhoneWindowRegistersTheNumberForTheSettings)
{
    open();
    clickLink(child<QLabel>(window(), "Label14"));
    EXPECT_TRUE(set->phone.isVisible());
    EXPECT_FALSE(window().isEnabled());
    EXPECT_EQ(child<QGroupBox>(set->phone, "GroupBox1").title(), QStringLiteral("新添加手机号码"));
    EXPECT_EQ(label(set->phone, "Label1"), QStringLiteral("您尚未添加要接收股价的手机号码！"));

    child<QLineEdit>(set->phone, "Edit1").setText(QStringLiteral("1381234567"));
    press(set->phone, "BitBtn1");
    EXPECT_EQ(objects.prompter.errors, QStringList{QStringLiteral("必须输入11位手机号码!")});
    EXPECT_TRUE(servicePaths.isEmpty());
    EXPECT_TRUE(set->phone.isVisible());

    child<QLineEdit>(set->phone, "Edit1").setText(number);
    press(set->phone, "BitBtn1");
    EXPECT_EQ(servicePaths, QStringList{"/gpaddsj.asp"});
    EXPECT_FALSE(set->phone.isVisible());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_EQ(label(window(), "Label1"), number);
    EXPECT_TRUE(box("CheckBox7").isEnabled());
    EXPECT_EQ(set->mainWindow.localAlerts().database().readPhone().number, number);

    // Opened again, it offers to replace the number on record.
    clickLink(child<QLabel>(window(), "Label14"));
    EXPECT_EQ(child<QGroupBox>(set->phone, "GroupBox1").title(), QStringLiteral("更改手机号码"));
    EXPECT_EQ(child<QLineEdit>(set->phone, "Edit1").text(), number);
    set->phone.close();
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(AlertSettingsWindowTest, SaveReachesDatabaseServiceEngineStatusBarAndTicker)
{
    open();
    registerNumber(number);
    servicePaths.clear();
    box("CheckBox7").click();
    add(QStringLiteral("600519"));
    box("CheckBox6").click();
    press(window(), "BitBtn3");

    EXPECT_EQ(servicePaths, (QStringList{"/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp", "/gpadd1.asp", "/gpadd1.asp",
                                         "/gpdel2.asp", "/gpadd2.asp", "/gpadd2.asp", "/gpadd2.asp",
                                         "/gpdel3.asp", "/gpadd3.asp"}));
    EXPECT_EQ(objects.prompter.messages.last(), QStringLiteral("所有记录保存成功！"));
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(set->mainWindow.isEnabled());
    EXPECT_TRUE(timers().isActive(MainTimer::Timer4));
    EXPECT_EQ(set->mainWindow.statusBar().panel(1).text(), QStringLiteral("本机监视股价：启用  手机接收股价：启用"));
    const store::WatchList& live = set->mainWindow.localAlerts().watchList();
    EXPECT_EQ(live.watchCodes, (QStringList{"600036", "000001", "600519"}));
    EXPECT_EQ(live.watchReport, (QStringList{"0", "0", "1"}));
    EXPECT_EQ(set->mainWindow.localAlerts().database().readWatchList(), live);
    // Three rows rebuilt by the save: 15 pixels a stock.
    EXPECT_EQ(set->ticker.height(), 165);
}

TEST_F(AlertSettingsWindowTest, FailingServiceKeepsTheWindowOpenAndTheTimersOff)
{
    open();
    registerNumber(number);
    box("CheckBox7").click();
    add(QStringLiteral("600519"));
    serviceDown = true;
    press(window(), "BitBtn3");
    EXPECT_EQ(objects.prompter.errors, QStringList{QStringLiteral("当前服务器故障，请联系作者!")});
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(set->mainWindow.isEnabled());
    EXPECT_FALSE(timers().isActive(MainTimer::Timer4));
    EXPECT_EQ(set->mainWindow.localAlerts().watchList().size(), 2);

    serviceDown = false;
    press(window(), "BitBtn3");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(set->mainWindow.localAlerts().watchList().size(), 3);
}

} // namespace
