#include "analytics/tendaychart.h"

#include "analytics/daybars.h"
#include "analytics/decimaltext.h"
#include "analytics/stocktitle.h"

namespace analytics {

namespace {

// The sum over the first `positions` items, each in whole lots (the fraction dropped first).
qint64 lotsTotal(const QStringList& items, qsizetype positions)
{
    qint64 total = 0;
    for (qsizetype i = 0; i < positions; ++i)
        total += *decimalInteger(items[i]) / 100;
    return total;
}

} // namespace

std::optional<TenDayView> tenDayView(const QStringList& buy, const QStringList& sell,
                                     const QStringList& labels, const QString& name,
                                     const QString& code)
{
    if (sell.size() < buy.size())
        return std::nullopt;
    TenDayView view;
    view.chart.caption = stockTitle(name, code)
                         + QStringLiteral("近%1日大单成交分布图").arg(buy.size());
    // Every item converts once the bars are in, so the totals below cannot fail.
    if (!appendDayBars(view.chart, buy, sell, labels, 0))
        return std::nullopt;

    // The sell total runs over the buy list's positions, as the buy total does.
    const qint64 bought = lotsTotal(buy, buy.size());
    const qint64 sold = lotsTotal(sell, buy.size());
    const qint64 net = bought - sold;
    view.totalsLine = QStringLiteral("近10日 大单流入:%1手  大单流出:%2手  %3:%4手")
                          .arg(bought)
                          .arg(sold)
                          .arg(net > 0 ? QStringLiteral("合计流入") : QStringLiteral("合计流出"))
                          .arg(net);
    view.colour = net > 0 ? quotes::riseRed : quotes::fallGreen;
    return view;
}

} // namespace analytics
