#pragma once

// What the big-order bar charts show, decided apart from any chart widget: the box caption, the
// two series "大单买入" and "大单卖出" and the label of each position. The windows only draw it.

#include <QString>
#include <QStringList>

#include <vector>

namespace analytics {

inline const QString buySeriesName = QStringLiteral("大单买入");
inline const QString sellSeriesName = QStringLiteral("大单卖出");

struct BarChart {
    QString caption;            // the box caption or the chart title
    std::vector<double> buy;    // the bars of "大单买入", in position order
    std::vector<double> sell;   // the bars of "大单卖出"
    QStringList labels;         // the label of each position, as many as the longer series
    // False when an item did not convert: the bars before it are kept, the rest is left out.
    bool complete = true;
    bool operator==(const BarChart&) const = default;
};

// Chart1 from the single-bar lists: caption name + "(" + code + ")今日每半小时大单成交分布图";
// each item an integer bar; positions 0-7 labelled "10:00" … "15:00" (the end of their
// window), a position past 7 with its bar's value.
BarChart halfHourChart(const QStringList& buy, const QStringList& sell, const QString& name,
                       const QString& code);

// Chart2 from the daily lists: the last five days of a list of five or more (positions 5 on),
// all days of a shorter one, each item divided by 100 (lots of 100 shares), labelled with its
// day label; caption "…)近5日大单成交分布图", or "…)近N日大单成交分布图" for fewer than five.
BarChart fiveDayChart(const QStringList& buy, const QStringList& sell, const QStringList& labels,
                      const QString& name, const QString& code);

} // namespace analytics
