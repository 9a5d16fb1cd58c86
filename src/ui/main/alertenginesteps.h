#pragma once

#include "alerts/alertevents.h"
#include "alerts/localalerts.h"

#include <QObject>

namespace app {
class Clock;
struct MainTables;
} // namespace app

namespace net {
class HttpClient;
}

namespace ui::main {

// The alerts of this computer in the main window: the settings database opened and loaded at
// the first show, the engine's tick on Timer4 (its quotes through IdHTTPgj) and the re-arming on
// Timer6. What the engine raises goes out as alertRaised, for the popup windows.
class AlertEngineSteps final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertEngineSteps)

public:
    AlertEngineSteps(const QString& systemDir, const app::Clock& clock, net::HttpClient& client,
                     const QString& quoteSite, QObject* parent = nullptr);

    void bindSteps(app::MainTables& tables);

    alerts::LocalAlerts& alerts() { return m_alerts; }

signals:
    // The alert status for the status bar: createbase's, at the first show.
    void statusRead(const QString& status);
    void alertRaised(const alerts::AlertEvent& event);

private:
    const app::Clock& m_clock;
    net::HttpClient& m_client;
    QString m_quoteSite;
    alerts::LocalAlerts m_alerts;
};

} // namespace ui::main
