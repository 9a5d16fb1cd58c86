// The desktop ticker: its window, the stock rows its toggle and the settings save make, and its
// own Timer1 feeding one stock per tick from a quote feed in the test process. The last tests
// switch it from the main window's tool bar and tray menu, the watch list read from the
// settings database.
#include "stockcorefixture.h"

#include "alerts/watchedits.h"
#include "store/settingsdatabase.h"
#include "support/namedcase.h"
#include "ui/labelcolours.h"
#include "ui/main/toolbarstrip.h"
#include "ui/tickerwindow.h"
#include "ui/windowset.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSet>
#include <QToolButton>
#include <QUrlQuery>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using testsupport::PrintTo;

using Column = ui::TForm15::StockColumn;

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

const QString falling = QStringLiteral("000001");
const QString rising = QStringLiteral("600036");
const QString unchanged = QStringLiteral("600000");

// The quote feed, one record per code from field 2 on; a failing code answers 500.
class QuoteFeed final {
public:
    QuoteFeed()
    {
        rows.insert(falling, QStringLiteral("000001,平安银行,10.09,-0.39%,-0.04,10.09,713,10.10,2144,"
                                            "384241,38904.28,10.09,10.13,10.19,10.06,-126,126,"));
        rows.insert(rising, QStringLiteral("600036,招商银行,30.47,0.85%,0.26,30.46,179,30.47,2586,"
                                           "325795,98956.18,30.39,30.21,30.55,30.14,84,84,"));
        rows.insert(unchanged, QStringLiteral("600000,浦发银行,7.52,0,0.00,7.51,300,7.52,410,201234,"
                                              "15120.55,7.52,7.50,7.58,7.47,20,20,"));
        m_http.serve(QStringLiteral("/EM_Quote2007/optional.aspx"),
                     [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                         answer(request, responder);
                     });
    }

    QString base() const { return m_http.base(); }
    int requests(const QString& code) const { return m_requests.value(code); }
    int allRequests() const { return m_http.requestCount(QStringLiteral("/EM_Quote2007/optional.aspx")); }

    QHash<QString, QString> rows;
    QSet<QString> failing;
    // Runs while a request is answered, the ticker waiting for the reply.
    std::function<void(const QString& code)> duringRequest;

private:
    void answer(const QHttpServerRequest& request, QHttpServerResponder& responder)
    {
        const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("fav"));
        ++m_requests[code];
        if (duringRequest)
            duringRequest(code);
        if (failing.contains(code)) {
            responder.write(QHttpServerResponder::StatusCode::InternalServerError);
            return;
        }
        responder.write(QStringLiteral("var quote_zhou=\"1,%1\";").arg(rows.value(code)).toUtf8(),
                        "text/html; charset=utf-8");
    }

    testsupport::HttpFixture m_http;
    QHash<QString, int> m_requests;
};

// Records the presses that reach a window.
class PressRecorder final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            pressed.append(watched);
        return false;
    }
    QList<QObject*> pressed;
};

class TickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        objects.sites.quoteSite = feed.base();
        ticker = std::make_unique<ui::TForm15>(objects.services(), [this] { return codes; });
        QObject::connect(ticker.get(), &ui::TForm15::shownChanged,
                         [this](bool shown) { marks.push_back(shown); });
    }

    QLabel& cell(int row, Column column) const
    {
        QLabel* label = ticker->stockCell(row, column);
        if (!label)
            throw std::runtime_error("no such cell");
        return *label;
    }
    QLabel* labelAt(const QString& text, QPoint topLeft) const
    {
        for (QLabel* label : ticker->findChildren<QLabel*>())
            if (label->text() == text && label->pos() == topLeft)
                return label;
        return nullptr;
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            ticker->tick();
    }
    int stockLabels() const
    {
        int count = 0;
        for (int row = 0; row < ticker->rowCount(); ++row)
            for (int column = 0; column < ui::TForm15::stockColumns; ++column)
                count += ticker->stockCell(row, Column(column)) != nullptr;
        return count;
    }
    // Texts of a row, name to volume; hidden cells as "".
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int column = 0; column < ui::TForm15::stockColumns; ++column) {
            const QLabel& label = cell(row, Column(column));
            texts << (label.isHidden() ? QString() : label.text());
        }
        return texts;
    }

    QuoteFeed feed;
    uitest::ShellObjects objects;
    QStringList codes;
    std::unique_ptr<ui::TForm15> ticker;
    std::vector<bool> marks;
};

