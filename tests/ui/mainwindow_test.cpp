#include "shellfixture.h"

#include "app/placement.h"
#include "net/silentabort.h"
#include "support/namedcase.h"
#include "ui/main/mainstatusbar.h"
#include "ui/main/playerarea.h"
#include "ui/main/toolbarstrip.h"
#include "ui/mainwindow.h"
#include "ui/splashwindow.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <stdexcept>

namespace {

using testsupport::PrintTo;

using app::MainTimer;

// A splash and a main window that has not been shown yet, so a test can add steps to the
// first show before it runs. A recording step at the end counts how often the sequence ran.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { build(); }

    void build()
    {
        splash = std::make_unique<ui::TForm12>();
        window = std::make_unique<ui::TForm1>(
            objects.services(), *splash, false);
        window->tables().firstShow.setBeforeStep([this](const QString& name) {
            if (failBefore == name) {
                if (failSilently)
                    net::abortSilently();
                throw std::runtime_error("broken step");
            }
            stepsRun << name;
            // The last step of the table: the sequence got to its end.
            if (name == app::firstshow::flowMonitorTimer)
                ++sequenceRuns;
        });
    }

    // Runs the first show and lets the splash timer fire.
    void showAndSettle()
    {
        window->show();
        ASSERT_TRUE(uitest::processEventsUntil([this] { return splash->isHidden(); }));
    }

    template <typename T>
    T* child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // The offscreen screen is narrower than the main window, and the platform keeps a window
    // that hangs past the left edge a little further in; the rounding itself is tested with the
    // placement logic.
    void expectCentred() const
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint want = app::centredOn(screen, window->size());
        EXPECT_EQ(window->pos().y(), want.y());
        if (window->width() <= screen.width()) {
            EXPECT_EQ(window->pos().x(), want.x());
        }
    }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::TForm12> splash;
    std::unique_ptr<ui::TForm1> window;
    int sequenceRuns = 0;
    // The first show's steps as they began, and the one made to fail, if any.
    QStringList stepsRun;
    QString failBefore;
    bool failSilently = true;
};

TEST_F(MainWindowTest, HasItsCaptionSizeBorderAndFont)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("岚拓股票情报系统V3.3"));
    EXPECT_EQ(window->size(), QSize(931, 628));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->font().families(),
              (QStringList{"SimSun", "Noto Serif CJK SC", "Noto Sans CJK SC"}));
    EXPECT_EQ(window->font().pixelSize(), 14);
}

TEST_F(MainWindowTest, ToolBarHoldsTheButtonsInOrderThenCodeBoxAndIndexBox)
{
    struct Button {
        const char* text;
        const char* hint;
    };
    const std::vector<Button> expected = {
        {"提示设置", "设置股价预警及飞信提示设置"},
        {"荐股交流", "网友荐股交流"},
        {"桌面股票", "半透明显示您设置的股票价格变动"},
        {"私募密函", "查看昨日重要财经信息"},
        {"盘后选股", ""},
        {"精选个股", ""},
        {"联系作者", ""},
        {"独家信息", ""},
    };
    const QWidget* bar = child<QWidget>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 931, 55));
    std::vector<QToolButton*> buttons;
    for (QToolButton* button : bar->findChildren<QToolButton*>())
        if (button->objectName().startsWith(QLatin1String("ToolButton")))
            buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(),
              [](const QToolButton* a, const QToolButton* b) { return a->x() < b->x(); });
    ASSERT_EQ(buttons.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(buttons[i]->text(), QString::fromUtf8(expected[i].text)) << i;
        EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(expected[i].hint)) << i;
    }

    const QLineEdit& edit = window->toolBar().codeBox();
    EXPECT_EQ(edit.objectName(), QStringLiteral("Edit1"));
    EXPECT_EQ(edit.maxLength(), 6);
    EXPECT_GT(edit.x(), buttons.back()->geometry().right());
    EXPECT_EQ(window->toolBar().lookupButton().objectName(), QStringLiteral("Image17"));
    EXPECT_GT(window->toolBar().lookupButton().x(), edit.geometry().right());
    QStringList labels;
    for (const QLabel* label : bar->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("输入股票代码：")));
    EXPECT_EQ(child<QLabel>("Label31")->text(), QStringLiteral("上证:"));
    EXPECT_EQ(child<QLabel>("Label32")->text(), QStringLiteral("深成："));
    EXPECT_EQ(child<QLabel>("Label31")->width(), 231);
}

