#include "support/rawhttpserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <stdexcept>

namespace testsupport {

namespace {

constexpr qint64 chunkBytes = 64 * 1024;
const char* const bufferProperty = "requestBuffer";

// Whether the bytes hold the whole request: headers and a body of the declared length.
bool requestComplete(const QByteArray& bytes)
{
    const qsizetype headerEnd = bytes.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    qint64 length = 0;
    for (const QByteArray& line : bytes.left(headerEnd).split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.toLower().startsWith("content-length:"))
            length = trimmed.mid(15).trimmed().toLongLong();
    }
    return bytes.size() >= headerEnd + 4 + length;
}

} // namespace

RawHttpServer::RawHttpServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("raw test server could not listen on 127.0.0.1");
    m_port = m_server->serverPort();
    connect(m_server, &QTcpServer::newConnection, this, &RawHttpServer::onConnection);
}

RawHttpServer::~RawHttpServer() = default;

QString RawHttpServer::url(const QString& pathAndQuery) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port) + pathAndQuery;
}

void RawHttpServer::neverAnswer()
{
    m_mode = Mode::NeverAnswer;
}

void RawHttpServer::replyRaw(QByteArray response, int delayMsecs)
{
    m_mode = Mode::Reply;
    m_response = std::move(response);
    m_delayMsecs = delayMsecs;
}

void RawHttpServer::cutMidway(qint64 declaredLength, QByteArray sent)
{
    replyRaw("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
             + QByteArray::number(declaredLength) + "\r\n\r\n" + sent);
}

void RawHttpServer::stream(qint64 totalBytes, bool declareLength)
{
    m_mode = Mode::Stream;
    m_streamTotal = totalBytes;
    m_declareLength = declareLength;
}

void RawHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_connections;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void RawHttpServer::onReadable(QTcpSocket* socket)
{
    QByteArray buffer = socket->property(bufferProperty).toByteArray() + socket->readAll();
    socket->setProperty(bufferProperty, buffer);
    if (!requestComplete(buffer))
        return;
    socket->setProperty(bufferProperty, QByteArray());
    m_lastRequest = buffer;
    if (m_mode == Mode::NeverAnswer)
        return;
    if (m_delayMsecs > 0) {
        const QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(m_delayMsecs, this, [this, guarded] {
            if (guarded)
                respond(guarded);
        });
        return;
    }
    respond(socket);
}

void RawHttpServer::respond(QTcpSocket* socket)
{
    if (m_mode == Mode::Reply) {
        socket->write(m_response);
        socket->disconnectFromHost();
        return;
    }
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
    if (m_declareLength)
        head += "Content-Length: " + QByteArray::number(m_streamTotal) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->setProperty("streamLeft", m_streamTotal);
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { pump(socket); });
    pump(socket);
}

void RawHttpServer::pump(QTcpSocket* socket)
{
    // Keep only a little queued, so the filler goes out as fast as the client takes it.
    if (socket->bytesToWrite() > chunkBytes || socket->state() != QAbstractSocket::ConnectedState)
        return;
    qint64 left = socket->property("streamLeft").toLongLong();
    if (left <= 0)
        return;
    const qint64 size = qMin(left, chunkBytes);
    static const QByteArray filler(chunkBytes, 'x');
    socket->write(filler.constData(), size);
    m_streamed += size;
    left -= size;
    socket->setProperty("streamLeft", left);
    if (left == 0)
        socket->disconnectFromHost();
}

} // namespace testsupport
