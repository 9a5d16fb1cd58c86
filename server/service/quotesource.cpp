#include "service/quotesource.h"

#include "market/marketmodel.h"
#include "market/quotefeedpage.h"
#include "net/pagetext.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace service {

bool QuoteSource::usable(const quotes::QuoteRow& row, const QString& code)
{
    return row.complete() && row.field(2) == code;
}

void MarketQuoteSource::fetch(const QStringList& codes, const QDateTime& at, Done done)
{
    Rows rows;
    for (const QString& code : codes) {
        ++m_fetches;
        const QByteArray page = market::QuoteFeedPage::render(m_model.quoteAt(code, at));
        quotes::QuoteRow row = quotes::QuoteRow::parse(QString::fromUtf8(page));
        if (usable(row, code))
            rows.insert(code, std::move(row));
    }
    done(std::move(rows));
}

struct SiteQuoteSource::Batch {
    Done done;
    Rows rows;
    QList<QPointer<QNetworkReply>> replies;
    int waiting = 0;
    bool completed = false;
    QTimer* deadline = nullptr;
};

SiteQuoteSource::SiteQuoteSource(QString site, int timeoutMsecs, QObject* parent)
    : QObject(parent), m_site(std::move(site)), m_timeoutMsecs(timeoutMsecs),
      m_network(new QNetworkAccessManager(this))
{
}

SiteQuoteSource::~SiteQuoteSource()
{
    // Replies still running are aborted with the manager; no batch's callback runs.
    const auto replies = m_network->findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies) {
        reply->disconnect(this);
        reply->abort();
    }
}

void SiteQuoteSource::fetch(const QStringList& codes, const QDateTime&, Done done)
{
    auto batch = std::make_shared<Batch>();
    batch->done = std::move(done);
    batch->waiting = int(codes.size());
    if (codes.isEmpty()) {
        complete(batch);
        return;
    }
    // Replies queue behind the manager's few connections per host: the round as a whole gets a
    // deadline too, so a feed that answers nothing cannot hold the rounds up for long.
    batch->deadline = new QTimer(this);
    batch->deadline->setSingleShot(true);
    connect(batch->deadline, &QTimer::timeout, this, [this, batch] {
        const auto replies = batch->replies;
        complete(batch); // first, so the aborted replies below find the batch completed
        for (const QPointer<QNetworkReply>& reply : replies) {
            if (reply)
                reply->abort();
        }
    });
    batch->deadline->start(m_timeoutMsecs * 3);
    for (const QString& code : codes) {
        ++m_fetches;
        QNetworkRequest request{QUrl(quotes::quoteFeedAddress(m_site, code))};
        request.setTransferTimeout(m_timeoutMsecs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(3);
        QNetworkReply* reply = m_network->get(request);
        batch->replies.append(reply);
        connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
            if (received > kMaxReplyBytes)
                reply->abort();
        });
        connect(reply, &QNetworkReply::finished, this, [this, batch, reply, code] { finished(batch, reply, code); });
    }
}

void SiteQuoteSource::finished(const std::shared_ptr<Batch>& batch, QNetworkReply* reply, const QString& code)
{
    reply->deleteLater();
    if (batch->completed)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
        const QByteArray bytes = reply->read(kMaxReplyBytes + 1);
        if (bytes.size() <= kMaxReplyBytes) {
            try {
                quotes::QuoteRow row = quotes::QuoteRow::parse(net::decodePage(bytes, net::Encoding::Utf8));
                if (usable(row, code))
                    batch->rows.insert(code, std::move(row));
            } catch (const std::exception&) {
                // Bytes that are not UTF-8: no row for this code.
            }
        }
    }
    if (--batch->waiting <= 0)
        complete(batch);
}

void SiteQuoteSource::complete(const std::shared_ptr<Batch>& batch)
{
    if (batch->completed)
        return;
    batch->completed = true;
    if (batch->deadline)
        batch->deadline->deleteLater();
    Done done = std::move(batch->done);
    Rows rows = std::move(batch->rows);
    batch->replies.clear();
    if (done)
        done(std::move(rows));
}

} // namespace service