TEST_F(MainWindowTest, RegionsStandAtTheirPlaces)
{
    EXPECT_EQ(child<QWidget>("quotePanel")->geometry(), QRect(0, 56, 400, 177));
    EXPECT_EQ(child<QWidget>("playerArea")->geometry(), QRect(1, 236, 400, 366));
    EXPECT_EQ(child<QWidget>("rightColumn")->geometry().topLeft(), QPoint(400, 24));
    EXPECT_EQ(child<QWidget>("StatusBar1")->geometry(), QRect(0, 600, 931, 28));
    for (const char* name : {"WebBrowser1", "WebBrowser5", "WebBrowser66", "WebBrowser7"})
        EXPECT_NE(child<QWebEngineView>(name), nullptr) << name;
    EXPECT_EQ(child<QGroupBox>("GroupBox1")->geometry(), QRect(6, 43, 520, 165));
    EXPECT_EQ(child<QTableWidget>("StringGrid1")->parentWidget()->objectName(),
              QStringLiteral("GroupBox1"));
    EXPECT_NE(child<QGroupBox>("GroupBox5"), nullptr);
    EXPECT_NE(child<QWidget>("Chart1"), nullptr);
    EXPECT_EQ(child<QWidget>("Panel6")->geometry(), QRect(285, 319, 84, 22));
    EXPECT_TRUE(child<QWidget>("Panel6")->isHidden());
    EXPECT_EQ(child<QWebEngineView>("WebBrowser66")->geometry(), QRect(22, 21, 296, 32));
    EXPECT_EQ(child<QLabel>("Label48")->text(), QStringLiteral("快讯(正在搜索......)"));
    // The stock-pool box lies in front of the comment box at start.
    const QWidget* column = child<QWidget>("rightColumn");
    const QObjectList& order = column->children();
    EXPECT_GT(order.indexOf(child<QGroupBox>("GroupBox7")), order.indexOf(child<QGroupBox>("GroupBox1")));
}

TEST_F(MainWindowTest, StatusBarHasFourPanelsTheFirstNamingTheSystem)
{
    EXPECT_EQ(window->statusBar().panel(0).width(), 120);
    EXPECT_EQ(window->statusBar().panel(1).width(), 225);
    EXPECT_EQ(window->statusBar().panel(2).width(), 205);
    EXPECT_GE(window->statusBar().panel(3).width(), 50);
    EXPECT_EQ(window->statusBar().panel(0).text(), QStringLiteral("综合股票情报系统V3.3"));
    // Nothing clipped: the title fits its panel.
    const QLabel& first = window->statusBar().panel(0);
    EXPECT_LE(first.fontMetrics().horizontalAdvance(first.text()), first.contentsRect().width());
}

