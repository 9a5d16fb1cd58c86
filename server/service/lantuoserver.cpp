#include "service/lantuoserver.h"

#include "app/clock.h"
#include "market/marketmodel.h"
#include "market/marketsite.h"
#include "service/defaultcontent.h"
#include "service/fieldrules.h"
#include "service/ownservice.h"
#include "service/phonealerts.h"
#include "service/quotesource.h"
#include "service/presence.h"
#include "service/servicepage.h"
#include "service/servicestore.h"
#include "web/httphost.h"

namespace service {

LantuoServer::LantuoServer(Options options, const app::Clock& clock)
    : m_options(std::move(options)), m_clock(clock)
{
}

LantuoServer::~LantuoServer()
{
    // The host goes first, so no request reaches a part that is already gone; then the phone
    // alerts and the webhook, which write the store.
    m_host.reset();
    m_phoneAlerts.reset();
    m_webhook.reset();
}

QString LantuoServer::baseUrl() const
{
    QString host = m_options.address.toString();
    if (m_options.address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    if (m_options.address == QHostAddress::Any || m_options.address == QHostAddress::AnyIPv4)
        host = QStringLiteral("127.0.0.1");
    return QStringLiteral("http://%1:%2").arg(host).arg(m_port);
}

bool LantuoServer::start()
{
    m_store = std::make_unique<ServiceStore>(m_options.dataDir);
    if (!m_store->isOpen()) {
        m_error = QStringLiteral("cannot open the database in %1: %2")
                      .arg(m_options.dataDir, m_store->errorText());
        return false;
    }
    m_presence = std::make_unique<Presence>();
    m_market = std::make_unique<market::MarketModel>(m_options.seed, m_clock);
    if (m_store->isNew() && !DefaultContent::publish(*m_store, m_clock.now())) {
        m_error = QStringLiteral("cannot write the first content: %1").arg(m_store->errorText());
        return false;
    }

    if (!m_options.webhook.isEmpty()) {
        if (!WebhookSender::isUsableAddress(m_options.webhook)) {
            m_error = QStringLiteral("the webhook must be an http or https address");
            return false;
        }
        m_webhook = std::make_unique<WebhookSender>(*m_store, m_clock, QUrl(m_options.webhook),
                                                    m_options.webhookOptions);
    }
    std::unique_ptr<QuoteSource> quotes;
    if (!m_options.quoteSite.isEmpty()) {
        if (!FieldRules::isSafeAddress(m_options.quoteSite)) {
            m_error = QStringLiteral("the quote site must be an http or https address");
            return false;
        }
        quotes = std::make_unique<SiteQuoteSource>(m_options.quoteSite, m_options.quoteTimeoutMsecs);
    } else if (m_options.market) {
        quotes = std::make_unique<MarketQuoteSource>(*m_market);
    }
    if (quotes) {
        m_phoneAlerts = std::make_unique<PhoneAlerts>(*m_store, m_clock, std::move(quotes));
        m_phoneAlerts->setMessagesListener([this] {
            if (m_webhook)
                m_webhook->wake();
        });
    }

    m_host = std::make_unique<web::HttpHost>();
    m_port = m_host->listenOn(m_options.address, m_options.port);
    if (m_port == 0) {
        m_error = QStringLiteral("cannot listen on %1 port %2")
                      .arg(m_options.address.toString())
                      .arg(m_options.port);
        return false;
    }
    m_service = std::make_unique<OwnService>(*m_store, *m_presence, *m_market, m_clock, baseUrl());
    m_service->setListener({[this](const QString& sn) {
                                if (m_phoneAlerts)
                                    m_phoneAlerts->copyChanged(sn);
                            },
                            [this] {
                                if (m_webhook)
                                    m_webhook->wake();
                            }});
    m_service->registerOn(*m_host);
    if (m_options.market) {
        m_site = std::make_unique<market::MarketSite>(*m_market);
        m_site->registerOn(*m_host);
    }
    m_host->setObserver([this](const QHttpServerRequest& r) { m_service->observe(r); });
    m_host->setFallback([](const QHttpServerRequest&) {
        return ServicePage::error(404, QStringLiteral("没有这个页面"));
    });
    if (m_phoneAlerts && m_options.phoneTicks)
        m_phoneAlerts->start();
    if (m_webhook)
        m_webhook->wake(); // what a previous run left undelivered
    return true;
}

} // namespace service
