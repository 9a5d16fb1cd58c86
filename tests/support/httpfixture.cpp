#include "support/httpfixture.h"

#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QStringEncoder>

#include <stdexcept>

namespace testsupport {

namespace {

using StatusCode = QHttpServerResponder::StatusCode;

QByteArray methodName(QHttpServerRequest::Method method)
{
    const QMetaEnum names = QMetaEnum::fromType<QHttpServerRequest::Method>();
    return QByteArray(names.valueToKey(int(method))).toUpper();
}

} // namespace

QByteArray RecordedRequest::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

HttpFixture::HttpFixture() : m_server(std::make_unique<QHttpServer>())
{
    m_server->setMissingHandler([this](const QHttpServerRequest& request,
                                       QHttpServerResponder&& responder) {
        RecordedRequest recorded{methodName(request.method()), request.url().path(),
                                 request.url().query(QUrl::FullyEncoded), request.headers(),
                                 request.body()};
        m_requests.append(recorded);
        const auto route = m_routes.constFind(recorded.path);
        if (route == m_routes.constEnd()) {
            responder.write(StatusCode::NotFound);
            return;
        }
        (*route)(request, responder);
    });
    m_port = m_server->listen(QHostAddress::LocalHost, 0);
    if (m_port == 0)
        throw std::runtime_error("test HTTP server could not listen on 127.0.0.1");
}

HttpFixture::~HttpFixture() = default;

QString HttpFixture::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString HttpFixture::url(const QString& pathAndQuery) const
{
    return base() + pathAndQuery;
}

void HttpFixture::serve(const QString& path, Handler handler)
{
    m_routes.insert(path, std::move(handler));
}

void HttpFixture::serveBytes(const QString& path, QByteArray body, QByteArray contentType)
{
    serve(path, [body = std::move(body), contentType = std::move(contentType)](
                    const QHttpServerRequest&, QHttpServerResponder& responder) {
        responder.write(body, contentType);
    });
}

void HttpFixture::serveGbk(const QString& path, const QString& text)
{
    QStringEncoder toGbk("GBK");
    serveBytes(path, toGbk.encode(text), QByteArrayLiteral("text/html; charset=gb2312"));
}

void HttpFixture::serveStatus(const QString& path, int status)
{
    serve(path, [status](const QHttpServerRequest&, QHttpServerResponder& responder) {
        responder.write(StatusCode(status));
    });
}

void HttpFixture::serveRedirect(const QString& path, const QString& target, int status)
{
    serve(path, [target = target.toUtf8(), status](const QHttpServerRequest&,
                                                    QHttpServerResponder& responder) {
        responder.write(QByteArray(), {{"Location", target}, {"Content-Type", "text/html"}},
                        StatusCode(status));
    });
}

void HttpFixture::serveCookieSetter(const QString& path, QByteArray setCookie)
{
    serve(path, [setCookie = std::move(setCookie)](const QHttpServerRequest&,
                                                    QHttpServerResponder& responder) {
        responder.write(QByteArrayLiteral("ok"),
                        {{"Content-Type", "text/html"}, {"Set-Cookie", setCookie}});
    });
}

void HttpFixture::serveCookieEcho(const QString& path)
{
    serve(path, [](const QHttpServerRequest& request, QHttpServerResponder& responder) {
        const RecordedRequest recorded{{}, {}, {}, request.headers(), {}};
        responder.write(recorded.header("Cookie"), "text/plain");
    });
}

std::optional<RecordedRequest> HttpFixture::lastRequest() const
{
    if (m_requests.isEmpty())
        return std::nullopt;
    return m_requests.last();
}

int HttpFixture::requestCount(const QString& path) const
{
    int count = 0;
    for (const RecordedRequest& request : m_requests)
        count += request.path == path ? 1 : 0;
    return count;
}

} // namespace testsupport
