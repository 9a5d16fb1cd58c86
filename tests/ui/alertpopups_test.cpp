// The alert popups and the price grid as the engine fills them.
#include "app/placement.h"
#include "support/namedcase.h"
#include "ui/bigorderpopup.h"
#include "ui/bigtradepopup.h"
#include "ui/labelcolours.h"
#include "ui/limitpopup.h"
#include "ui/pricegridwindow.h"
#include "ui/risefallpopup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using testsupport::PrintTo;

using alerts::AlertPopup;
using alerts::PopupKind;
using quotes::Direction;

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

QLabel& labelOf(const QWidget& window, const char* name)
{
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label)
        throw std::runtime_error(std::string("no ") + name);
    return *label;
}

void expectInTheCorner(const QWidget& window)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry().bottomRight(), area.bottomRight()) << window.objectName().toStdString();
}

struct PopupCase {
    const char* name;
    std::function<std::unique_ptr<ui::AlertPopupWindow>()> make;
    // The longest lines an alert of the kind brings.
    const char* firstLine;
    const char* upBadge;   // shown for a rise; null when the one badge is always shown
    const char* downBadge; // shown for a fall
};

class PopupTest : public ::testing::TestWithParam<PopupCase> {};

// Rise then fall: the texts change, the badge follows the direction, the price line turns from
// red to green, the window stays in the bottom-right corner and nothing is cut off.
TEST_P(PopupTest, ShowsTheLatestAlertOfItsKind)
{
    const PopupCase& c = GetParam();
    const std::unique_ptr<ui::AlertPopupWindow> window = c.make();
    ASSERT_FALSE(window->isVisible());
    const QString upLine = QStringLiteral("最新价:1234.56 涨:123.45元 幅度:10.00% ↑ 成交量:123456789手");
    const QString downLine = QStringLiteral("最新价:1234.56 跌:-123.45元 幅度:-10.00%↓ 成交量:123456789手");

    window->showAlert({PopupKind::Limit, QString::fromUtf8(c.firstLine), upLine, Direction::Up});

    EXPECT_TRUE(window->isVisible());
    expectInTheCorner(*window);
    EXPECT_EQ(labelOf(*window, "Label1").text(), QString::fromUtf8(c.firstLine));
    EXPECT_EQ(ui::textColour(labelOf(*window, "Label1")), QColor(Qt::blue));
    EXPECT_EQ(labelOf(*window, "Label2").text(), upLine);
    EXPECT_EQ(ui::textColour(labelOf(*window, "Label2")), red);
    if (c.upBadge) {
        EXPECT_TRUE(labelOf(*window, c.upBadge).isVisible());
        EXPECT_FALSE(labelOf(*window, c.downBadge).isVisible());
    }
    for (const char* name : {"Label1", "Label2"}) {
        const QLabel& line = labelOf(*window, name);
        EXPECT_LE(line.fontMetrics().horizontalAdvance(line.text()), line.width()) << name;
        EXPECT_LE(line.geometry().right(), window->width() + 2) << name;
        EXPECT_EQ(line.textFormat(), Qt::PlainText);
    }

    window->showAlert({PopupKind::Limit, QStringLiteral("注意:平安银行(000001) 跌幅超过-5.20%"), downLine,
                       Direction::Down});

    EXPECT_EQ(labelOf(*window, "Label2").text(), downLine);
    EXPECT_EQ(ui::textColour(labelOf(*window, "Label2")), green);
    if (c.upBadge) {
        EXPECT_FALSE(labelOf(*window, c.upBadge).isVisible());
        EXPECT_TRUE(labelOf(*window, c.downBadge).isVisible());
    } else {
        EXPECT_TRUE(labelOf(*window, "Image1").isVisible());
    }
    expectInTheCorner(*window);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PopupTest,
    ::testing::Values(
        PopupCase{"limit", [] { return std::make_unique<ui::TForm6>(); },
                  "注意:*ST国华(000004) 股价接近涨停或已涨停", "Image1", "Image2"},
        PopupCase{"bigTrade", [] { return std::make_unique<ui::TForm7>(); },
                  "注意:招商银行(600036)在10:21:05有123456手大卖单成交", nullptr, nullptr},
        PopupCase{"bigOrder", [] { return std::make_unique<ui::TForm8>(); },
                  "注意:招商银行(600036)10:21:05在卖①出现456789手卖单", nullptr, nullptr},
        PopupCase{"riseFall", [] { return std::make_unique<ui::TForm9>(); },
                  "注意:招商银行(600036) 涨幅超过10.00%", "Image1", "Image2"}),
    testsupport::CaseName());

class PriceGridTest : public ::testing::Test {
protected:
    QTableWidget& grid() const { return *window.findChild<QTableWidget*>(QStringLiteral("StringGrid1")); }

