#include "service/webhooksender.h"

#include "app/clock.h"
#include "service/fieldrules.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace service {

namespace {

constexpr int kBatch = 200;

} // namespace

bool WebhookSender::isUsableAddress(const QString& address)
{
    return FieldRules::isSafeAddress(address);
}

int WebhookSender::retryDelayMsecs(int failures, const Options& options)
{
    // Past 16 doublings every sensible longest delay is reached; the cap keeps the shift defined.
    const int doublings = std::clamp(failures - 1, 0, 16);
    return int(std::min<qint64>(qint64(options.firstRetryMsecs) << doublings, options.maxRetryMsecs));
}

QByteArray WebhookSender::body(const OutboxEntry& entry)
{
    const QJsonObject object{{QStringLiteral("phone"), entry.message.phone},
                             {QStringLiteral("stock"), entry.message.stock},
                             {QStringLiteral("kind"), entry.message.kind},
                             {QStringLiteral("text"), entry.message.text},
                             {QStringLiteral("time"), entry.createdAt}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

WebhookSender::WebhookSender(ServiceStore& store, const app::Clock& clock, QUrl webhook, Options options,
                             QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_webhook(std::move(webhook)), m_options(options),
      m_network(new QNetworkAccessManager(this))
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { sendNext(); });
}

WebhookSender::~WebhookSender()
{
    if (m_inFlight) {
        m_inFlight->disconnect(this);
        m_inFlight->abort();
    }
}

void WebhookSender::wake()
{
    if (m_inFlight || m_retry.isActive())
        return;
    sendNext();
}

void WebhookSender::sendNext()
{
    if (m_inFlight)
        return;
    if (m_queue.empty()) {
        for (OutboxEntry& entry : m_store.undelivered(kBatch))
            m_queue.push_back(std::move(entry));
        if (m_queue.empty())
            return;
    }
    QNetworkRequest request(m_webhook);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json; charset=utf-8"));
    request.setTransferTimeout(m_options.timeoutMsecs);
    m_inFlight = m_network->post(request, body(m_queue.front()));
    QNetworkReply* reply = m_inFlight;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReply(reply); });
}

void WebhookSender::onReply(QNetworkReply* reply)
{
    reply->deleteLater();
    m_inFlight = nullptr;
    if (m_queue.empty())
        return;
    const OutboxEntry& entry = m_queue.front();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool accepted = status >= 200 && status < 300;
    if (accepted && m_store.markDelivered(entry.id, m_clock.now())) {
        m_queue.pop_front();
        m_failures = 0;
        ++m_delivered;
        // Through the event loop, so a long outbox never deepens the stack.
        QMetaObject::invokeMethod(this, [this] { sendNext(); }, Qt::QueuedConnection);
        return;
    }
    ++m_failedAttempts;
    ++m_failures;
    const int backoff = retryDelayMsecs(m_failures, m_options);
    if (!accepted)
        m_store.noteFailedAttempt(entry.id, m_clock.now().addMSecs(backoff));
    m_retry.start(backoff);
}

} // namespace service
