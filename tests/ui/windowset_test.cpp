#include "shellfixture.h"

#include "app/placement.h"
#include "ui/windowset.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct WindowCase {
    const char* className;
    const char* caption;
    QSize size;
};

// The windows in the order the program creates them.
const std::vector<WindowCase>& expectedWindows()
{
    static const std::vector<WindowCase> windows = {
        {"TForm12", "岚拓股票情报系统V3.3", {327, 153}},
        {"TForm1", "岚拓股票情报系统V3.3", {931, 628}},
        {"TForm2", "所有公告", {713, 318}},
        {"TForm3", "股价提示设置", {688, 284}},
        {"TForm4", "请添加要接收的手机号码", {345, 146}},
        {"TForm5", "股价", {300, 85}},
        {"TForm6", "股价提示", {415, 73}},
        {"TForm7", "大单成交", {415, 73}},
        {"TForm8", "大单出现", {415, 73}},
        {"TForm9", "涨跌情况", {388, 71}},
        {"TForm10", "大单流向提示", {356, 97}},
        {"TForm11", "搜索提示", {300, 100}},
        {"TForm13", "近10日大单成交显示图", {688, 226}},
        {"TForm14", "今日大单成交分布图", {514, 264}},
        {"TForm15", "", {338, 116}},
        {"TForm16", "我想荐股-岚拓股票大单监测系统", {466, 374}},
        {"TForm17", "实时走势", {212, 339}},
        {"TForm18", "资金流向", {564, 477}},
        {"TForm20", "精选个股", {385, 193}},
        {"TForm21", "今日信息汇总", {263, 81}},
    };
    return windows;
}

std::vector<QWidget*> windowsOf(ui::WindowSet& set)
{
    return {&set.splash,        &set.mainWindow,    &set.announcements, &set.alertSettings,
            &set.phone,         &set.priceGrid,     &set.limitPopup,    &set.bigTradePopup,
            &set.bigOrderPopup, &set.riseFallPopup, &set.flowPopup,     &set.searchNotice,
            &set.tenDayChart,   &set.pie,           &set.ticker,        &set.recommend,
            &set.holdingsPopup, &set.capitalFlow,   &set.selectedStocks, &set.digest};
}

class WindowSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set = std::make_unique<ui::WindowSet>(objects.services());
    }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::WindowSet> set;
};

TEST_F(WindowSetTest, EveryWindowHasItsClassCaptionAndSize)
{
    const std::vector<QWidget*> windows = windowsOf(*set);
    ASSERT_EQ(windows.size(), expectedWindows().size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const WindowCase& want = expectedWindows()[i];
        SCOPED_TRACE(want.className);
        EXPECT_EQ(windows[i]->objectName(), QString::fromLatin1(want.className));
        EXPECT_EQ(windows[i]->windowTitle(), QString::fromUtf8(want.caption));
        EXPECT_EQ(windows[i]->size(), want.size);
        EXPECT_TRUE(windows[i]->isWindow());
    }
}

TEST_F(WindowSetTest, OnlyTheSplashAndTheMainWindowShowThemselves)
{
    const std::vector<QWidget*> windows = windowsOf(*set);
    EXPECT_TRUE(set->splash.isVisible());
    EXPECT_TRUE(set->mainWindow.isVisible());
    EXPECT_TRUE(set->mainWindow.firstShowDone());
    for (std::size_t i = 2; i < windows.size(); ++i)
        EXPECT_TRUE(windows[i]->isHidden()) << windows[i]->objectName().toStdString();
    EXPECT_TRUE(set->ticker.tickerActive());
}

TEST_F(WindowSetTest, SplashIsCentredBorderlessWithItsTwoLines)
{
    const ui::TForm12& splash = set->splash;
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.pos(),
              app::centredOn(QGuiApplication::primaryScreen()->geometry(), splash.size()));
    QLabel& version = set->splash.versionLabel();
    QLabel& updated = set->splash.updatedLabel();
    EXPECT_EQ(version.text(), QStringLiteral("V3.3"));
    EXPECT_EQ(updated.text(), QStringLiteral("2010年7月21日更新"));
    EXPECT_EQ(version.mapTo(&set->splash, QPoint(0, 0)).y(), 112);
    EXPECT_EQ(updated.mapTo(&set->splash, QPoint(0, 0)).y(), 60);
    for (const QLabel* label : {&version, &updated}) {
        const QRect placed(label->mapTo(&set->splash, QPoint(0, 0)), label->size());
        EXPECT_EQ(placed.center().x(), splash.rect().center().x());
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
    }
}

TEST_F(WindowSetTest, SplashGoesOnTheFirstPassOfTheMessageLoop)
{
    QTimer::singleShot(0, [this] {
        QTimer::singleShot(200, [this] { objects.lifecycle.requestExit(7); });
    });
    EXPECT_EQ(objects.lifecycle.runMessageLoop([] { return QCoreApplication::exec(); }), 7);
    EXPECT_TRUE(set->splash.isHidden());
    EXPECT_FALSE(set->mainWindow.timers().isActive(app::MainTimer::Timer8));
    EXPECT_TRUE(set->mainWindow.isVisible());
}

class ProgramEndTest : public WindowSetTest, public ::testing::WithParamInterface<const char*> {};

// Both ways out end the message loop; the windows are then destroyed without a crash.
TEST_P(ProgramEndTest, EndsTheMessageLoop)
{
    const QString way = QString::fromLatin1(GetParam());
    QTimer::singleShot(50, &set->mainWindow, [this, way] {
        if (way == QLatin1String("trayExit"))
            set->mainWindow.actions().action(app::MainCommand::Exit).trigger();
        else
            set->mainWindow.close();
    });
    EXPECT_EQ(objects.lifecycle.runMessageLoop([] { return QCoreApplication::exec(); }), 0);
    EXPECT_FALSE(set->mainWindow.trayIcon().isVisible());
    set.reset();

    // The embedded browser still works after a loop has ended.
    QWebEngineView view;
    bool finished = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&finished] { finished = true; });
    view.setHtml(QStringLiteral("<p>ok</p>"));
    EXPECT_TRUE(uitest::processEventsUntil([&finished] { return finished; }, 30000));
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEndTest, ::testing::Values("trayExit", "closeBox"));

} // namespace
