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

StepSequence buildDashboardLoad(const store::StateFiles& files, const Clock& clock,
                                const MainState& state, const QString& code,
                                DashboardActions actions)
{
    StepSequence load;
    load.append(dashboard::stockFile, [&files, code] {
        // A failed write throws and so ends the load before any page is fetched.
        files.writeStockCode(code);
    });
    load.append(dashboard::weekendQuotePanel, actions.quoteClients, [&clock, actions] {
        if (isWeekend(clock) && actions.loadQuotePanel)
            actions.loadQuotePanel();
    });
    load.append(dashboard::offHoursQuotes, actions.quoteClients, [&clock, actions] {
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
