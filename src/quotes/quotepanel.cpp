#include "quotes/quotepanel.h"

namespace quotes {

namespace {

std::optional<QString> fieldWith(const QuoteRow& row, int field, const QString& before,
                                 const QString& after)
{
    if (!row.has(field))
        return std::nullopt;
    return before + row.field(field) + after;
}

// A price with its volume: the price alone until the volume's field arrives too.
std::optional<LabelText> priceWithVolume(const QuoteRow& row, int priceField, Colour colour)
{
    if (!row.has(priceField))
        return std::nullopt;
    QString text = row.field(priceField);
    if (row.has(priceField + 1))
        text += QStringLiteral("元(") + row.field(priceField + 1) + QStringLiteral("手)");
    return LabelText{text, colour};
}

std::optional<LabelText> lastTrade(const QuoteRow& row)
{
    if (!row.has(17))
        return std::nullopt;
    const Direction direction = directionOf(row.field(17));
    QString text = direction == Direction::Up ? QStringLiteral("买盘↑ ") : QStringLiteral("卖盘↓ ");
    if (row.has(18))
        text += row.field(18) + QStringLiteral("手");
    return LabelText{text, colourOf(direction)};
}

} // namespace

QuotePanelView quotePanelView(const QuoteRow& row)
{
    QuotePanelView view;
    if (row.has(2))
        view.currentCode = row.field(2);
    if (row.has(3))
        view.currentName = row.field(3);

    // Price, change and percent take the colour of the percent field once it has arrived; until
    // then they keep the colour they had.
    const std::optional<Colour> shown =
        row.has(5) ? std::optional(colourOf(directionOf(row.field(5)))) : std::nullopt;
    if (row.has(4))
        view.latestPrice = LabelText{row.field(4) + QStringLiteral("元"), shown};
    if (row.has(5))
        view.changePercent = LabelText{row.field(5), shown};
    if (row.has(6))
        view.change = LabelText{row.field(6) + QStringLiteral("元"), shown};

    view.bid = priceWithVolume(row, 7, riseRed);
    view.ask = priceWithVolume(row, 9, fallGreen);
    view.volume = fieldWith(row, 11, QString(), QStringLiteral("手"));
    view.turnover = fieldWith(row, 12, QString(), QStringLiteral("万元"));
    view.open = fieldWith(row, 13, QStringLiteral("开盘价："), QStringLiteral("元"));
    view.high = fieldWith(row, 15, QStringLiteral("最高价："), QStringLiteral("元"));
    view.low = fieldWith(row, 16, QStringLiteral("最低价："), QStringLiteral("元"));
    view.lastTrade = lastTrade(row);
    return view;
}

} // namespace quotes
