#include "quotes/tickerrows.h"

namespace quotes {

namespace {

constexpr int firstRowTop = 90;
constexpr int rowSpacing = 20;

std::optional<TickerCell> cellOf(const QuoteRow& row, int field, const std::optional<Colour>& ground,
                                 const QString& unit = {})
{
    if (!row.has(field))
        return std::nullopt;
    return TickerCell{row.field(field) + unit, ground};
}

} // namespace

int tickerHeight(int stockCount, RowsMadeBy madeBy)
{
    const int perStock = madeBy == RowsMadeBy::Toggle ? 18 : 15;
    return perStock * stockCount + tickerHeightWithoutStocks;
}

int tickerRowTop(int row)
{
    return firstRowTop + rowSpacing * row;
}

QString tickerClockLine(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyy-M-d HH:mm:ss"));
}

TickerStockRow tickerStockRow(const QuoteRow& row)
{
    std::optional<Colour> ground;
    if (row.has(5))
        ground = colourOf(directionOf(row.field(5)));

    TickerStockRow cells;
    if (row.has(3))
        cells.name = row.field(3);
    cells.price = cellOf(row, 4, ground);
    cells.change = cellOf(row, 5, ground);
    cells.volume = cellOf(row, 11, ground, QStringLiteral("手"));
    cells.high = cellOf(row, 15, ground);
    cells.low = cellOf(row, 16, ground);
    return cells;
}

std::optional<int> TickerRows::next(int stockCount)
{
    if (m_row > stockCount - 1) {
        m_row = 0;
        return std::nullopt;
    }
    return m_row++;
}

} // namespace quotes
