#pragma once

#include "service/servicestore.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <deque>

class QNetworkAccessManager;
class QNetworkReply;

namespace app {
class Clock;
}

namespace service {

// Delivery of the outbox to a webhook (--webhook URL): each message is posted as JSON
// {"phone","stock","kind","text","time"}, one at a time in outbox order. A message counts as
// delivered only when the webhook answered 2xx; until then it is posted again after 1 s, 2 s,
// 4 s … (at most 30 s apart), and no later message overtakes it. Undelivered messages stay in
// the outbox, so a restarted server resumes them.
class WebhookSender final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebhookSender)

public:
    struct Options {
        int firstRetryMsecs = 1000;
        int maxRetryMsecs = 30000;
        int timeoutMsecs = 10000;
    };

    // An http or https address; anything else is refused by isUsableAddress.
    static bool isUsableAddress(const QString& address);
    // The wait before the next post after `failures` failed posts in a row (1 or more): the
    // first retry delay, doubled with each further failure, never more than the longest.
    static int retryDelayMsecs(int failures, const Options& options);

    WebhookSender(ServiceStore& store, const app::Clock& clock, QUrl webhook, Options options,
                  QObject* parent = nullptr);
    ~WebhookSender() override;

    // New messages may wait in the outbox: post them unless a post or a back-off is running.
    void wake();

    qint64 deliveredCount() const { return m_delivered; }
    qint64 failedAttempts() const { return m_failedAttempts; }

    // The JSON body of one message.
    static QByteArray body(const OutboxEntry& entry);

private:
    void sendNext();
    void onReply(QNetworkReply* reply);

    ServiceStore& m_store;
    const app::Clock& m_clock;
    QUrl m_webhook;
    Options m_options;
    QNetworkAccessManager* m_network;
    QTimer m_retry;
    std::deque<OutboxEntry> m_queue; // the next undelivered messages, oldest first
    QNetworkReply* m_inFlight = nullptr;
    int m_failures = 0; // in a row
    qint64 m_delivered = 0;
    qint64 m_failedAttempts = 0;
};

} // namespace service