// Pages and the service fill labels later; none of them may be read as markup.
TEST_F(MainWindowTest, EveryLabelShowsPlainText)
{
    for (const QLabel* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(MainWindowTest, FirstShowRunsItsStepsOnce)
{
    window->move(3, 3);
    showAndSettle();

    EXPECT_TRUE(window->firstShowDone());
    EXPECT_EQ(sequenceRuns, 1);
    expectCentred();
    for (MainTimer id : {MainTimer::Timer1, MainTimer::Timer4, MainTimer::Timer5, MainTimer::Timer7})
        EXPECT_TRUE(window->timers().isActive(id));
    EXPECT_FALSE(window->timers().isActive(MainTimer::Timer8));
    EXPECT_TRUE(splash->isHidden());

    app::MainClients& clients = window->clients();
    EXPECT_EQ(clients.idHttp1.readTimeout(), 6000);
    EXPECT_EQ(clients.idHttp2.readTimeout(), 6000);
    EXPECT_EQ(clients.idHttp5.readTimeout(), 6000);
    EXPECT_EQ(clients.idHttp3.readTimeout(), 0);
    EXPECT_EQ(clients.idHttp4.readTimeout(), 0);
    EXPECT_EQ(clients.idHttp6.readTimeout(), 0);
    EXPECT_EQ(clients.idHttpgj.readTimeout(), 0);

    EXPECT_EQ(child<QLabel>("playerSubtitle")->text(), QStringLiteral("(今天是2026-1-5)"));
    EXPECT_EQ(child<QWebEngineView>("WebBrowser5")->x(), -1000);
    uitest::processEventsUntil([this] { return !child<QWebEngineView>("WebBrowser66")->url().isEmpty(); });
    EXPECT_EQ(child<QWebEngineView>("WebBrowser66")->url(),
              QUrl(objects.market.url(QStringLiteral("/gpcgad.html"))));

    const QTableWidget* grid = child<QTableWidget>("StringGrid1");
    EXPECT_EQ(grid->rowCount(), 1);
    QStringList headers;
    for (int c = 0; c < grid->columnCount(); ++c)
        headers << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"", "帖子标题", "点击/回复", "作者"}));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());

    // A later show only turns the flow monitor back on.
    window->timers().stop(MainTimer::Timer7);
    window->timers().stop(MainTimer::Timer1);
    window->hide();
    window->show();
    EXPECT_EQ(sequenceRuns, 1);
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_FALSE(window->timers().isActive(MainTimer::Timer1));
}

struct FailureCase {
    const char* failBefore;
    bool silent;
    bool timeoutsSet;
    bool dashboardTimersOn;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << (c.silent ? "silent abort before " : "exception before ") << c.failBefore;
}

class FirstShowFailureTest : public MainWindowTest,
                             public ::testing::WithParamInterface<FailureCase> {};

// A failing step ends the sequence where it stands; the splash still goes and the sequence is
// not tried again.
TEST_P(FirstShowFailureTest, EndsAtTheFailureAndStillRemovesTheSplash)
{
    const FailureCase& c = GetParam();
    failBefore = QString::fromLatin1(c.failBefore);
    failSilently = c.silent;

    showAndSettle();

    EXPECT_TRUE(window->firstShowDone());
    const QStringList table = window->tables().firstShow.stepNames();
    EXPECT_EQ(stepsRun, table.mid(0, table.indexOf(failBefore)));
    EXPECT_EQ(sequenceRuns, 0);
    EXPECT_TRUE(splash->isHidden());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_EQ(window->clients().idHttp1.readTimeout() == 6000, c.timeoutsSet);
    EXPECT_EQ(window->timers().isActive(MainTimer::Timer1), c.dashboardTimersOn);
    EXPECT_EQ(window->timers().isActive(MainTimer::Timer4), c.dashboardTimersOn);
    EXPECT_TRUE(objects.prompter.errors.isEmpty());

    window->hide();
    window->show();
    EXPECT_EQ(sequenceRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, FirstShowFailureTest,
                         ::testing::Values(FailureCase{"forumGrid", true, false, false},
                                           FailureCase{"todayCaption", true, true, false},
                                           FailureCase{"flowMonitorTimer", true, true, true},
                                           FailureCase{"readTimeouts", false, false, false}));

class TimerGuardTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

// A handler that ends with a SilentAbort (or any other failure) shows nothing, leaves the
// program running and its timer ticking.
TEST_P(TimerGuardTest, FailingHandlerKeepsItsTimerTicking)
{
    showAndSettle();
    const bool silent = GetParam();
    int runs = 0;
    window->timers().steps(MainTimer::Timer4).setBeforeStep([&runs, silent](const QString&) {
        ++runs;
        if (silent)
            net::abortSilently();
        throw std::logic_error("handler bug");
    });
    window->timers().timer(MainTimer::Timer4).setInterval(1);
    window->timers().start(MainTimer::Timer4);
    EXPECT_TRUE(uitest::processEventsUntil([&runs] { return runs >= 3; }));
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer4));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(objects.lifecycle.exitRequested());
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Failures, TimerGuardTest, ::testing::Values(true, false));

class TrayTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        objects.trayAvailable = GetParam();
        build();
    }
};

TEST_P(TrayTest, MinimiseAndRestoreBringTheWindowBackWithoutRerunningTheStart)
{
    const bool tray = GetParam();
    showAndSettle();
    window->statusBar().panel(3).setText(QStringLiteral("x"));
    child<QWidget>("WebBrowser66")->move(-1000, 21);
    window->timers().stop(MainTimer::Timer7);
    window->move(5, 5);

    window->showMinimized();
    QCoreApplication::processEvents();

    EXPECT_EQ(window->inTray(), tray);
    EXPECT_EQ(window->trayIcon().isVisible(), tray);
    if (tray) {
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->windowType(), Qt::Tool);
        EXPECT_EQ(child<QWidget>("WebBrowser66")->x(), 20);
        EXPECT_TRUE(child<QWidget>("Panel6")->isHidden());
        EXPECT_TRUE(window->statusBar().panel(3).text().isEmpty());
    } else {
        EXPECT_TRUE(window->isMinimized());
    }

    if (tray)
        window->actions().action(app::MainCommand::ShowMainWindow).trigger();
    else
        window->showNormal();

    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(window->inTray());
    EXPECT_EQ(window->windowType(), Qt::Window);
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_EQ(sequenceRuns, 1);
    if (tray) {
        expectCentred();
        // The icon stays; a second minimise adds it again.
        EXPECT_TRUE(window->trayIcon().isVisible());
        window->showMinimized();
        QCoreApplication::processEvents();
        EXPECT_TRUE(window->inTray());
        EXPECT_FALSE(window->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, TrayTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "withTray" : "withoutTray"; });

struct ActivationCase {
    QSystemTrayIcon::ActivationReason reason;
    bool opensMenu;
};

void PrintTo(const ActivationCase& c, std::ostream* os)
{
    *os << "reason " << int(c.reason);
}

class TrayActivationTest : public MainWindowTest,
                           public ::testing::WithParamInterface<ActivationCase> {};

TEST_P(TrayActivationTest, OnlyALeftOrRightPressOpensTheMenu)
{
    emit window->trayIcon().activated(GetParam().reason);
    EXPECT_EQ(window->trayMenu().isVisible(), GetParam().opensMenu);
    window->trayMenu().close();
}

INSTANTIATE_TEST_SUITE_P(Reasons, TrayActivationTest,
                         ::testing::Values(ActivationCase{QSystemTrayIcon::Trigger, true},
                                           ActivationCase{QSystemTrayIcon::Context, true},
                                           ActivationCase{QSystemTrayIcon::DoubleClick, false},
                                           ActivationCase{QSystemTrayIcon::MiddleClick, false},
                                           ActivationCase{QSystemTrayIcon::Unknown, false}));

