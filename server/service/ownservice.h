#pragma once

#include "service/servicestore.h"

#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QString>

#include <functional>

namespace app {
class Clock;
}
namespace market {
class MarketModel;
}
namespace web {
class HttpHost;
}

namespace service {

class FormBody;
class Presence;

// The system's own web service: every path the client asks of serviceBase. Data replies are GBK
// pages in the service envelope; posts are GBK forms. Every input is checked before anything is
// stored, and a refused request is answered with a 4xx status and its reason.
class OwnService final {
public:
    OwnService(ServiceStore& store, Presence& presence, const market::MarketModel& market,
               const app::Clock& clock, QString ownBase);
    Q_DISABLE_COPY_MOVE(OwnService)

    // What the phone delivery needs to hear of: a phone's copy or switch changed; messages were
    // put into the outbox.
    struct Listener {
        std::function<void(const QString& sn)> copyChanged;
        std::function<void()> outboxFilled;
    };
    void setListener(Listener listener) { m_listener = std::move(listener); }

    void registerOn(web::HttpHost& host);
    // Counts the request towards the online users (called for every request).
    void observe(const QHttpServerRequest& request);

    // The address clients reach this service at, taken from the request's Host header when it
    // is a plain host name, so the addresses in replies work from wherever the client stands.
    QString baseFor(const QHttpServerRequest& request) const;

private:
    QHttpServerResponse login(const QHttpServerRequest& request);
    QHttpServerResponse stockPage(const QHttpServerRequest& request);
    QHttpServerResponse startCount();
    QHttpServerResponse onlineCount();
    QHttpServerResponse latestDigest();
    QHttpServerResponse digestPage();
    QHttpServerResponse selectedStocks(const QHttpServerRequest& request);
    QHttpServerResponse channelList(const QHttpServerRequest& request);
    QHttpServerResponse registerPhone(const FormBody& form);
    QHttpServerResponse remoteSwitch(const FormBody& form);
    QHttpServerResponse clearWave(const FormBody& form, int wave);
    QHttpServerResponse addWatchStock(const FormBody& form, int wave);
    void copyWritten(const QString& sn, ServiceStore::Outcome outcome);
    QHttpServerResponse recommendationList();
    QHttpServerResponse recommend(const FormBody& form, const QHttpServerRequest& request);
    QHttpServerResponse recommendationPage();

    ServiceStore& m_store;
    Presence& m_presence;
    const market::MarketModel& m_market;
    const app::Clock& m_clock;
    QString m_ownBase;
    Listener m_listener;
};

} // namespace service
