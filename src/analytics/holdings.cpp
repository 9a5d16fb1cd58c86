#include "analytics/holdings.h"

#include "analytics/decimaltext.h"
#include "net/commafields.h"

#include <QDate>

namespace analytics {

namespace {

// Fields 2 to 6 of a line, the sixth holding the rest after the fifth comma.
constexpr qsizetype restPieces = 5;

} // namespace

QString holdingsPath(const QString& code)
{
    return QStringLiteral("/Themes/2009/ccfx/LoadData.aspx?act=ccx&stockCode=") + code;
}

HoldingsLists readHoldings(QStringView reply)
{
    HoldingsLists lists;
    for (const QString& line : net::lines(reply)) {
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0)
            continue;
        const QStringView first = QStringView(line).first(comma);
        const qsizetype blank = first.indexOf(u' ');
        if (blank >= 0) {
            const QDate date = QDate::fromString(first.first(blank).toString(), u"yyyy-M-d");
            if (!date.isValid()) {
                lists.failed = true;
                return lists;
            }
            lists.labels.append(QString::number(date.day()));
        }
        // Only the fields whose ending comma arrived: field 2 needs one more comma, field 6 four.
        const QStringList rest = net::splitAtCommas(QStringView(line).sliced(comma + 1), restPieces);
        if (rest.size() >= 2)
            lists.mainForce.append(rest[0]);
        if (rest.size() == restPieces)
            lists.retail.append(rest[restPieces - 1]);
    }
    return lists;
}

HoldingsChart holdingsChart(const HoldingsLists& lists)
{
    HoldingsChart chart;
    chart.complete = lists.labels.size() == lists.mainForce.size()
                     && lists.retail.size() == lists.mainForce.size();
    // The last line of the reply is drawn first, leftmost.
    for (qsizetype i = lists.mainForce.size() - 1; i >= 0; --i) {
        const std::optional<double> mainForce = decimalNumber(lists.mainForce[i]);
        if (!mainForce || i >= lists.labels.size()) {
            chart.complete = false;
            break;
        }
        chart.mainForce.push_back({*mainForce, lists.labels[i]});
        const std::optional<double> retail =
            i < lists.retail.size() ? decimalNumber(lists.retail[i]) : std::nullopt;
        if (!retail) {
            chart.complete = false;
            break;
        }
        chart.retail.push_back({*retail, lists.labels[i]});
    }
    return chart;
}

QString holdingsFailedCaption()
{
    return QStringLiteral("获取数据失败");
}

QString codeInBrackets(QStringView label)
{
    const qsizetype close = label.indexOf(u')');
    if (close < 0)
        return {};
    const qsizetype open = label.first(close).lastIndexOf(u'(');
    return open < 0 ? QString() : label.sliced(open + 1, close - open - 1).toString();
}

} // namespace analytics
