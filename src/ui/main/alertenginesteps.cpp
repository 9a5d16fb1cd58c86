#include "ui/main/alertenginesteps.h"

#include "app/maintables.h"
#include "net/httpclient.h"

namespace ui::main {

AlertEngineSteps::AlertEngineSteps(const QString& systemDir, const app::Clock& clock,
                                   net::HttpClient& client, const QString& quoteSite,
                                   QObject* parent)
    : QObject(parent), m_clock(clock), m_client(client), m_quoteSite(quoteSite), m_alerts(systemDir)
{
}

void AlertEngineSteps::bindSteps(app::MainTables& tables)
{
    tables.firstShow.bind(app::firstshow::createbase, [this] { emit statusRead(m_alerts.createbase()); });
    tables.firstShow.bind(app::firstshow::sendbase, [this] { m_alerts.sendbase(); });

    app::MainTimers& timers = tables.timers;
    timers.steps(app::MainTimer::Timer4).bind(app::ticks::alertEngine, {&m_client}, [this, &timers] {
        alerts::TickHandlers handlers;
        // The engine rests the quote panel's timer on Saturday and Sunday.
        handlers.quoteTimer = [&timers](bool running) {
            running ? timers.start(app::MainTimer::Timer1) : timers.stop(app::MainTimer::Timer1);
        };
        handlers.raise = [this](const alerts::AlertEvent& event) { emit alertRaised(event); };
        m_alerts.tick(m_clock, m_client, m_quoteSite, handlers);
    });
    timers.steps(app::MainTimer::Timer6).bind(app::ticks::rearmAlerts, [this] { m_alerts.rearm(); });
}

} // namespace ui::main
