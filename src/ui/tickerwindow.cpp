#include "ui/tickerwindow.h"

#include "app/clock.h"
#include "app/sites.h"
#include "net/guard.h"
#include "quotes/quoterow.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/services.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <optional>

namespace ui {

namespace {

constexpr int tickerFontPixels = 11;
constexpr double tickerOpacity = 80 / 255.0;
constexpr int topFromScreenEdge = 30;
constexpr int cellHeight = 18;
constexpr int captionHeight = 16;
constexpr int tickIntervalMsecs = 1000;

struct CellPlace {
    int left;
    int width;
};
constexpr std::array<CellPlace, 4> cellPlaces = {{{68, 52}, {128, 45}, {184, 52}, {251, 69}}};

// Name, price, change, high, low, volume; the name keeps its width, the others fit their text.
constexpr std::array<int, TForm15::stockColumns> stockLefts = {8, 75, 129, 185, 238, 286};
constexpr int nameWidth = 58;

struct Caption {
    const char* text;
    int left;
    int top;
    int height;
};
const std::array<Caption, 11> captions = {{
    {"涨跌", 137, 3, captionHeight},
    {"幅度", 196, 3, captionHeight},
    {"成交量", 261, 3, captionHeight},
    {"上证指数", 8, 21, cellHeight},
    {"深圳成指", 8, 42, cellHeight},
    {"股票名称", 8, 73, captionHeight},
    {"最新价", 75, 73, captionHeight},
    {"涨跌幅", 129, 73, captionHeight},
    {"最高价", 185, 73, captionHeight},
    {"最低价", 238, 73, captionHeight},
    {"成交量", 289, 73, captionHeight},
}};

// Until the first index page arrives the cells stand on a dark ground.
const QColor idleGround(64, 64, 64);

// Every part of the ticker lets presses through, so a press anywhere drags the window.
QLabel* passiveLabel(QWidget& parent, const LabelShape& shape)
{
    QLabel* label = plainLabel(parent, shape);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void fitWidth(QLabel& label, int height)
{
    label.resize(label.sizeHint().width(), height);
}

void showCell(QLabel& label, const std::optional<quotes::TickerCell>& cell)
{
    if (!cell)
        return;
    label.setText(cell->text);
    if (cell->background)
        setCellGround(label, toQColor(*cell->background));
}

void showStockCell(QLabel& label, const std::optional<quotes::TickerCell>& cell)
{
    if (!cell)
        return;
    showCell(label, cell);
    fitWidth(label, cellHeight);
    label.show();
}

} // namespace

TForm15::TForm15(const Services& services, WatchedCodes watchedCodes, QWidget* parent)
    : QWidget(parent), m_sites(services.sites), m_clock(services.clock),
      m_watchedCodes(std::move(watchedCodes))
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    applyWindowEntry(*this, "TForm15");
    setWindowOpacity(tickerOpacity);
    setFont(songFont(tickerFontPixels));

    makeCaptions();
    m_shanghai = makeIndexRow({"Label8", "Label9", "Label11", "Label12"}, 21);
    m_shenzhen = makeIndexRow({"Label16", "Label17", "Label18", "Label19"}, 42);
    moveToRightEdge();

    m_client.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(tickIntervalMsecs);
    connect(&m_timer1, &QTimer::timeout, this, &TForm15::tick);
    m_tickerActive = true;
}

void TForm15::makeCaptions()
{
    m_clockLine = passiveLabel(*this, {.name = "Label20"});
    m_clockLine->move(12, 3);
    for (const Caption& caption : captions) {
        QLabel* label = passiveLabel(*this, {.text = QString::fromUtf8(caption.text)});
        label->move(caption.left, caption.top);
        fitWidth(*label, caption.height);
    }
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(8, 65, 328, 1);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TForm15::IndexCells TForm15::makeIndexRow(const std::array<const char*, 4>& names, int top)
{
    IndexCells cells{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QLabel* label = passiveLabel(
            *this, {.name = names[i],
                    .geometry = QRect(cellPlaces[i].left, top, cellPlaces[i].width, cellHeight),
                    .fontPixels = tickerFontPixels,
                    .bold = true,
                    .alignment = Qt::AlignCenter});
        setTextColour(*label, Qt::white);
        setCellGround(*label, idleGround);
        cells[i] = label;
    }
    return cells;
}

void TForm15::moveToRightEdge()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + area.width() - width(), area.y() + topFromScreenEdge);
}

