#include "web/httphost.h"

#include "web/cappedtcpserver.h"

#include <QHttpServerResponder>

#include <exception>

namespace web {

HttpHost::HttpHost(QObject* parent) : QAbstractHttpServer(parent)
{
    m_fallback = [](const QHttpServerRequest&) {
        return QHttpServerResponse("text/plain", "404 not found\n",
                                   QHttpServerResponse::StatusCode::NotFound);
    };
}

void HttpHost::get(const QString& path, Handler handler)
{
    m_routes[path].onGet = std::move(handler);
}

void HttpHost::post(const QString& path, Handler handler)
{
    m_routes[path].onPost = std::move(handler);
}

void HttpHost::setFallback(Handler handler)
{
    m_fallback = std::move(handler);
}

void HttpHost::setObserver(Observer observer)
{
    m_observer = std::move(observer);
}

quint16 HttpHost::listenOn(const QHostAddress& address, quint16 port)
{
    auto* server = new CappedTcpServer(kMaxRequestBytes, kIdleMsecs, this);
    if (!server->listen(address, port)) {
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

QString HttpHost::clientAddress(const QHttpServerRequest& request)
{
    const QHostAddress address = request.remoteAddress();
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

QHttpServerResponse HttpHost::dispatch(const QHttpServerRequest& request) const
{
    if (m_observer)
        m_observer(request);
    const auto found = m_routes.constFind(request.url().path());
    if (found == m_routes.cend())
        return m_fallback(request);
    const Route& route = *found;
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        if (route.onGet)
            return route.onGet(request);
        break;
    case QHttpServerRequest::Method::Post:
        if (route.onPost)
            return route.onPost(request);
        break;
    default:
        break;
    }
    QHttpServerResponse refused("text/plain", "405 method not allowed\n",
                                QHttpServerResponse::StatusCode::MethodNotAllowed);
    refused.addHeader("Allow", route.onPost ? (route.onGet ? "GET, POST" : "POST") : "GET");
    return refused;
}

// Nothing a handler throws may reach Qt's event loop.
QHttpServerResponse HttpHost::safeDispatch(const QHttpServerRequest& request) const
{
    try {
        return dispatch(request);
    } catch (const std::exception& error) {
        qWarning("lantuo-server: request failed: %s", error.what());
    } catch (...) {
        qWarning("lantuo-server: request failed");
    }
    return QHttpServerResponse("text/plain", "500 internal error\n",
                               QHttpServerResponse::StatusCode::InternalServerError);
}

bool HttpHost::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponse response = safeDispatch(request);
    if (!response.hasHeader("Cache-Control"))
        response.addHeader("Cache-Control", "no-store");
    response.write(makeResponder(request, socket));
    return true;
}

void HttpHost::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    m_fallback(request).write(makeResponder(request, socket));
}

} // namespace web