// The ordered tables: every name bound by the part of the window that owns its work, in the
// order the loads run.
TEST_F(MainWindowTest, EveryTableRunsItsStepsInOrderAndEveryNameIsBound)
{
    const app::MainTables& tables = window->tables();
    EXPECT_EQ(window->tables().unboundNames(), QStringList());
    EXPECT_EQ(tables.firstShow.stepNames(),
              (QStringList{"centre", "forumGrid", "createbase", "sendbase", "getbase", "getmail", "yzgp",
                           "readTimeouts", "todayCaption", "timersOn", "parkNotice", "adStrip",
                           "bigOrderPages", "dashboardLoad", "flowMonitorTimer"}));
    EXPECT_EQ(tables.dashboardLoad.stepNames(),
              (QStringList{"stockFile", "weekendQuotePanel", "offHoursIndices", "offHoursQuotePanel",
                           "holdingsCaption", "holdings", "commentCaption"}));
    EXPECT_EQ(tables.newStock.stepNames(), (QStringList{"flowMonitorReset", "clearTimeChart"}));
    EXPECT_EQ(tables.lookup.stepNames(), (QStringList{"stopFlowMonitor", "newStockReset", "bigOrderPages",
                                                      "showStockPage", "dashboardLoad", "startFlowMonitor"}));
    EXPECT_EQ(window->timers().steps(MainTimer::Timer1).stepNames(), (QStringList{"indices", "quotePanel"}));
    EXPECT_EQ(window->timers().steps(MainTimer::Timer2).stepNames(), QStringList{"bigOrderReload"});
    EXPECT_EQ(window->timers().steps(MainTimer::Timer7).stepNames(), QStringList{"flowMonitor"});
    // The dashboard's loaders name the client they fetch through: the quote loads IdHTTP1, the
    // holdings IdHTTP2.
    EXPECT_EQ(tables.dashboardLoad.resources(),
              (net::Resources{&window->clients().idHttp1, &window->clients().idHttp2}));
}

// A command offered on the tool bar and in the tray menu is one action in both places, with the
// button's text on the button and the item's in the menu; a checkable one shows its tick in both.
TEST_F(MainWindowTest, ToolBarAndTrayShowTheSameCommand)
{
    const auto inTray = [this](const QAction* action) {
        QList<QAction*> all = window->trayMenu().actions();
        for (const QAction* line : window->trayMenu().actions())
            if (line->menu())
                all += line->menu()->actions();
        return all.contains(action);
    };
    struct Shared {
        app::MainCommand command;
        const char* button;
        const char* buttonText;
        const char* menuText;
    };
    for (const Shared& c : {Shared{app::MainCommand::AlertSettings, "ToolButton5", "提示设置", "股价提示设置"},
                            Shared{app::MainCommand::Recommendations, "ToolButton11", "荐股交流", "荐股交流"},
                            Shared{app::MainCommand::Ticker, "ToolButton12", "桌面股票", "在桌面显示股价"}}) {
        QAction& action = window->actions().action(c.command);
        QToolButton& button = window->toolBar().button(c.command);
        EXPECT_EQ(button.objectName(), QString::fromLatin1(c.button));
        EXPECT_EQ(button.defaultAction(), &action);
        EXPECT_EQ(button.text(), QString::fromUtf8(c.buttonText));
        EXPECT_EQ(action.text(), QString::fromUtf8(c.menuText));
        EXPECT_TRUE(inTray(&action)) << c.button;
    }
    QAction& ticker = window->actions().action(app::MainCommand::Ticker);
    ticker.setChecked(true);
    EXPECT_TRUE(window->toolBar().button(app::MainCommand::Ticker).isChecked());
    EXPECT_THROW(window->toolBar().button(app::MainCommand::Exit), std::out_of_range);
}

TEST_F(MainWindowTest, TrayMenuHoldsItsItemsInOrder)
{
    QStringList top;
    for (const QAction* action : window->trayMenu().actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{"显示主窗口", "继续提示", "在桌面显示股价", "荐股交流", "昨日财经大全",
                                "股价提示设置", "退      出"}));

    const QMenu* notices = window->trayMenu().actions().at(1)->menu();
    ASSERT_NE(notices, nullptr);
    QStringList sub;
    for (QAction* action : notices->actions()) {
        sub << action->text();
        EXPECT_TRUE(action->isCheckable());
        EXPECT_TRUE(action->isChecked());
        // A click ticks it again; it never takes the tick away.
        action->trigger();
        EXPECT_TRUE(action->isChecked());
    }
    EXPECT_EQ(sub, (QStringList{"实时大单流入流出情况", "实时大单流入流出分布图", "实时知名博客是否提及本股",
                                "实时综合信息"}));
    const QAction& ticker = window->actions().action(app::MainCommand::Ticker);
    EXPECT_TRUE(ticker.isCheckable());
    EXPECT_FALSE(ticker.isChecked());
}