    static alerts::Broadcast closing(int stocks)
    {
        alerts::Broadcast broadcast{QStringLiteral("现在(15:03:07)播报收盘价"), QStringLiteral("收盘价"), {}};
        for (int k = 1; k <= stocks; ++k)
            broadcast.rows.push_back({k, QStringLiteral("招商银行(600036)"), QStringLiteral("30.47"),
                                      QStringLiteral("-10.00%↓"), QStringLiteral("12345678")});
        return broadcast;
    }

    ui::TForm5 window;
};

// Three stocks make the window 3 × 16 pixels taller and the grid five rows: header, three
// stocks, one empty row. Closing brings it back to its design height.
TEST_F(PriceGridTest, GrowsByARowPerStockAndShrinksWhenClosed)
{
    window.showBroadcast(closing(3));

    EXPECT_TRUE(window.isVisible());
    expectInTheCorner(window);
    EXPECT_EQ(window.size(), QSize(300, 85 + 48));
    EXPECT_EQ(grid().height(), 46 + 48);
    EXPECT_EQ(labelOf(window, "Panel1").text(), QStringLiteral("现在(15:03:07)播报收盘价"));
    QStringList header;
    for (int c = 0; c < grid().columnCount(); ++c)
        header << grid().horizontalHeaderItem(c)->text();
    EXPECT_EQ(header, (QStringList{"", "股票名称及代码", "收盘价", "涨跌幅", "成交量"}));
    ASSERT_EQ(grid().rowCount(), 4);
    EXPECT_EQ(grid().item(2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(grid().item(2, 1)->text(), QStringLiteral("招商银行(600036)"));
    EXPECT_EQ(grid().item(2, 3)->text(), QStringLiteral("-10.00%↓"));
    EXPECT_EQ(grid().item(2, 1)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid().item(3, 0), nullptr);
    // Every column and every row shows whole, the empty row included.
    int columns = 0;
    for (int c = 0; c < grid().columnCount(); ++c)
        columns += grid().columnWidth(c);
    EXPECT_EQ(grid().columnWidth(0), 22);
    EXPECT_LE(columns, grid().viewport()->width());
    EXPECT_GE(grid().viewport()->height(), grid().rowViewportPosition(3) + grid().rowHeight(3));
    for (int c = 0; c < grid().columnCount(); ++c)
        EXPECT_LE(grid().fontMetrics().horizontalAdvance(grid().item(0, c)->text()), grid().columnWidth(c))
            << c;

    window.close();
    EXPECT_EQ(window.size(), QSize(300, 85));
    EXPECT_EQ(grid().height(), 46);
}

TEST_F(PriceGridTest, BroadcastWithoutStocksShowsTheHeaderAndOneEmptyRow)
{
    window.showBroadcast(closing(5));
    window.showBroadcast(closing(0));
    EXPECT_EQ(window.size(), QSize(300, 85));
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(grid().item(0, 1), nullptr);
}

// A list taller than the work area: the window stops at the work area's height with its caption
// on the screen, and the grid scrolls to the last stock.
TEST_F(PriceGridTest, LongListFillsTheWorkAreaAndScrolls)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int stocks = area.height() / 16 + 10;
    window.showBroadcast(closing(stocks));

    EXPECT_LE(window.frameGeometry().height(), area.height());
    EXPECT_GE(window.frameGeometry().top(), area.top());
    expectInTheCorner(window);
    EXPECT_EQ(grid().height(), 46 + window.height() - 85);
    ASSERT_EQ(grid().rowCount(), stocks + 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid().verticalScrollBar()->isVisible());
    grid().scrollToItem(grid().item(stocks - 1, 0));
    const int last = grid().rowViewportPosition(stocks - 1);
    EXPECT_GE(last, 0);
    EXPECT_LE(last + grid().rowHeight(stocks - 1), grid().viewport()->height());

    // A list that fits keeps the window's growth of a row per stock and shows no scroll bar.
    window.showBroadcast(closing(3));
    EXPECT_EQ(window.size(), QSize(300, 85 + 48));
    QCoreApplication::processEvents();
    EXPECT_FALSE(grid().verticalScrollBar()->isVisible());
}

TEST(GrownHeightTest, GrowsByARowUntilTheRoomIsFull)
{
    EXPECT_EQ(app::grownHeight(85, 16, 0, 700), 85);
    EXPECT_EQ(app::grownHeight(85, 16, 36, 700), 85 + 576);
    EXPECT_EQ(app::grownHeight(85, 16, 45, 700), 700);
    EXPECT_EQ(app::grownHeight(85, 16, 3, 50), 85);
}

TEST(CornerPlacementTest, SitsAboveTheTaskBarAndBesideOneOnEitherSide)
{
    const QSize window(421, 107);
    EXPECT_EQ(app::inBottomRightCorner(QRect(0, 0, 1280, 770), window), QPoint(859, 663));
    EXPECT_EQ(app::inBottomRightCorner(QRect(0, 0, 1230, 800), window), QPoint(809, 693));
    EXPECT_EQ(app::inBottomRightCorner(QRect(50, 30, 1230, 770), window), QPoint(859, 693));
}

} // namespace
