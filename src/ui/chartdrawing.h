#pragma once

#include "analytics/barcharts.h"
#include "analytics/bigorderpie.h"
#include "analytics/holdings.h"

#include <QColor>

#include <vector>

class QChart;

namespace ui {

// Draws what the logic decided into a chart: every earlier series and axis removed first.

// The two series "大单买入" and "大单卖出" as bars side by side per position, the positions
// labelled as the chart says, value marks hidden, the series in the chart's own colours.
void drawBars(QChart& chart, const analytics::BarChart& bars);

// One line of labelled points, the points in the order given, each dot in the colour; the value
// axis prints at most one decimal and a percent sign.
void drawLine(QChart& chart, const std::vector<analytics::HoldingsPoint>& points, const QColor& colour);

// The pie's slices, each with its label shown beside it.
void drawPie(QChart& chart, const analytics::PieChart& pie);

// The four investor classes' sums per slot of the capital-flow window, one coloured bar each.
void drawClassBars(QChart& chart, const std::vector<std::vector<double>>& seriesBySlot,
                   const QStringList& seriesNames, const std::vector<QColor>& colours);

} // namespace ui
