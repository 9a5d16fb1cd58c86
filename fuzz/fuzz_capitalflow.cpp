// Capital-flow pages of any content through the row walk and the window's view: the class
// lists come in rows, and a view's totals are the sums of its rows.
#include "analytics/capitalflow.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const analytics::FlowRows rows = analytics::readCapitalFlowPage(text);
    // A row gives each class one cell at most.
    const qsizetype rowMarkers = text.count(u"onMouseOut=\"out()\"");
    for (const QStringList& column : rows.values)
        check(column.size() <= rowMarkers);

    const std::optional<analytics::CapitalFlowView> view = analytics::capitalFlowView(rows);
    if (!view)
        return 0;
    check(rows.times.size() == rows.values[3].size());
    for (std::size_t c = 0; c < rows.values.size(); ++c) {
        qint64 total = 0;
        for (const QString& value : rows.values[c])
            total += value.toLongLong();
        check(view->totals[c] == total);
    }
    const bool inflow = view->inflowLine == u"目前没有资金净流入"_qs;
    const bool outflow = view->outflowLine == u"目前没有资金净流出"_qs;
    check(inflow == (*std::max_element(view->totals.begin(), view->totals.end()) <= 0));
    check(outflow == (*std::min_element(view->totals.begin(), view->totals.end()) >= 0));
    return 0;
}
