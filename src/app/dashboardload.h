#pragma once

#include "app/stepsequence.h"

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

struct DashboardActions {
    std::function<void()> loadQuotePanel; // getvtdate(currentCode)
    std::function<void()> loadIndices;    // getvtzs
    // The client of both one-off quote loads.
    ClientList quoteClients;
    std::function<void(const QString&)> setHoldingsCaption;
    std::function<void(const QString&)> setCommentCaption;
};

// The dashboard load (start) for the stock just made current: its code written to the stock
// file before anything is fetched; the quote panel once on a weekend; indices and quote panel
// once outside the refresh window; then the panels. Run with runNested(): the first step that
// fails ends the load and the failure travels on.
StepSequence buildDashboardLoad(const store::StateFiles& files, const Clock& clock,
                                const MainState& state, const QString& code,
                                DashboardActions actions);

} // namespace app
