#pragma once

#include "analytics/flowmonitor.h"

#include <QObject>

namespace analytics {
struct BigOrderLists;
}

namespace app {
class Clock;
struct MainState;
struct MainTables;
} // namespace app

namespace ui::main {

// The half-hour flow monitor on Timer7: each tick reads the single-bar lists and tells the flow
// popup the day's totals and, for a newly finished window, its announcement. A stock change
// resets it, and it waits for the new stock's page before it says anything.
class FlowMonitorSteps final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlowMonitorSteps)

public:
    FlowMonitorSteps(const analytics::BigOrderLists& lists, const app::MainState& state,
                     const app::Clock& clock, QObject* parent = nullptr);

    void bindSteps(app::MainTables& tables);

    const analytics::FlowMonitorState& monitorState() const { return m_monitor; }

public slots:
    void singleBarRead() { m_monitor.pageRead(); }

signals:
    void totalsChanged(const analytics::FlowTotals& totals);
    void windowAnnounced(const analytics::FlowAnnouncement& announcement);

private:
    void Timer7Timer();

    const analytics::BigOrderLists& m_lists;
    const app::MainState& m_state;
    const app::Clock& m_clock;
    analytics::FlowMonitorState m_monitor;
};

} // namespace ui::main
