#pragma once

// The desktop ticker's stock rows: one row of six cells per watched stock (name, latest price,
// change percent, high, low, volume), fed from the quote feed one stock per tick.

#include "quotes/indexquotes.h"
#include "quotes/quoterow.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace quotes {

// Who made the stock rows: the toggle grows the window by 18 px per stock, a save of the alert
// settings by 15.
enum class RowsMadeBy { Toggle, SettingsSave };

inline constexpr int tickerHeightWithoutStocks = 120;

int tickerHeight(int stockCount, RowsMadeBy madeBy);
// Top of stock row k (from 0): rows lie 20 px apart below the headings.
int tickerRowTop(int row);

// The ticker's clock line, the short date and long time: "2026-1-5 09:30:00".
QString tickerClockLine(const QDateTime& now);

// What one quote row writes into a stock row. A cell whose field did not arrive is nothing
// here and keeps what it showed. The grounds follow the change percent: red unless it holds a
// "-"; the price gets its ground only once the change arrived.
struct TickerStockRow {
    std::optional<QString> name = {};      // field 3
    std::optional<TickerCell> price = {};  // field 4
    std::optional<TickerCell> change = {}; // field 5
    std::optional<TickerCell> high = {};   // field 15
    std::optional<TickerCell> low = {};    // field 16
    std::optional<TickerCell> volume = {}; // field 11 + "手"
    friend bool operator==(const TickerStockRow&, const TickerStockRow&) = default;
};

TickerStockRow tickerStockRow(const QuoteRow& row);

// The cursor over the watched stocks: each tick feeds the next stock's row, and the tick after
// the last stock feeds none and starts over, so a cycle over n stocks takes n + 1 ticks. A fetch
// that fails does not hold the cursor back: that stock is skipped for the cycle.
class TickerRows final {
public:
    // The row this tick fetches, the cursor moving past it; nothing on the resting tick.
    std::optional<int> next(int stockCount);
    int cursor() const { return m_row; }

private:
    int m_row = 0;
};

} // namespace quotes
