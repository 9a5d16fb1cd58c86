#include "ui/pricegridwindow.h"

#include "app/placement.h"
#include "app/windowcatalog.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace ui {

namespace {

constexpr int rowHeight = 16;
constexpr int gridFontPixels = 11;
constexpr int gridTop = 35;
constexpr int gridWidth = 296;
constexpr int gridDesignHeight = 46;
// Caption and border of the design's outer height of 119 for its 85 of client area: assumed
// until the window system tells the real frame.
constexpr int designFrameHeight = 119 - 85;
constexpr int columnWidths[] = {22, 108, 54, 55, 49};

QTableWidgetItem* centredItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

TForm5::TForm5(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm5");
    makePopup(*this);
    setFont(songFont(12));

    m_title = plainLabel(*this, {.name = "Panel1",
                                 .geometry = QRect(0, 0, 297, 33),
                                 .fontPixels = 14,
                                 .bold = true,
                                 .alignment = Qt::AlignCenter});
    m_title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextColour(*m_title, QColor(0, 0, 128));

    m_grid = new QTableWidget(this);
    place(*m_grid, "StringGrid1", QRect(0, gridTop, gridWidth, gridDesignHeight));
    m_grid->setColumnCount(int(std::size(columnWidths)));
    // The number column is narrower than a header section may be by default.
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < int(std::size(columnWidths)); ++c)
        m_grid->setColumnWidth(c, columnWidths[c]);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);
    // 11 px: the stand-in faces are wider than SimSun, and a limit-down change ("-10.00%↓") or
    // an eight-digit volume must fit its narrow column.
    m_grid->setFont(songFont(gridFontPixels));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only a list taller than the work area scrolls.
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// The window grows a row per stock until it fills the work area's height; from there the grid
// scrolls, so the caption and the close box stay on the screen.
void TForm5::setStockRows(int stocks)
{
    const QSize design = app::windowEntry("TForm5").clientSize;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int frame = isVisible() ? frameGeometry().height() - height() : designFrameHeight;
    const int room = screen ? screen->availableGeometry().height() - frame : design.height() + rowHeight * stocks;
    const int height = app::grownHeight(design.height(), rowHeight, stocks, room);
    setFixedSize(design.width(), height);
    m_grid->resize(gridWidth, gridDesignHeight + height - design.height());
}

void TForm5::showBroadcast(const alerts::Broadcast& broadcast)
{
    m_title->setText(broadcast.title);
    m_grid->clearContents();
    const int stocks = int(broadcast.rows.size());
    // One row per stock and an empty one below them.
    m_grid->setRowCount(stocks + 1);
    m_grid->setHorizontalHeaderLabels({QString(), QStringLiteral("股票名称及代码"),
                                       broadcast.priceCaption, QStringLiteral("涨跌幅"),
                                       QStringLiteral("成交量")});
    for (int r = 0; r < stocks; ++r) {
        const alerts::BroadcastRow& row = broadcast.rows[std::size_t(r)];
        const QString cells[] = {QString::number(row.number), row.nameAndCode, row.price,
                                 row.change, row.volume};
        for (int c = 0; c < int(std::size(cells)); ++c)
            m_grid->setItem(r, c, centredItem(cells[c]));
    }
    setStockRows(stocks);
    showInCorner(*this);
}

void TForm5::closeEvent(QCloseEvent* event)
{
    setStockRows(0);
    event->accept();
}

} // namespace ui