void TForm15::showIndices(const quotes::IndexBox& box)
{
    if (!m_tickerActive)
        return;
    showIndexCells(m_shanghai, box.shanghai);
    showIndexCells(m_shenzhen, box.shenzhen);
}

void TForm15::showIndexCells(const IndexCells& cells, const quotes::IndexDisplay& display)
{
    showCell(*cells[0], display.value);
    showCell(*cells[1], display.change);
    showCell(*cells[2], display.percent);
    showCell(*cells[3], display.turnover);
}

void TForm15::toggle()
{
    if (isVisible()) {
        pauseTicking();
        hide();
        emit shownChanged(false);
        return;
    }
    if (!m_rowsMade)
        makeRows(int(m_watchedCodes().size()), quotes::RowsMadeBy::Toggle);
    show();
    startTicking();
    emit shownChanged(true);
}

void TForm15::serve(QAction& tickerCommand)
{
    connect(&tickerCommand, &QAction::triggered, this, [this, &tickerCommand] {
        net::runGuarded([this] { toggle(); });
        // A checkable action flips its tick on a trigger by itself; the ticker decides it, also
        // when the toggle failed half way.
        tickerCommand.setChecked(isVisible());
    });
}

void TForm15::rebuildRows(int count)
{
    makeRows(count, quotes::RowsMadeBy::SettingsSave);
    startTicking();
}

void TForm15::resumeTicking()
{
    if (isVisible())
        startTicking();
}

void TForm15::startTicking()
{
    m_ticking = true;
    m_timer1.start();
}

void TForm15::pauseTicking()
{
    m_ticking = false;
    m_timer1.stop();
}

QLabel* TForm15::stockCell(int row, StockColumn column) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_rows[std::size_t(row)][std::size_t(column)];
}

void TForm15::makeRows(int count, quotes::RowsMadeBy madeBy)
{
    discardRows();
    setFixedHeight(quotes::tickerHeight(count, madeBy));
    for (int row = 0; row < count; ++row) {
        StockRow labels{};
        for (std::size_t column = 0; column < labels.size(); ++column) {
            QLabel* label = passiveLabel(*this, {});
            const bool isName = column == std::size_t(StockColumn::Name);
            label->setGeometry(stockLefts[column], quotes::tickerRowTop(row),
                               isName ? nameWidth : 0, cellHeight);
            if (!isName) {
                label->setContentsMargins(2, 0, 2, 0);
                setTextColour(*label, Qt::white);
            }
            label->hide();
            labels[column] = label;
        }
        m_rows.push_back(labels);
    }
    m_rowsMade = true;
}

void TForm15::discardRows()
{
    for (const StockRow& labels : m_rows)
        for (QLabel* label : labels)
            delete label;
    m_rows.clear();
}

void TForm15::tick()
{
    m_timer1.stop();
    // A tick that comes while the previous one still waits for its reply (the wait lets timers
    // through) leaves the fetch to that one, which starts the timer again.
    if (m_client.busy())
        return;
    net::runGuarded([this] { Timer1Timer(); });
    if (m_ticking)
        m_timer1.start();
}

void TForm15::Timer1Timer()
{
    m_clockLine->setText(quotes::tickerClockLine(m_clock.now()));
    fitWidth(*m_clockLine, captionHeight);
    const QStringList codes = m_watchedCodes();
    if (const std::optional<int> row = m_cursor.next(int(codes.size())))
        getgj(codes[*row], *row);
}

void TForm15::getgj(const QString& code, int row)
{
    const quotes::QuoteRow quote = quotes::loadQuoteRow(m_client, m_sites.quoteSite, code);
    // The rows may have been made anew for other stocks while the reply was awaited.
    if (row >= rowCount() || m_watchedCodes().value(row) != code)
        return;
    showStockRow(m_rows[std::size_t(row)], quotes::tickerStockRow(quote));
}

void TForm15::showStockRow(const StockRow& labels, const quotes::TickerStockRow& cells)
{
    if (cells.name) {
        QLabel& name = *labels[std::size_t(StockColumn::Name)];
        name.setText(*cells.name);
        name.show();
    }
    showStockCell(*labels[std::size_t(StockColumn::Price)], cells.price);
    showStockCell(*labels[std::size_t(StockColumn::Change)], cells.change);
    showStockCell(*labels[std::size_t(StockColumn::High)], cells.high);
    showStockCell(*labels[std::size_t(StockColumn::Low)], cells.low);
    showStockCell(*labels[std::size_t(StockColumn::Volume)], cells.volume);
}

void TForm15::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
}

void TForm15::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    event->accept();
}

// The thin frame around the borderless window.
void TForm15::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