TEST_F(TickerTest, IsATranslucentToolWindowOnTopAtTheRightEdgeOfTheScreen)
{
    EXPECT_TRUE(ticker->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(ticker->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(ticker->windowType(), Qt::Tool);
    EXPECT_TRUE(ticker->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_NEAR(ticker->windowOpacity(), 80 / 255.0, 0.001);
    EXPECT_EQ(ticker->size(), QSize(338, 116));
    EXPECT_EQ(ticker->font().pixelSize(), 11);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(ticker->pos(), QPoint(screen.x() + screen.width() - 338, screen.y() + 30));
    EXPECT_TRUE(ticker->isHidden());
    EXPECT_EQ(ticker->timer1().interval(), 1000);
    EXPECT_FALSE(ticker->timer1().isActive());
    EXPECT_FALSE(ticker->rowsMade());
}

TEST_F(TickerTest, FixedLabelsAndTheLineStandAtTheirPlaces)
{
    struct Placed {
        const char* text;
        QPoint topLeft;
    };
    const Placed placed[] = {
        {"涨跌", {137, 3}},      {"幅度", {196, 3}},     {"成交量", {261, 3}},
        {"上证指数", {8, 21}},   {"深圳成指", {8, 42}},  {"股票名称", {8, 73}},
        {"最新价", {75, 73}},    {"涨跌幅", {129, 73}},  {"最高价", {185, 73}},
        {"最低价", {238, 73}},   {"成交量", {289, 73}},
    };
    for (const Placed& want : placed) {
        const QLabel* label = labelAt(QString::fromUtf8(want.text), want.topLeft);
        ASSERT_NE(label, nullptr) << want.text;
        // Nothing of a caption is cut off.
        EXPECT_GE(label->width(), label->sizeHint().width()) << want.text;
    }
    const auto* clockLine = ticker->findChild<QLabel*>(QStringLiteral("Label20"));
    ASSERT_NE(clockLine, nullptr);
    EXPECT_EQ(clockLine->pos(), QPoint(12, 3));

    const QList<QFrame*> frames = ticker->findChildren<QFrame*>(Qt::FindDirectChildrenOnly);
    const bool lineThere = std::any_of(frames.begin(), frames.end(), [](const QFrame* frame) {
        return frame->frameShape() == QFrame::HLine && frame->geometry() == QRect(8, 65, 328, 1);
    });
    EXPECT_TRUE(lineThere);
}

TEST_F(TickerTest, ToggleMakesTheRowsAndTicksFeedOneStockEachThenRest)
{
    codes = {falling, rising, unchanged};
    ticker->toggle();

    EXPECT_TRUE(ticker->isVisible());
    EXPECT_TRUE(ticker->timer1().isActive());
    EXPECT_EQ(marks, std::vector<bool>{true});
    EXPECT_EQ(ticker->height(), 174);
    ASSERT_EQ(stockLabels(), 18);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < ui::TForm15::stockColumns; ++column) {
            const QLabel& label = cell(row, Column(column));
            EXPECT_EQ(label.y(), 90 + 20 * row);
            EXPECT_TRUE(label.isHidden());
            EXPECT_TRUE(label.text().isEmpty());
        }

    // A cycle over three stocks takes four ticks.
    const QStringList order = {falling, rising, unchanged, QString(), falling};
    for (int tick = 0; tick < order.size(); ++tick) {
        SCOPED_TRACE(tick);
        const int before = feed.allRequests();
        ticker->tick();
        EXPECT_TRUE(ticker->timer1().isActive());
        if (order[tick].isEmpty()) {
            EXPECT_EQ(feed.allRequests(), before);
        } else {
            EXPECT_EQ(feed.allRequests(), before + 1);
            EXPECT_GE(feed.requests(order[tick]), 1);
        }
    }
    EXPECT_EQ(feed.requests(falling), 2);
    EXPECT_EQ(rowTexts(1), (QStringList{"招商银行", "30.47", "0.85%", "30.55", "30.14", "325795手"}));
    EXPECT_EQ(ticker->findChild<QLabel*>(QStringLiteral("Label20"))->text(),
              QStringLiteral("2026-1-5 10:00:00"));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

struct RowCase {
    const char* name;
    QString code;
    QStringList texts;
    QColor ground;
};

class TickerRowTest : public TickerTest, public ::testing::WithParamInterface<RowCase> {};

// White figures on the direction's ground; the name stands on the window.
TEST_P(TickerRowTest, CellsShowTheRowOnTheGroundOfItsDirection)
{
    codes = {GetParam().code};
    ticker->toggle();
    ticker->tick();

    EXPECT_EQ(rowTexts(0), GetParam().texts);
    const int lefts[] = {8, 75, 129, 185, 238, 286};
    for (int column = 0; column < ui::TForm15::stockColumns; ++column) {
        const QLabel& label = cell(0, Column(column));
        SCOPED_TRACE(column);
        EXPECT_EQ(label.pos(), QPoint(lefts[column], 90));
        EXPECT_EQ(label.textFormat(), Qt::PlainText);
        if (column == int(Column::Name)) {
            EXPECT_EQ(label.width(), 58);
            EXPECT_FALSE(label.autoFillBackground());
            continue;
        }
        EXPECT_EQ(ui::textColour(label), QColor(Qt::white));
        EXPECT_TRUE(label.autoFillBackground());
        EXPECT_EQ(ui::cellGround(label), GetParam().ground);
        EXPECT_GE(label.width(), label.sizeHint().width());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickerRowTest,
    ::testing::Values(
        RowCase{"FallIsGreen", falling,
                {"平安银行", "10.09", "-0.39%", "10.19", "10.06", "384241手"}, green},
        RowCase{"RiseIsRed", rising, {"招商银行", "30.47", "0.85%", "30.55", "30.14", "325795手"}, red},
        RowCase{"UnchangedZeroIsRed", unchanged,
                {"浦发银行", "7.52", "0", "7.58", "7.47", "201234手"}, red}),
    testsupport::CaseName());

TEST_F(TickerTest, PageTextIsShownAsPlainText)
{
    feed.rows.insert(rising, QStringLiteral("600036,<b>招商</b>,<img src=x>,1%,"));
    codes = {rising};
    ticker->toggle();
    ticker->tick();
    EXPECT_EQ(cell(0, Column::Name).text(), QStringLiteral("<b>招商</b>"));
    EXPECT_EQ(cell(0, Column::Price).text(), QStringLiteral("<img src=x>"));
    EXPECT_EQ(cell(0, Column::Price).textFormat(), Qt::PlainText);
    // Fields that did not arrive leave their cells hidden.
    EXPECT_TRUE(cell(0, Column::High).isHidden());
    EXPECT_TRUE(cell(0, Column::Volume).isHidden());
}

TEST_F(TickerTest, NoWatchedStockShowsTheIndicesAndTheClockAndFetchesNothing)
{
    ticker->toggle();
    EXPECT_EQ(ticker->height(), 120);
    EXPECT_EQ(ticker->rowCount(), 0);
    ticks(3);
    EXPECT_EQ(feed.allRequests(), 0);
    EXPECT_EQ(ticker->findChild<QLabel*>(QStringLiteral("Label20"))->text(),
              QStringLiteral("2026-1-5 10:00:00"));
    EXPECT_TRUE(ticker->timer1().isActive());
}

TEST_F(TickerTest, ToggleTwiceHidesAndTheRowsComeBackUnchanged)
{
    codes = {falling, rising, unchanged};
    ticker->toggle();
    ticks(3);
    QLabel* firstName = &cell(0, Column::Name);
    const QStringList shown = rowTexts(2);

    ticker->toggle();
    EXPECT_TRUE(ticker->isHidden());
    EXPECT_FALSE(ticker->timer1().isActive());
    EXPECT_EQ(marks, (std::vector<bool>{true, false}));

    // A stock added meanwhile does not make new rows: the toggle makes them only once.
    codes << QStringLiteral("000002");
    ticker->toggle();
    EXPECT_TRUE(ticker->isVisible());
    EXPECT_TRUE(ticker->timer1().isActive());
    EXPECT_EQ(ticker->height(), 174);
    EXPECT_EQ(ticker->rowCount(), 3);
    EXPECT_EQ(&cell(0, Column::Name), firstName);
    EXPECT_EQ(rowTexts(2), shown);
    EXPECT_EQ(marks, (std::vector<bool>{true, false, true}));
}

TEST_F(TickerTest, SaveRebuildsEmptyRowsAndStartsTheTicksEvenWhenHidden)
{
    codes = {falling, rising, unchanged};
    ticker->toggle();
    ticks(3);
    ticker->toggle();
    ASSERT_TRUE(ticker->isHidden());

    ticker->rebuildRows(3);
    EXPECT_EQ(ticker->height(), 165);
    EXPECT_EQ(stockLabels(), 18);
    EXPECT_TRUE(ticker->isHidden());
    EXPECT_TRUE(ticker->timer1().isActive());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rowTexts(row), QStringList(6, QString()));
        EXPECT_EQ(cell(row, Column::Low).y(), 90 + 20 * row);
    }

    // The hidden ticker goes on filling its rows; the cursor had passed the last stock, so the
    // first tick rests.
    ticks(4);
    EXPECT_TRUE(ticker->isHidden());
    EXPECT_EQ(rowTexts(0), (QStringList{"平安银行", "10.09", "-0.39%", "10.19", "10.06", "384241手"}));
    EXPECT_EQ(feed.allRequests(), 6);
    EXPECT_TRUE(ticker->timer1().isActive());

    ticker->rebuildRows(1);
    EXPECT_EQ(ticker->height(), 135);
    EXPECT_EQ(ticker->rowCount(), 1);
    EXPECT_EQ(ticker->stockCell(1, Column::Name), nullptr);
}

TEST_F(TickerTest, FailingStockIsSkippedAndKeepsItsRowWithoutAMessage)
{
    codes = {falling, rising, unchanged};
    ticker->toggle();
    ticks(4);
    const QStringList before = rowTexts(1);

    feed.failing << rising;
    feed.rows.insert(falling, QStringLiteral("000001,平安银行,10.00,-1.28%,"));
    ticker->tick();
    ticker->tick(); // the failing stock
    EXPECT_TRUE(ticker->timer1().isActive());
    EXPECT_EQ(rowTexts(1), before);
    EXPECT_EQ(feed.requests(rising), 2);

    const int unchangedBefore = feed.requests(unchanged);
    ticker->tick();
    EXPECT_EQ(feed.requests(unchanged), unchangedBefore + 1);
    // A short record writes what arrived and leaves the rest of the row as it was.
    EXPECT_EQ(rowTexts(0), (QStringList{"平安银行", "10.00", "-1.28%", "10.19", "10.06", "384241手"}));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
    EXPECT_TRUE(objects.prompter.messages.isEmpty());
}

TEST_F(TickerTest, SettingsWindowPausesTheTicksAndLeavingResumesThemOnlyWhenShown)
{
    codes = {falling};
    ticker->toggle();
    ticker->pauseTicking();
    EXPECT_FALSE(ticker->timer1().isActive());
    ticker->resumeTicking();
    EXPECT_TRUE(ticker->timer1().isActive());

    ticker->toggle();
    ticker->resumeTicking();
    EXPECT_FALSE(ticker->timer1().isActive());
}

// The wait for a reply lets other events through; what they decide holds after the tick.
TEST_F(TickerTest, TickWaitingForItsReplyHonoursWhatHappenedMeanwhile)
{
    codes = {falling, rising};
    ticker->toggle();

    feed.duringRequest = [this](const QString&) { ticker->pauseTicking(); };
    ticker->tick();
    EXPECT_FALSE(ticker->timer1().isActive());
    EXPECT_EQ(rowTexts(0)[0], QStringLiteral("平安银行"));

    // A save made the rows anew for other stocks while the reply was on its way.
    feed.duringRequest = [this](const QString&) {
        codes = {unchanged, falling};
        ticker->rebuildRows(2);
    };
    ticker->tick();
    EXPECT_TRUE(ticker->timer1().isActive());
    ASSERT_EQ(ticker->rowCount(), 2);
    EXPECT_EQ(rowTexts(1), QStringList(6, QString()));

    // A tick that comes while another waits leaves the fetch and the cursor to it.
    uitest::WarningLog warnings;
    ticker->tick(); // the cursor starts over
    feed.duringRequest = [this](const QString&) { ticker->tick(); };
    ticker->tick();
    feed.duringRequest = {};
    EXPECT_EQ(feed.requests(unchanged), 1);
    EXPECT_TRUE(warnings.refusals().isEmpty());
    EXPECT_TRUE(ticker->timer1().isActive());
    const int fallingBefore = feed.requests(falling);
    ticker->tick();
    EXPECT_EQ(feed.requests(falling), fallingBefore + 1);
}

TEST_F(TickerTest, PressOnALabelReachesTheWindowThatDragsItself)
{
    codes = {rising};
    ticker->toggle();
    ticker->tick();
    ASSERT_NE(ticker->windowHandle(), nullptr);
    for (const QLabel* label : ticker->findChildren<QLabel*>())
        EXPECT_TRUE(label->testAttribute(Qt::WA_TransparentForMouseEvents)) << label->text().toStdString();

    PressRecorder recorder;
    ticker->installEventFilter(&recorder);
    for (const QWidget* label : {static_cast<QWidget*>(&cell(0, Column::Name)),
                                 static_cast<QWidget*>(&cell(0, Column::Volume)),
                                 static_cast<QWidget*>(ticker->findChild<QLabel*>(QStringLiteral("Label8")))}) {
        const QPointF at = label->geometry().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, at, ticker->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ticker->windowHandle(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, ticker->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ticker->windowHandle(), &release);
    }
    EXPECT_EQ(recorder.pressed, (QList<QObject*>{ticker.get(), ticker.get(), ticker.get()}));
}

// Switched from the main window, over the watch list of the settings database.
class TickerInWindowSetTest : public ::testing::Test {
protected:
    void watch(const QStringList& watched)
    {
        store::SettingsDatabase database(objects.dataDir.path());
        database.open();
        store::WatchList list = database.readWatchList();
        for (const QString& code : watched)
            alerts::appendStock(list, code, QStringLiteral("名称"));
        database.saveWatchList(list);
    }
    void start()
    {
        set = std::make_unique<ui::WindowSet>(objects.services());
        for (app::MainTimer id : {app::MainTimer::Timer1, app::MainTimer::Timer2, app::MainTimer::Timer4,
                                  app::MainTimer::Timer5, app::MainTimer::Timer6, app::MainTimer::Timer7,
                                  app::MainTimer::Timer9})
            set->mainWindow.timers().stop(id);
    }
    QAction& trayItem() { return set->mainWindow.actions().action(app::MainCommand::Ticker); }
    QToolButton& toolButton() { return set->mainWindow.toolBar().button(app::MainCommand::Ticker); }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::WindowSet> set;
};

TEST_F(TickerInWindowSetTest, TicksFeedTheStocksOfTheSettingsDatabase)
{
    objects.market.setQuote(unchanged, QStringLiteral("600000,浦发银行,7.52,0,0.00,7.51,300,7.52,410,"
                                                      "201234,15120.55,7.52,7.50,7.58,7.47,20,20,"));
    watch({falling, rising, unchanged});
    start();
    ui::TForm15& ticker = set->ticker;

    toolButton().click();
    EXPECT_TRUE(ticker.isVisible());
    EXPECT_TRUE(trayItem().isChecked());
    EXPECT_EQ(ticker.height(), 174);
    ASSERT_EQ(ticker.rowCount(), 3);

    const int before = objects.market.quoteRequests(unchanged);
    for (int tick = 0; tick < 4; ++tick)
        ticker.tick();
    EXPECT_EQ(objects.market.quoteRequests(unchanged), before + 1);
    EXPECT_EQ(ticker.stockCell(2, ui::TForm15::StockColumn::Name)->text(), QStringLiteral("浦发银行"));
    EXPECT_EQ(ui::cellGround(*ticker.stockCell(2, ui::TForm15::StockColumn::Change)), red);
    EXPECT_EQ(ui::cellGround(*ticker.stockCell(0, ui::TForm15::StockColumn::Change)), green);
}

struct SwitchCase {
    const char* name;
    // "button" clicks 桌面股票, "item" triggers 在桌面显示股价.
    std::vector<const char*> ways;
};

class TickerSwitchTest : public TickerInWindowSetTest,
                         public ::testing::WithParamInterface<SwitchCase> {};

// The item's mark is on exactly while the ticker is shown, whichever way it was switched.
TEST_P(TickerSwitchTest, TrayItemMarkFollowsTheTicker)
{
    start();
    EXPECT_FALSE(trayItem().isChecked());
    bool shown = false;
    for (const char* way : GetParam().ways) {
        if (std::string_view(way) == "button")
            toolButton().click();
        else
            trayItem().trigger();
        shown = !shown;
        SCOPED_TRACE(way);
        EXPECT_EQ(set->ticker.isVisible(), shown);
        EXPECT_EQ(trayItem().isChecked(), shown);
        EXPECT_EQ(toolButton().isChecked(), shown);
        EXPECT_EQ(set->ticker.timer1().isActive(), shown);
    }
    EXPECT_EQ(set->ticker.height(), 120);
}

INSTANTIATE_TEST_SUITE_P(Cases, TickerSwitchTest,
                         ::testing::Values(SwitchCase{"ButtonTwice", {"button", "button"}},
                                           SwitchCase{"ItemTwice", {"item", "item", "item"}},
                                           SwitchCase{"ButtonThenItem", {"button", "item", "button"}},
                                           SwitchCase{"ItemThenButton", {"item", "button", "item"}}),
                         testsupport::CaseName());

} // namespace
