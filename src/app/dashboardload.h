#pragma once

#include "app/startupsequence.h"

#include <QTime>

#include <functional>

namespace store {
class StateFiles;
}

namespace app {

class Clock;
struct MainState;

// Step names of the dashboard load, in order; the loaders of the information panels are
// inserted at their places by name.
namespace dashboard {
inline const QString stockFile = QStringLiteral("stock file");
inline const QString weekendQuotePanel = QStringLiteral("weekend quote panel");
inline const QString offHoursQuotes = QStringLiteral("off-hours indices and quote panel");
inline const QString holdingsCaption = QStringLiteral("holdings caption");
inline const QString commentCaption = QStringLiteral("comment caption");
} // namespace dashboard

QString holdingsBoxCaption(const QString& stockName);
QString commentBoxCaption(const QString& stockName);

// The one-off index and quote load runs outside 9:10:00-15:05:00.
bool dashboardLoadsQuotesOnce(QTime time);

struct DashboardActions {
    std::function<QString()> codeBoxText;
    std::function<void()> loadQuotePanel; // getvtdate(currentCode)
    std::function<void()> loadIndices;    // getvtzs
    std::function<void(const QString&)> setHoldingsCaption;
    std::function<void(const QString&)> setCommentCaption;
};

// The dashboard load (start) for the current stock: the code box text written to the stock
// file before anything is fetched; the quote panel once on a weekend; indices and quote panel
// once outside the refresh window; then the panels. Run with runNested(): the first step that
// fails ends the load and the failure travels on.
StartupSequence buildDashboardLoad(const store::StateFiles& files, const Clock& clock,
                                   const MainState& state, DashboardActions actions);

} // namespace app
