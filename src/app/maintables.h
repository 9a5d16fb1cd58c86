#pragma once

// The main window's ordered tables: which work runs, in which order, at the first show, in the
// dashboard load, when a new stock is looked up and at each timer's tick. The order is data,
// declared here once; each region of the main window binds its own steps to these names, and a
// feature that lands later adds its names here and binds them in its own class.

#include "app/maintimers.h"
#include "app/stepsequence.h"

#include <QString>
#include <QStringList>

namespace app {

// The first show's start-up sequence. A failing step ends it; the final block still runs.
namespace firstshow {
inline const QString centre = QStringLiteral("centre");
inline const QString forumGrid = QStringLiteral("forumGrid");
inline const QString createbase = QStringLiteral("createbase");
inline const QString sendbase = QStringLiteral("sendbase");
inline const QString getbase = QStringLiteral("getbase");
inline const QString getmail = QStringLiteral("getmail");
inline const QString yzgp = QStringLiteral("yzgp");
inline const QString readTimeouts = QStringLiteral("readTimeouts");
inline const QString todayCaption = QStringLiteral("todayCaption");
inline const QString timersOn = QStringLiteral("timersOn");
inline const QString parkNotice = QStringLiteral("parkNotice");
inline const QString adStrip = QStringLiteral("adStrip");
inline const QString bigOrderPages = QStringLiteral("bigOrderPages");
inline const QString dashboardLoad = QStringLiteral("dashboardLoad");
inline const QString flowMonitorTimer = QStringLiteral("flowMonitorTimer");
} // namespace firstshow

// The dashboard load (start) for the current stock. The first failing step ends the load.
namespace dashboard {
inline const QString stockFile = QStringLiteral("stockFile");
inline const QString weekendQuotePanel = QStringLiteral("weekendQuotePanel");
inline const QString offHoursIndices = QStringLiteral("offHoursIndices");
inline const QString offHoursQuotePanel = QStringLiteral("offHoursQuotePanel");
inline const QString holdingsCaption = QStringLiteral("holdingsCaption");
inline const QString holdings = QStringLiteral("holdings");
inline const QString commentCaption = QStringLiteral("commentCaption");
} // namespace dashboard

// What a new stock empties before its pages load.
namespace newstock {
inline const QString flowMonitorReset = QStringLiteral("flowMonitorReset");
inline const QString clearTimeChart = QStringLiteral("clearTimeChart");
} // namespace newstock

// The lookup's actions once a code passed its checks and became the current stock.
namespace lookup {
inline const QString stopFlowMonitor = QStringLiteral("stopFlowMonitor");
inline const QString newStockReset = QStringLiteral("newStockReset");
inline const QString bigOrderPages = QStringLiteral("bigOrderPages");
inline const QString showStockPage = QStringLiteral("showStockPage");
inline const QString dashboardLoad = QStringLiteral("dashboardLoad");
inline const QString startFlowMonitor = QStringLiteral("startFlowMonitor");
} // namespace lookup

// The steps of the timers' ticks.
namespace ticks {
inline const QString indices = QStringLiteral("indices");
inline const QString quotePanel = QStringLiteral("quotePanel");
inline const QString bigOrderReload = QStringLiteral("bigOrderReload");
inline const QString alertEngine = QStringLiteral("alertEngine");
inline const QString rearmAlerts = QStringLiteral("rearmAlerts");
inline const QString flowMonitor = QStringLiteral("flowMonitor");
inline const QString hideSplash = QStringLiteral("hideSplash");
} // namespace ticks

QStringList firstShowSteps();
QStringList dashboardSteps();
QStringList newStockSteps();
QStringList lookupSteps();
// One timer's tick; a timer whose work has not landed yet has none and ticks idly.
QStringList timerSteps(MainTimer id);

// The tables of one main window, each made from its list of names.
struct MainTables {
    Q_DISABLE_COPY_MOVE(MainTables)
    explicit MainTables(MainTimers& timers) : timers(timers) {}

    StepSequence firstShow{firstShowSteps()};
    StepSequence dashboardLoad{dashboardSteps()};
    StepSequence newStock{newStockSteps()};
    StepSequence lookup{lookupSteps()};
    // Each timer's tick: timers.steps(id).
    MainTimers& timers;

    // "table: name" for every name that no part of the program bound.
    QStringList unboundNames() const;
};

} // namespace app
