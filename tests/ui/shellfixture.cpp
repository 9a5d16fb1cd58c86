#include "shellfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

namespace uitest {

namespace {

const QString quoteFeedPath = QStringLiteral("/EM_Quote2007/optional.aspx");
const QString indexPagePath = QStringLiteral("/EM_Quote2007/default.aspx");

} // namespace

MarketFixture::MarketFixture() : m_http(std::make_unique<testsupport::HttpFixture>())
{
    m_base = m_http->base();
    setRunStatus(QStringLiteral("8"));
    setQuote(QStringLiteral("000001"),
             QStringLiteral("000001,平安银行,10.09,-0.39%,-0.04,10.09,713,10.10,2144,384241,"
                            "38904.28,10.09,10.13,10.19,10.06,-126,126,"));
    setQuote(QStringLiteral("600036"),
             QStringLiteral("600036,招商银行,30.47,0.85%,0.26,30.46,179,30.47,2586,325795,"
                            "98956.18,30.39,30.21,30.55,30.14,84,84,"));
    m_http->serve(QStringLiteral("/Themes/2009/ccfx/LoadData.aspx"),
                  [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                      const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("stockCode"));
                      if (m_holdings.contains(code))
                          responder.write(m_holdings.value(code), "text/plain");
                      else
                          responder.write(QHttpServerResponder::StatusCode::NotFound);
                  });
    for (const QString& code : {QStringLiteral("000001"), QStringLiteral("600036")}) {
        setHoldings(code, fixtureFile(QStringLiteral("holdings/ccx-600036.txt")));
        serveAnalyticsPages(code);
    }
    setIndexRecords(QStringLiteral(
        "<div>上证指数,3112.85,-6.29,-0.20%,13845348.40,5,11,2,3119.14,3117.02,3119.38,3108.96,</div>"
        "<div>深证成指,9994.62,11.16,0.11%,24736005.99,8,9,1,9983.46,9991.74,10008.06,9974.98,</div>"));
    serveQuoteFeed();
    m_http->serve(indexPagePath, [this](const QHttpServerRequest&, QHttpServerResponder& responder) {
        ++m_indexRequests;
        if (duringIndexRequest)
            duringIndexRequest();
        const QByteArray page =
            QStringLiteral("<html><body>%1</body></html>").arg(m_indexRecords).toUtf8();
        // The answer goes out later from the event loop, as a slow site's would.
        auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
        QTimer::singleShot(0, m_lateAnswers.get(), [held, page] {
            held->write(page, "text/html; charset=utf-8");
        });
    });
}

void MarketFixture::setRunStatus(const QString& runStatus)
{
    m_http->serveGbk(QStringLiteral("/gplogin.asp"),
                     QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\">1||%1&2%2||%3&2</body>")
                         .arg(pageAddress(m_base), runStatus, noticeAddress(m_base)));
}

QByteArray MarketFixture::fixtureFile(const QString& name)
{
    QFile file(QStringLiteral(LANTUO_FIXTURES_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

QString marketOf(const QString& code)
{
    return code.startsWith(u'6') ? QStringLiteral("sh") : QStringLiteral("sz");
}

// The smallest GIF there is: one white pixel.
const QByteArray onePixelGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

} // namespace

void MarketFixture::serveAnalyticsPages(const QString& code)
{
    for (const char* page : {"single-bar.htm", "single-barDay.htm", "single-pie.htm"})
        setBigOrderPage(code, QString::fromLatin1(page), fixtureFile(QStringLiteral("bigorder/") + QLatin1String(page)));
    setCapitalFlowPage(code, fixtureFile(QStringLiteral("capitalflow/now-600036.html")));
    setMinuteChart(code, onePixelGif);
}

void MarketFixture::setBigOrderPage(const QString& code, const QString& page, const QByteArray& body)
{
    m_http->serveBytes(QStringLiteral("/stock/%1/%2/%3").arg(marketOf(code), code, page), body,
                       "text/html; charset=GBK");
}

void MarketFixture::setCapitalFlowPage(const QString& code, const QByteArray& body)
{
    m_http->serveBytes(QStringLiteral("/now-%1.html").arg(code), body, "text/html; charset=GBK");
}

void MarketFixture::setMinuteChart(const QString& code, const QByteArray& picture)
{
    m_http->serveBytes(QStringLiteral("/newchart/min/n/%1%2.gif").arg(marketOf(code), code), picture,
                       "image/gif");
}

void MarketFixture::serveQuoteFeed()
{
    m_http->serve(quoteFeedPath, [this](const QHttpServerRequest& request,
                                        QHttpServerResponder& responder) {
        const QString code = QUrlQuery(request.url()).queryItemValue(QStringLiteral("fav"));
        ++m_quoteRequests[code];
        if (duringQuoteRequest)
            duringQuoteRequest(code);
        // A code the feed does not know gets an empty record.
        const QString body = QStringLiteral("var quote_zhou=\"1,%1\";").arg(m_quotes.value(code));
        responder.write(m_quotes.contains(code) ? body.toUtf8() : QByteArray("var quote_zhou=\"\";"),
                        "text/html; charset=utf-8");
    });
}

int MarketFixture::quoteRequests(const QString& code) const
{
    return m_quoteRequests.value(code);
}

int MarketFixture::indexRequests() const
{
    return m_indexRequests;
}

app::Sites sitesAt(const QString& base)
{
    app::Sites sites = app::Sites::defaults();
    for (QString* site :
         {&sites.serviceBase, &sites.quoteSite, &sites.bigOrderSite, &sites.holdingsSite,
          &sites.capitalFlowSite, &sites.chartImageSite, &sites.forumSite, &sites.sinaFinanceSite,
          &sites.noticeSite, &sites.p5wSite, &sites.eastmoneyNewsSite, &sites.jrjStockSite,
          &sites.jrjForumSite, &sites.privateFundLetterSite, &sites.qqFinanceSite,
          &sites.insiderLetterSite, &sites.institutionLetterSite, &sites.marketDataSite,
          &sites.stockPoolSite})
        *site = base;
    sites.faultPage = base + QStringLiteral("/fault.html");
    sites.authorContact = base + QStringLiteral("/author.html");
    sites.phoneServiceHome = base + QStringLiteral("/phone.html");
    sites.authorQQ = QStringLiteral("10001");
    return sites;
}

ShellObjects::ShellObjects() : sites(sitesAt(market.base()))
{
    clock.freezeAt(QDateTime(QDate(2026, 1, 5), QTime(10, 0, 0)));
}

bool processEventsUntil(const std::function<bool()>& done, int patienceMsecs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < patienceMsecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

} // namespace uitest