// The tray exit writes what the close box writes, so nothing of the run is lost on this way out.
TEST_F(MainWindowTest, ExitFromTheTrayMenuWritesRemovesTheIconAndEndsTheProgram)
{
    objects.trayAvailable = true;
    showAndSettle();
    window->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->trayIcon().isVisible());
    bool wrote = false;
    window->setWriteOnClose([&wrote] { wrote = true; });

    window->actions().action(app::MainCommand::Exit).trigger();

    EXPECT_FALSE(window->trayIcon().isVisible());
    EXPECT_TRUE(objects.lifecycle.exitRequested());
    EXPECT_TRUE(wrote);
}

TEST_F(MainWindowTest, CloseBoxWritesThenEndsTheProgram)
{
    showAndSettle();
    child<QWidget>("WebBrowser66")->move(-1000, 21);
    bool wrote = false;
    window->setWriteOnClose([&] {
        wrote = true;
        EXPECT_FALSE(objects.lifecycle.exitRequested());
    });

    window->close();

    EXPECT_TRUE(wrote);
    EXPECT_TRUE(objects.lifecycle.exitRequested());
    EXPECT_FALSE(window->trayIcon().isVisible());
    EXPECT_EQ(child<QWidget>("WebBrowser66")->x(), 20);
}

TEST_F(MainWindowTest, FailedWriteOnCloseKeepsTheProgramRunning)
{
    showAndSettle();
    window->setWriteOnClose([] { throw std::runtime_error("disk full"); });

    window->close();

    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(objects.lifecycle.exitRequested());
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    const char* text;
    const char* before;
    const char* after;
};

class CodeBoxKeyTest : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CodeBoxKeyTest, TakesDigitsAndBackspaceOnly)
{
    QLineEdit& edit = window->toolBar().codeBox();
    edit.setText(QString::fromLatin1(GetParam().before));
    edit.setCursorPosition(edit.text().size());
    int returns = 0;
    QObject::connect(&edit, &QLineEdit::returnPressed, [&returns] { ++returns; });
    QKeyEvent press(QEvent::KeyPress, GetParam().key, Qt::NoModifier,
                    QString::fromLatin1(GetParam().text));
    QCoreApplication::sendEvent(&edit, &press);
    EXPECT_EQ(edit.text(), QString::fromLatin1(GetParam().after));
    EXPECT_EQ(returns, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CodeBoxKeyTest,
    ::testing::Values(KeyCase{"digit", Qt::Key_3, "3", "60", "603"},
                      KeyCase{"letter", Qt::Key_A, "a", "60", "60"},
                      KeyCase{"space", Qt::Key_Space, " ", "60", "60"},
                      KeyCase{"enter", Qt::Key_Return, "\r", "600036", "600036"},
                      KeyCase{"keypadEnter", Qt::Key_Enter, "\r", "600036", "600036"},
                      KeyCase{"backspace", Qt::Key_Backspace, "\b", "600", "60"},
                      KeyCase{"seventhDigit", Qt::Key_1, "1", "600036", "600036"}),
    testsupport::CaseName());

struct PasteCase {
    const char* clipboard;
    const char* after;
};

void PrintTo(const PasteCase& c, std::ostream* os)
{
    *os << "paste " << c.clipboard;
}

class CodeBoxPasteTest : public MainWindowTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(CodeBoxPasteTest, PastedTextGetsInOnlyWhenItIsDigits)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(GetParam().clipboard));
    QLineEdit& edit = window->toolBar().codeBox();
    edit.clear();
    edit.paste();
    EXPECT_EQ(edit.text(), QString::fromUtf8(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Clipboards, CodeBoxPasteTest,
                         ::testing::Values(PasteCase{"60a003", ""}, PasteCase{"600036", "600036"},
                                           PasteCase{"60 036", ""}, PasteCase{"６０００３６", ""}));

} // namespace
