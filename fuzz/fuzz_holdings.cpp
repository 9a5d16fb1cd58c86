// Holdings replies of any content through the line reader and the chart: the lists never hold
// more than the reply's lines, and a chart is complete only with every line drawn.
#include "analytics/holdings.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const analytics::HoldingsLists lists = analytics::readHoldings(reply);
    const qsizetype lines = reply.count(u'\n');
    check(lists.labels.size() <= lines && lists.mainForce.size() <= lines);
    check(lists.retail.size() <= lists.mainForce.size());

    const analytics::HoldingsChart chart = analytics::holdingsChart(lists);
    check(qsizetype(chart.mainForce.size()) <= lists.mainForce.size());
    check(chart.retail.size() <= chart.mainForce.size() && chart.mainForce.size() <= chart.retail.size() + 1);
    if (chart.complete)
        check(qsizetype(chart.retail.size()) == lists.retail.size()
              && qsizetype(chart.mainForce.size()) == lists.mainForce.size()
              && lists.labels.size() == lists.mainForce.size());
    for (const analytics::HoldingsPoint& point : chart.mainForce)
        check(lists.labels.contains(point.label));
    return 0;
}
