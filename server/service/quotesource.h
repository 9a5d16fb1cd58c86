#pragma once

#include "quotes/quoterow.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace market {
class MarketModel;
}

namespace service {

// Where the phone alerts get their quotes: one quote row per code, asked once per round however
// many phones watch the code. A code missing from the answer could not be fetched (no reply,
// time-out, a record short of field 18 or of another stock).
class QuoteSource {
public:
    using Rows = QHash<QString, quotes::QuoteRow>;
    using Done = std::function<void(Rows rows)>;

    virtual ~QuoteSource() = default;
    // Calls done once, at once or later on this thread, unless the source is destroyed first.
    virtual void fetch(const QStringList& codes, const QDateTime& at, Done done) = 0;
    // The quote rows asked for so far, one per code and round.
    qint64 fetchCount() const { return m_fetches; }

protected:
    // A row the alert engine can use for the code: complete, and of that stock.
    static bool usable(const quotes::QuoteRow& row, const QString& code);
    qint64 m_fetches = 0;
};

// The simulated market in-process (--market): the quote feed's own record at the round's
// instant, read with the client's parser.
class MarketQuoteSource final : public QuoteSource {
public:
    explicit MarketQuoteSource(const market::MarketModel& model) : m_model(model) {}
    void fetch(const QStringList& codes, const QDateTime& at, Done done) override;

private:
    const market::MarketModel& m_model;
};

// Any quote feed of the client's format (--quote-site): GET quoteFeedAddress(site, code) for
// every code at once, asynchronously, each with a time-out and a size cap; the round ends when
// every reply is in or the round's deadline passed. Never blocks, never trusts the bytes.
class SiteQuoteSource final : public QObject, public QuoteSource {
    Q_OBJECT
public:
    static constexpr int kMaxReplyBytes = 64 * 1024;

    SiteQuoteSource(QString site, int timeoutMsecs, QObject* parent = nullptr);
    ~SiteQuoteSource() override;
    void fetch(const QStringList& codes, const QDateTime& at, Done done) override;

private:
    struct Batch;
    void finished(const std::shared_ptr<Batch>& batch, QNetworkReply* reply, const QString& code);
    void complete(const std::shared_ptr<Batch>& batch);

    QString m_site;
    int m_timeoutMsecs;
    QNetworkAccessManager* m_network;
};

} // namespace service
