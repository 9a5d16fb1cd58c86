#include "market/quotefeedpage.h"

#include "market/figures.h"

#include <QStringList>

namespace market {

QByteArray QuoteFeedPage::record(const StockQuote& q)
{
    const QString lots = QString::number(q.lastLots);
    const QStringList fields = {
        q.stock->code.startsWith(QLatin1Char('6')) ? QStringLiteral("1") : QStringLiteral("2"),
        q.stock->code,
        q.stock->name,
        figures::price(q.last),
        figures::percent(q.change(), q.changePercent()),
        figures::change(q.change()),
        figures::price(q.bid),
        QString::number(q.bidLots),
        figures::price(q.ask),
        QString::number(q.askLots),
        QString::number(q.volumeLots),
        figures::tenThousands(q.amount),
        figures::price(q.open),
        figures::price(q.prevClose),
        figures::price(q.high),
        figures::price(q.low),
        q.lastSell ? QLatin1Char('-') + lots : lots,
        lots,
        q.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
    };
    return fields.join(QLatin1Char(',')).toUtf8();
}

QByteArray QuoteFeedPage::render(const std::optional<StockQuote>& quote)
{
    QByteArray page = "var quote_zhou=\"";
    if (quote)
        page += record(*quote);
    page += "\";\r\n";
    return page;
}

} // namespace market
