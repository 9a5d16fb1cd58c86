#include "analytics/daybars.h"

#include "analytics/decimaltext.h"

namespace analytics {

namespace {

bool appendSeries(std::vector<double>& bars, QStringList& chartLabels, const QStringList& items,
                  const QStringList& labels, qsizetype first)
{
    for (qsizetype i = first; i < items.size(); ++i) {
        const std::optional<int> shares = decimalInteger(items[i]);
        if (!shares || i >= labels.size())
            return false;
        bars.push_back(*shares / 100.0);
        if (i - first >= chartLabels.size())
            chartLabels.append(labels[i]);
    }
    return true;
}

} // namespace

bool appendDayBars(BarChart& chart, const QStringList& buy, const QStringList& sell,
                   const QStringList& labels, qsizetype first)
{
    return appendSeries(chart.buy, chart.labels, buy, labels, first)
           && appendSeries(chart.sell, chart.labels, sell, labels, first);
}

} // namespace analytics
