#include "app/tradinghours.h"

namespace app {

namespace {

QTime toSecond(QTime time)
{
    return QTime(time.hour(), time.minute(), time.second());
}

} // namespace

bool inQuotePanelWindow(QTime time)
{
    const QTime t = toSecond(time);
    return t >= QTime(9, 10, 0) && t <= QTime(15, 5, 0);
}

QuoteTickPlan planQuoteTick(int indexTicks, QTime time, bool haveCode, bool inTray)
{
    QuoteTickPlan plan;
    plan.indices = indexTicks % 3 == 0;
    plan.quotePanel = inQuotePanelWindow(time) && haveCode && !inTray;
    return plan;
}

} // namespace app
