#pragma once

// The big-order site's three chart pages of a stock and what their readers cut out of the
// completed page body:
//
//   <site>/stock/<sh|sz>/<code>/single-bar.htm     today per half hour: values= (buy),
//                                                  values_2= (sell), in 10 000 shares
//   <site>/stock/<sh|sz>/<code>/single-barDay.htm  per trading day: values=, values_2= (shares),
//                                                  x_labels= (day labels)
//   <site>/stock/<sh|sz>/<code>/single-pie.htm     today by order size: the first values=
//                                                  (percent), every colours= ("#FF6666" …)
//
// The market is "sh" for a code beginning with "6", "sz" for every other code.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace analytics {

enum class BigOrderPage { SingleBar, SingleBarDay, SinglePie };

QString bigOrderPageAddress(const QString& site, const QString& code, BigOrderPage page);

// The lists the main window keeps for the whole run; each reader replaces its own lists.
struct BigOrderLists {
    QStringList halfHourBuy;  // one item per half-hour window, in 10 000 shares
    QStringList halfHourSell;
    QStringList dailyBuy;     // one item per trading day, in shares
    QStringList dailySell;
    QStringList dailyLabels;
    QStringList pieValues;    // percent per order-size class
    QStringList pieColours;   // the class's colour code as the page gives it
    bool operator==(const BigOrderLists&) const = default;
};

// The single-bar page. A text holding "values=&" carries no data yet: the lists come back empty
// and noDataYet is set, and the chart keeps what it shows.
struct SingleBarRead {
    bool noDataYet = false;
    QStringList buy;
    QStringList sell;
};
SingleBarRead readSingleBar(QStringView body);

struct SingleBarDayRead {
    QStringList buy;
    QStringList sell;
    QStringList labels;
};
SingleBarDayRead readSingleBarDay(QStringView body);

struct SinglePieRead {
    QStringList values;
    QStringList colours;
};
SinglePieRead readSinglePie(QStringView body);

} // namespace analytics
