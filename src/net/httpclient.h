#pragma once

#include "net/busyresource.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <utility>
#include <vector>

class QIODevice;
class QNetworkAccessManager;

namespace net {

// A request that did not give a whole reply: no connection, time-out, an error status, a reply
// over the size cap, a client already busy with another request.
class HttpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A request asked of a client that is still waiting for its previous reply. It is refused
// before anything is sent, and the request in flight is left alone.
class ClientBusy final : public HttpError {
public:
    using HttpError::HttpError;
};

using FormFields = std::vector<std::pair<QString, QString>>;

// One named HTTP client (IdHTTP1, IdHTTPgj, a window's own …). Each has its own cookie jar and
// read time-out, follows redirects, sends the same request headers and closes the connection
// after every request.
//
// get() and post() block by running a local event loop until the reply is complete, so timers,
// clicks and repaints go on during a wait. That re-entrancy is why the timers disable themselves
// while they work, and why handlers name the clients they use (BusyResource) and are held back
// while one is busy; a client asked for a second request anyway refuses it (ClientBusy).
class HttpClient final : public BusyResource {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpClient)

public:
    static constexpr qint64 defaultMaxReplyBytes = 8 * 1024 * 1024;
    static constexpr int postReadTimeoutMsecs = 30000;
    // What the main window's page and quote clients (and the ticker's) wait for the next bytes.
    static constexpr int pageReadTimeoutMsecs = 6000;

    explicit HttpClient(QString name, QObject* parent = nullptr);
    ~HttpClient() override;

    const QString& name() const { return m_name; }

    // Longest wait for the next bytes of a reply; 0 waits without limit.
    void setReadTimeout(int msecs) { m_readTimeoutMsecs = msecs; }
    int readTimeout() const { return m_readTimeoutMsecs; }

    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }

    // Waiting for a reply; freed() follows the end of every request.
    bool busy() const override { return m_busy; }

    // The whole reply body. Throws HttpError (ClientBusy while another request waits).
    QByteArray get(const QString& address);
    // The reply body written into sink (pictures). Throws HttpError.
    void get(const QString& address, QIODevice& sink);
    // Posts the fields as an application/x-www-form-urlencoded body, each value percent-encoded
    // from its GBK bytes. Sets the read time-out to 30000 ms for this and later requests.
    // Throws HttpError.
    QByteArray post(const QString& address, const FormFields& fields);

    // Closes the client's connections; called after every request, also on failure.
    void disconnectFromHost();

    // The form body post() sends, exposed for tests and the service's own reader.
    static QByteArray encodeForm(const FormFields& fields);

private:
    class BusyScope;

    void transfer(const QString& address, const QByteArray* form, QByteArray* body,
                  QIODevice* sink = nullptr);

    QString m_name;
    QNetworkAccessManager* m_manager;
    int m_readTimeoutMsecs = 0;
    qint64 m_maxReplyBytes = defaultMaxReplyBytes;
    bool m_busy = false;
};

} // namespace net
