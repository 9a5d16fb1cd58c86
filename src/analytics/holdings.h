#pragma once

// The holdings reply of the holdings-analysis site,
// "/Themes/2009/ccfx/LoadData.aspx?act=ccx&stockCode=<code>": lines ended by a line feed (a
// carriage return before it is dropped; text after the last line feed is no line), each of six
// comma-separated fields: "yyyy-M-d H:mm:ss", the main force's holding in percent, three unused
// fields, the retail holding in percent (everything after the fifth comma).

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace analytics {

QString holdingsPath(const QString& code);

// The three parallel lists of one reply. A line without a comma adds nothing; a first field
// without a blank adds no label, so the lists may differ in length.
struct HoldingsLists {
    QStringList labels;    // the day of the month of the line's date, "5" for the 5th
    QStringList mainForce;
    QStringList retail;
    // A date that did not convert ended the reading there: the charts are left as they are and
    // the main window shows "获取数据失败".
    bool failed = false;
    bool operator==(const HoldingsLists&) const = default;
};
HoldingsLists readHoldings(QStringView reply);

struct HoldingsPoint {
    double value = 0;
    QString label;
    bool operator==(const HoldingsPoint&) const = default;
};

// Both lines in drawn order: the last line of the reply first (leftmost), the first last.
struct HoldingsChart {
    std::vector<HoldingsPoint> mainForce; // red
    std::vector<HoldingsPoint> retail;    // blue
    // False when a value did not convert or the lists differ in length: the points before the
    // failure are kept and the main window shows "获取数据失败".
    bool complete = true;
    bool operator==(const HoldingsChart&) const = default;
};
HoldingsChart holdingsChart(const HoldingsLists& lists);

// The caption of the holdings box after a failed fetch or reading.
QString holdingsFailedCaption();

// The code in a recommended stock's label, "name(code)": the text after the last "(" before the
// first ")" up to that ")"; empty without brackets.
QString codeInBrackets(QStringView label);

} // namespace analytics
