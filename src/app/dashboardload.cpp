#include "app/dashboardload.h"

#include "app/clock.h"
#include "app/mainstate.h"
#include "app/tradinghours.h"
#include "store/statefiles.h"

namespace app {

QString holdingsBoxCaption(const QString& stockName)
{
    return stockName + QStringLiteral("-最近30日主力散户持仓对比");
}

QString commentBoxCaption(const QString& stockName)
{
    return QStringLiteral("网民对(") + stockName + QStringLiteral(")的最新热评（所有数据仅供参考）");
}

bool dashboardLoadsQuotesOnce(QTime time)
{
    return !inQuotePanelWindow(time);
}

StartupSequence buildDashboardLoad(const store::StateFiles& files, const Clock& clock,
                                   const MainState& state, DashboardActions actions)
{
    StartupSequence load;
    load.append(dashboard::stockFile, [&files, actions] {
        // A failed write throws and so ends the load before any page is fetched.
        files.writeStockCode(actions.codeBoxText ? actions.codeBoxText() : QString());
    });
    load.append(dashboard::weekendQuotePanel, [&clock, actions] {
        if (isWeekend(clock) && actions.loadQuotePanel)
            actions.loadQuotePanel();
    });
    load.append(dashboard::offHoursQuotes, [&clock, actions] {
        if (!dashboardLoadsQuotesOnce(clock.timeOfDay()))
            return;
        if (actions.loadIndices)
            actions.loadIndices();
        if (actions.loadQuotePanel)
            actions.loadQuotePanel();
    });
    load.append(dashboard::holdingsCaption, [&state, actions] {
        if (actions.setHoldingsCaption)
            actions.setHoldingsCaption(holdingsBoxCaption(state.currentName));
    });
    load.append(dashboard::commentCaption, [&state, actions] {
        if (actions.setCommentCaption)
            actions.setCommentCaption(commentBoxCaption(state.currentName));
    });
    return load;
}

} // namespace app
