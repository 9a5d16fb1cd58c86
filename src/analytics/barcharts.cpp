#include "analytics/barcharts.h"

#include "analytics/daybars.h"
#include "analytics/decimaltext.h"
#include "analytics/flowmonitor.h"
#include "analytics/stocktitle.h"

#include <algorithm>

namespace analytics {

namespace {

constexpr int labelledWindows = 8;

// Integer bars, each labelled with its value where no earlier series labelled the position.
bool appendIntegerBars(std::vector<double>& bars, QStringList& labels, const QStringList& items)
{
    for (const QString& item : items) {
        const std::optional<int> value = decimalInteger(item);
        if (!value)
            return false;
        bars.push_back(*value);
        if (qsizetype(bars.size()) > labels.size())
            labels.append(QString::number(*value));
    }
    return true;
}

} // namespace

BarChart halfHourChart(const QStringList& buy, const QStringList& sell, const QString& name,
                       const QString& code)
{
    BarChart chart;
    chart.caption = stockTitle(name, code) + QStringLiteral("今日每半小时大单成交分布图");
    chart.complete = appendIntegerBars(chart.buy, chart.labels, buy)
                     && appendIntegerBars(chart.sell, chart.labels, sell);
    // The axis names each window by its end: "9:30-10:00" is "10:00".
    for (int position = 0; position < labelledWindows && position < chart.labels.size(); ++position)
        chart.labels[position] = halfHourWindowText(position).section(u'-', 1);
    return chart;
}

BarChart fiveDayChart(const QStringList& buy, const QStringList& sell, const QStringList& labels,
                      const QString& name, const QString& code)
{
    constexpr qsizetype shownDays = 5;
    const qsizetype days = buy.size();
    BarChart chart;
    chart.caption = stockTitle(name, code)
                    + QStringLiteral("近%1日大单成交分布图").arg(std::min(days, shownDays));
    chart.complete = appendDayBars(chart, buy, sell, labels, days >= shownDays ? shownDays : 0);
    return chart;
}

} // namespace analytics
