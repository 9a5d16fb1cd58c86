#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;

namespace testsupport {

// What a test server received.
struct RecordedRequest {
    QByteArray method; // "GET", "POST", …
    QString path;
    QString query;     // without the "?", still percent-encoded
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // The first header of that name (case-insensitive); empty when absent.
    QByteArray header(const QByteArray& name) const;
};

// An HTTP server in the test process, on 127.0.0.1 with a free port. Routes are looked up by
// exact path (the query is ignored); an unknown path answers 404. Every request is recorded.
// Runs on the test's thread: a blocking client request pumps its event loop.
class HttpFixture final {
public:
    using Handler = std::function<void(const QHttpServerRequest&, QHttpServerResponder&)>;

    HttpFixture();
    ~HttpFixture();
    HttpFixture(const HttpFixture&) = delete;
    HttpFixture& operator=(const HttpFixture&) = delete;

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" — the base to put into Sites.
    QString base() const;
    // base() + pathAndQuery, which begins with "/".
    QString url(const QString& pathAndQuery) const;

    void serve(const QString& path, Handler handler);
    // Answers 200 with exactly these bytes.
    void serveBytes(const QString& path, QByteArray body,
                    QByteArray contentType = QByteArrayLiteral("text/html"));
    // serveBytes() of the text encoded as GBK.
    void serveGbk(const QString& path, const QString& text);
    void serveStatus(const QString& path, int status);
    void serveRedirect(const QString& path, const QString& target, int status = 302);
    // Answers 200 "ok" with a Set-Cookie header ("name=value" plus any attributes).
    void serveCookieSetter(const QString& path, QByteArray setCookie);
    // Answers 200 with the request's Cookie header as the body (empty without one).
    void serveCookieEcho(const QString& path);

    QList<RecordedRequest> requests() const { return m_requests; }
    std::optional<RecordedRequest> lastRequest() const;
    int requestCount(const QString& path) const;
    void clearRequests() { m_requests.clear(); }

private:
    std::unique_ptr<QHttpServer> m_server;
    quint16 m_port = 0;
    QHash<QString, Handler> m_routes;
    QList<RecordedRequest> m_requests;
};

} // namespace testsupport
