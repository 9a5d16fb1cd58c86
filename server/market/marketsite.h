#pragma once

#include <QHttpServerRequest>
#include <QHttpServerResponse>

namespace web {
class HttpHost;
}

namespace market {

class MarketModel;

// The simulated outside finance sites, all drawn from one MarketModel so every page agrees.
// Each page has its own renderer file; this class only maps paths to them.
class MarketSite final {
public:
    explicit MarketSite(const MarketModel& model);
    Q_DISABLE_COPY_MOVE(MarketSite)

    void registerOn(web::HttpHost& host);

private:
    QHttpServerResponse quoteFeed(const QHttpServerRequest& request) const;
    QHttpServerResponse indexPage() const;

    const MarketModel& m_model;
};

} // namespace market
