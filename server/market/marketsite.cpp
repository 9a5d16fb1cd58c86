#include "market/marketsite.h"

#include "app/clock.h"
#include "market/indexpage.h"
#include "market/marketmodel.h"
#include "market/quotefeedpage.h"
#include "net/market.h"
#include "web/httphost.h"

#include <QUrlQuery>

namespace market {

namespace {

QHttpServerResponse utf8Page(const QByteArray& bytes, int status = 200)
{
    return QHttpServerResponse("text/html; charset=utf-8", bytes,
                               static_cast<QHttpServerResponse::StatusCode>(status));
}

} // namespace

MarketSite::MarketSite(const MarketModel& model) : m_model(model) {}

void MarketSite::registerOn(web::HttpHost& host)
{
    host.get(QStringLiteral("/EM_Quote2007/optional.aspx"),
             [this](const QHttpServerRequest& r) { return quoteFeed(r); });
    host.get(QStringLiteral("/EM_Quote2007/default.aspx"),
             [this](const QHttpServerRequest&) { return indexPage(); });
}

QHttpServerResponse MarketSite::quoteFeed(const QHttpServerRequest& request) const
{
    const QUrlQuery query = request.query();
    if (!query.hasQueryItem(QStringLiteral("fav")))
        return utf8Page("fav missing\r\n", 400);
    const QString code = query.queryItemValue(QStringLiteral("fav"), QUrl::FullyDecoded);
    // Like the real feed, an unknown or malformed code gets a record without fields.
    const auto quote = net::isStockCode(code) ? m_model.quote(code) : std::nullopt;
    return utf8Page(QuoteFeedPage::render(quote));
}

QHttpServerResponse MarketSite::indexPage() const
{
    const QDateTime now = m_model.clock().now();
    return utf8Page(IndexPage::render(m_model.indexAt(IndexId::Shanghai, now),
                                      m_model.indexAt(IndexId::Shenzhen, now)));
}

} // namespace market
