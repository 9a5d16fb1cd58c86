#pragma once

#include "analytics/barcharts.h"

#include <QStringList>

namespace analytics {

// The bars of the daily lists from position `first` on, buy then sell: each item divided by 100
// (lots of 100 shares) and labelled with the day label of its position. Stops with false at the
// first item that is not an integer or has no day label; the bars before it stay.
bool appendDayBars(BarChart& chart, const QStringList& buy, const QStringList& sell,
                   const QStringList& labels, qsizetype first);

} // namespace analytics
