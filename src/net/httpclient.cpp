#include "net/httpclient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringEncoder>
#include <QUrl>

namespace net {

namespace {

// Bytes the reply may hold in Qt's own buffer between two reads; keeps memory bounded while
// a huge reply is being refused.
constexpr qint64 replyBufferBytes = 256 * 1024;

QNetworkRequest makeRequest(const QString& address, int readTimeoutMsecs, const char* contentType)
{
    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(contentType));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("Connection", "close");
    // Bodies arrive as sent, so their length can be checked against Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setTransferTimeout(readTimeoutMsecs);
    return request;
}

void checkAddress(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw HttpError("not an http address: " + address.toStdString());
}

} // namespace

// Marks the client busy for one request and tells when it is free again. The client may be
// destroyed while its request waits (a window closed from a nested event); the flag then no
// longer exists and is left alone.
class HttpClient::BusyScope final {
public:
    explicit BusyScope(HttpClient& client) : m_client(&client) { client.m_busy = true; }
    ~BusyScope()
    {
        if (!m_client)
            return;
        m_client->m_busy = false;
        emit m_client->freed();
    }
    Q_DISABLE_COPY_MOVE(BusyScope)

private:
    QPointer<HttpClient> m_client;
};

HttpClient::HttpClient(QString name, QObject* parent)
    : BusyResource(parent), m_name(std::move(name)), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
    m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

HttpClient::~HttpClient() = default;

QByteArray HttpClient::get(const QString& address)
{
    QByteArray body;
    transfer(address, nullptr, &body);
    return body;
}

void HttpClient::get(const QString& address, QIODevice& sink)
{
    transfer(address, nullptr, nullptr, &sink);
}

QByteArray HttpClient::post(const QString& address, const FormFields& fields)
{
    m_readTimeoutMsecs = postReadTimeoutMsecs;
    const QByteArray form = encodeForm(fields);
    QByteArray body;
    transfer(address, &form, &body);
    return body;
}

void HttpClient::disconnectFromHost()
{
    m_manager->clearConnectionCache();
}

QByteArray HttpClient::encodeForm(const FormFields& fields)
{
    QStringEncoder toGbk("GBK");
    if (!toGbk.isValid())
        throw HttpError("no GBK encoder on this system");
    QByteArray body;
    for (const auto& [key, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QByteArray(toGbk.encode(key)).toPercentEncoding();
        body += '=';
        body += QByteArray(toGbk.encode(value)).toPercentEncoding();
    }
    return body;
}

void HttpClient::transfer(const QString& address, const QByteArray* form, QByteArray* body,
                          QIODevice* sink)
{
    if (m_busy) {
        // Every handler comes through a gate that holds it back while the client waits, so a
        // refusal here means a handler that bypassed its gate.
        qWarning("%s refused a request while waiting for a reply: %s", qPrintable(m_name),
                 qPrintable(address));
        throw ClientBusy(m_name.toStdString() + " is already waiting for a reply");
    }
    checkAddress(address);
    const BusyScope busy(*this);

    QNetworkReply* reply = form
        ? m_manager->post(makeRequest(address, m_readTimeoutMsecs,
                                      "application/x-www-form-urlencoded"), *form)
        : m_manager->get(makeRequest(address, m_readTimeoutMsecs, "text/html"));
    reply->setReadBufferSize(replyBufferBytes);

    const QPointer<HttpClient> self(this);
    const qint64 cap = m_maxReplyBytes;
    qint64 received = 0;
    bool overCap = false;
    auto drain = [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > cap) {
            overCap = true;
            reply->abort();
            return;
        }
        if (sink)
            sink->write(chunk);
        else
            body->append(chunk);
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > cap) {
            overCap = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, reply, drain);
    // After a redirect the reply's headers may still be those of the redirect when it finishes,
    // so the length check below only judges replies that were not redirected.
    bool redirected = false;
    connect(reply, &QNetworkReply::redirected, reply, [&] { redirected = true; });

    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (!self)
        throw HttpError("the client was closed during the request");

    if (!overCap && reply->isOpen())
        drain();
    const QVariant lengthHeader = reply->header(QNetworkRequest::ContentLengthHeader);
    const qint64 declaredLength =
        lengthHeader.isValid() && !redirected ? lengthHeader.toLongLong() : -1;
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    reply->disconnect();
    reply->deleteLater();
    disconnectFromHost();

    if (overCap)
        throw HttpError(m_name.toStdString() + ": reply larger than "
                        + std::to_string(cap) + " bytes from " + address.toStdString());
    if (error != QNetworkReply::NoError)
        throw HttpError(m_name.toStdString() + ": " + errorText.toStdString());
    // Qt may finish a reply whose connection closed early as if it were complete; a body
    // shorter than its declared length is a page cut short.
    if (declaredLength >= 0 && received != declaredLength)
        throw HttpError(m_name.toStdString() + ": reply cut short (" + std::to_string(received)
                        + " of " + std::to_string(declaredLength) + " bytes) from "
                        + address.toStdString());
}

} // namespace net
