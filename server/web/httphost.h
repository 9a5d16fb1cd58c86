#pragma once

#include <QAbstractHttpServer>
#include <QHash>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponse>

#include <functional>

namespace web {

// The HTTP front of lantuo-server: exact paths mapped to handlers, one thread, every reply built
// in memory. Requests are capped in size at the socket (CappedTcpServer).
class HttpHost final : public QAbstractHttpServer {
    Q_OBJECT
public:
    using Handler = std::function<QHttpServerResponse(const QHttpServerRequest&)>;
    using Observer = std::function<void(const QHttpServerRequest&)>;

    static constexpr qint64 kMaxRequestBytes = 96 * 1024;
    static constexpr int kIdleMsecs = 60 * 1000;

    explicit HttpHost(QObject* parent = nullptr);

    void get(const QString& path, Handler handler);
    void post(const QString& path, Handler handler);
    // Answers every path that has no handler.
    void setFallback(Handler handler);
    // Called with every request before its handler.
    void setObserver(Observer observer);

    // Returns the port, 0 on failure.
    quint16 listenOn(const QHostAddress& address, quint16 port);

    // The client's address as text, IPv4 addresses without their IPv6 wrapping.
    static QString clientAddress(const QHttpServerRequest& request);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Route {
        Handler onGet;
        Handler onPost;
    };

    QHttpServerResponse dispatch(const QHttpServerRequest& request) const;
    QHttpServerResponse safeDispatch(const QHttpServerRequest& request) const;

    QHash<QString, Route> m_routes;
    Handler m_fallback;
    Observer m_observer;
};

} // namespace web
