// Page bodies of any content through the big-order pages' readers and everything drawn from
// their lists: the parameters agree with a literal position-by-position reading, the charts
// never show more than the lists hold, and the monitor's tick stays within its eight windows.
#include "analytics/barcharts.h"
#include "analytics/bigorderpages.h"
#include "analytics/bigorderpie.h"
#include "analytics/chartparameters.h"
#include "analytics/flowmonitor.h"
#include "analytics/tendaychart.h"

#include "fuzzchecks.h"

#include <QDateTime>

#include <algorithm>
#include <cstdint>

using fuzzcheck::check;

namespace {

// Every occurrence of the name, compared at every position, its value up to the next '&'.
QStringList literalItems(QStringView text, QStringView name)
{
    QStringList items;
    for (qsizetype at = 0; at + name.size() <= text.size(); ++at) {
        if (text.sliced(at, name.size()) != name)
            continue;
        QString value;
        for (qsizetype i = at + name.size(); i < text.size() && text[i] != u'&'; ++i)
            value += text[i];
        items += value.split(u',');
    }
    return items;
}

void checkChart(const analytics::BarChart& chart, qsizetype buy, qsizetype sell)
{
    check(qsizetype(chart.buy.size()) <= buy && qsizetype(chart.sell.size()) <= sell);
    check(chart.labels.size() == qsizetype(std::max(chart.buy.size(), chart.sell.size())));
    check(!chart.complete || (qsizetype(chart.buy.size()) == buy && qsizetype(chart.sell.size()) == sell));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The literal reading compares at every position: keep inputs small enough for it.
    const QString body =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, 8192)));
    for (const QString& name : {u"values="_qs, u"values_2="_qs, u"x_labels="_qs, u"colours="_qs}) {
        const QStringList every = analytics::parameterItems(body, name);
        check(every == literalItems(body, name));
        const QStringList first = analytics::firstParameterItems(body, name);
        check(first.size() <= every.size() && every.mid(0, first.size()) == first);
    }

    const analytics::SingleBarRead bar = analytics::readSingleBar(body);
    check(bar.noDataYet == body.contains(u"values=&"));
    check(!bar.noDataYet || (bar.buy.isEmpty() && bar.sell.isEmpty()));
    checkChart(analytics::halfHourChart(bar.buy, bar.sell, u"名"_qs, u"600000"_qs), bar.buy.size(),
               bar.sell.size());

    const analytics::SingleBarDayRead day = analytics::readSingleBarDay(body);
    const qsizetype first = day.buy.size() >= 5 ? 5 : 0;
    checkChart(analytics::fiveDayChart(day.buy, day.sell, day.labels, u"名"_qs, u"000001"_qs),
               std::max<qsizetype>(0, day.buy.size() - first), std::max<qsizetype>(0, day.sell.size() - first));
    if (const auto view = analytics::tenDayView(day.buy, day.sell, day.labels, u"名"_qs, u"000001"_qs)) {
        check(view->chart.complete && qsizetype(view->chart.buy.size()) == day.buy.size()
              && qsizetype(view->chart.sell.size()) == day.sell.size());
        check(view->totalsLine.startsWith(u"近10日 大单流入:"_qs));
    }

    const analytics::SinglePieRead pie = analytics::readSinglePie(body);
    const analytics::PieChart slices =
        analytics::bigOrderPie(pie.values, pie.colours, u"名"_qs, u"300750"_qs, QDate(2024, 5, 6));
    check(qsizetype(slices.slices.size()) <= pie.values.size());
    check(!slices.complete || qsizetype(slices.slices.size()) == pie.values.size());

    // Two ticks of one monitor over the page's lists, the second five seconds on.
    analytics::FlowMonitorState state;
    QDateTime now(QDate(2026, 12, 10), QTime(10, 0).addSecs(size % 20000));
    for (int tick = 0; tick < 2; ++tick, now = now.addSecs(5)) {
        const analytics::FlowTick result =
            analytics::flowMonitorTick(state, bar.buy, bar.sell, now, u"名"_qs, u"600000"_qs);
        check(!result.announcement || (result.totals && result.announcement->window >= 0
                                        && result.announcement->window < 8
                                        && result.announcement->window == bar.buy.size() - 1));
        check(state.announcedWindows <= 1 && state.announcedWindows <= bar.buy.size());
    }
    return 0;
}
