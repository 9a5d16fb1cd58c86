#pragma once

// The ten-day window: every day the daily page delivered, with the totals of big-order buying and
// selling in lots of 100 shares.

#include "analytics/barcharts.h"
#include "quotes/direction.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace analytics {

struct TenDayView {
    // "近10日 大单流入:B手  大单流出:S手  合计流入:N手" in red for a positive net, else
    // "…  合计流出:N手" in green (N as it is: 0 or negative). Each item is divided by 100 with
    // the fraction dropped before it is added.
    QString totalsLine;
    quotes::Colour colour;
    // The chart: title "…)近10日大单成交分布图" for exactly ten days, else "…)近N日大单成交分布图";
    // every day of both lists, each divided by 100, labelled with its day label.
    BarChart chart;
    bool operator==(const TenDayView&) const = default;
};

// Nothing when the window cannot open: a sell list shorter than the buy list, or an item that is
// not an integer.
std::optional<TenDayView> tenDayView(const QStringList& buy, const QStringList& sell,
                                     const QStringList& labels, const QString& name,
                                     const QString& code);

} // namespace analytics
