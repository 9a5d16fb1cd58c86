#pragma once

#include "net/httpclient.h"
#include "quotes/indexquotes.h"
#include "quotes/tickerrows.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QLabel;

namespace app {
class Clock;
struct Sites;
} // namespace app

namespace ui {

struct Services;

// The desktop ticker: a small translucent window on top of the others at the right edge of the
// screen with the two indices and a row per watched stock. The indices come from the main
// window's index loader; the stock rows from the ticker's own Timer1, one stock per tick through
// its own client IdHTTP1. It never shows a message.
class TForm15 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm15)

public:
    using WatchedCodes = std::function<QStringList()>;

    // The cells of a stock row, left to right.
    enum class StockColumn { Name, Price, Change, High, Low, Volume };
    static constexpr int stockColumns = 6;

    // watchedCodes gives the codes of the watched stocks as they are at the moment of asking.
    TForm15(const Services& services, WatchedCodes watchedCodes, QWidget* parent = nullptr);

    // Set in the ticker's creation; from then on the index loader writes the ticker's index
    // rows, whether the ticker is shown or not.
    bool tickerActive() const { return m_tickerActive; }

    // Both index rows' value, change, percent and turnover cells, once the ticker is active:
    // each cell the index page wrote gets its text, and its ground where the page decided one.
    void showIndices(const quotes::IndexBox& box);

    // The tool bar's "桌面股票" and the tray's "在桌面显示股价": hides a shown ticker and stops
    // its ticks; otherwise makes the stock rows if there are none yet, shows it and starts them.
    // shownChanged tells the switch's tick.
    void toggle();
    // The main window's ticker command: its trigger toggles, its tick shows whether the ticker is
    // shown.
    void serve(QAction& tickerCommand);
    // A save of the alert settings: the stock rows made anew, empty, for count stocks, and the
    // ticks started, whether the ticker is shown or not.
    void rebuildRows(int count);
    // While the alert settings window is open the ticks rest.
    void pauseTicking();
    // That window left without saving: the ticks go on when the ticker is shown.
    void resumeTicking();

    // One tick of Timer1 now, as its timeout runs it.
    void tick();
    const QTimer& timer1() const { return m_timer1; }

    bool rowsMade() const { return m_rowsMade; }
    int rowCount() const { return int(m_rows.size()); }
    // A stock row's cell; null when the row does not exist.
    QLabel* stockCell(int row, StockColumn column) const;

signals:
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Value, change, percent, turnover.
    using IndexCells = std::array<QLabel*, 4>;
    using StockRow = std::array<QLabel*, stockColumns>;

    void makeCaptions();
    IndexCells makeIndexRow(const std::array<const char*, 4>& names, int top);
    static void showIndexCells(const IndexCells& cells, const quotes::IndexDisplay& display);
    void moveToRightEdge();

    void makeRows(int count, quotes::RowsMadeBy madeBy);
    void discardRows();
    void startTicking();
    void Timer1Timer();
    void getgj(const QString& code, int row);
    void showStockRow(const StockRow& labels, const quotes::TickerStockRow& cells);

    const app::Sites& m_sites;
    app::Clock& m_clock;
    WatchedCodes m_watchedCodes;
    net::HttpClient m_client{QStringLiteral("IdHTTP1")};
    QTimer m_timer1;
    // Whether the ticks should go on; a tick that waited for its reply while they were stopped
    // does not start them again.
    bool m_ticking = false;
    quotes::TickerRows m_cursor;

    bool m_tickerActive = false;
    bool m_rowsMade = false;
    QLabel* m_clockLine = nullptr;
    IndexCells m_shanghai{};
    IndexCells m_shenzhen{};
    std::vector<StockRow> m_rows;
};

} // namespace ui
