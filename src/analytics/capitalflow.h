#pragma once

// The capital-flow window's data: the stock's page on the capital-flow site,
// "/now-<code>.html", one table row per time of the day, read with these markers:
//
//   onMouseOut="out()"                      a row begins
//   <td nowrap="nowrap"> … </td>            the time cell: the text up to "</td>" less its last
//                                           two characters; the text after each blank is a time
//   <td align="right" nowrap="nowrap"> … </td>
//                                           value cells 1-5; cells 2-5 are 散户, 中户, 大户, 主力:
//                                           "0" without a ">", else the text between the last ">"
//                                           before the first "</font>" and that "</font>"
//
// and the minute chart picture "/newchart/min/n/sh<code>.gif" (sz for codes not beginning with 6)
// of the chart-image site.

#include "quotes/direction.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace analytics {

QString capitalFlowPath(const QString& code);
QString minuteChartPath(const QString& code);

// The four investor classes in the page's column order.
enum class InvestorClass { Retail, Medium, Large, Main }; // 散户, 中户, 大户, 主力
QString investorClassName(InvestorClass investorClass);

// The five parallel lists of one reading, in page order.
struct FlowRows {
    QStringList times;
    std::array<QStringList, 4> values; // by InvestorClass
    bool operator==(const FlowRows&) const = default;
};
FlowRows readCapitalFlowPage(QStringView text);

struct CapitalFlowView {
    // Label8: "所有数据来自互联网，据此操作后果自负" in blue when a row is before 10:00 (a time
    // beginning with "0"), else "因统计服务器问题，今日数据可能不准确" in red.
    QString notice;
    quotes::Colour noticeColour;
    // Label9 and Label10: the class with the largest net inflow and the one with the largest net
    // outflow (an earlier class keeps a tie), or "目前没有资金净流入" / "目前没有资金净流出".
    QString inflowLine;
    QString outflowLine;
    std::array<qint64, 4> totals{}; // the day's sum per class
    // The eight slots' sums per class, each started at 1 (the main force's at 10 in slot 1):
    // up to 10:00:00; after 10:00:00 up to 10:30:00; … up to 11:50:00; after 13:00:00 up to
    // 13:30:00; … after 14:30:00 up to 15:30:00. Rows after 11:50:00 up to 13:00:00 and after
    // 15:30:00 fall in no slot.
    std::array<std::array<qint64, 4>, 8> slotSums{};
    bool operator==(const CapitalFlowView&) const = default;
};

// Nothing when a time ("HH:mm:ss") or a value does not convert, or the lists differ in length.
std::optional<CapitalFlowView> capitalFlowView(const FlowRows& rows);

// Label6, shown when the picture or the page could not be loaded or read.
QString capitalFlowFailedText();

} // namespace analytics
