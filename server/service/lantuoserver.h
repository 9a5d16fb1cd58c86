#pragma once

#include "service/webhooksender.h"

#include <QHostAddress>
#include <QString>

#include <memory>

namespace app {
class Clock;
}
namespace market {
class MarketModel;
class MarketSite;
}
namespace web {
class HttpHost;
}

namespace service {

using WebhookOptions = WebhookSender::Options;

class OwnService;
class PhoneAlerts;
class Presence;
class ServiceStore;

// lantuo-server as one object: the store, the market model, the own service and (with market)
// the simulated outside sites, on one HTTP host.
class LantuoServer final {
public:
    struct Options {
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 0;
        QString dataDir;
        quint64 seed = 1;
        bool market = false;
        // Quotes of the phone alerts from this quote feed (scheme and host, the client's
        // quoteSite); empty: from the market model in-process when market is on, else no phone
        // alerts are evaluated.
        QString quoteSite;
        int quoteTimeoutMsecs = 4000;
        // Every outbox message is also posted here (http or https); empty: none.
        QString webhook;
        WebhookOptions webhookOptions;
        // Rounds of the phone alerts every 5 s of server time; off, they run only when asked
        // (tests, benchmarks).
        bool phoneTicks = true;
    };

    LantuoServer(Options options, const app::Clock& clock);
    ~LantuoServer();
    Q_DISABLE_COPY_MOVE(LantuoServer)

    // Opens the store and listens; false with errorText() when either fails.
    bool start();
    quint16 port() const { return m_port; }
    QString baseUrl() const;
    QString errorText() const { return m_error; }

    ServiceStore& store() { return *m_store; }
    // nullptr without a quote source (neither market nor quoteSite).
    PhoneAlerts* phoneAlerts() { return m_phoneAlerts.get(); }
    // nullptr without a webhook.
    WebhookSender* webhook() { return m_webhook.get(); }
    const market::MarketModel& market() const { return *m_market; }

private:
    Options m_options;
    const app::Clock& m_clock;
    std::unique_ptr<ServiceStore> m_store;
    std::unique_ptr<Presence> m_presence;
    std::unique_ptr<market::MarketModel> m_market;
    std::unique_ptr<OwnService> m_service;
    std::unique_ptr<market::MarketSite> m_site;
    std::unique_ptr<web::HttpHost> m_host;
    std::unique_ptr<WebhookSender> m_webhook;
    std::unique_ptr<PhoneAlerts> m_phoneAlerts;
    quint16 m_port = 0;
    QString m_error;
};

} // namespace service
