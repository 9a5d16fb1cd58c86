#include "web/cappedtcpserver.h"

#include <QTcpSocket>
#include <QTimer>

namespace web {

namespace {

// Watches one connection. Its readyRead slot is connected before the HTTP server's, so it sees
// each chunk first; the server reads everything that is available, so what is available here is
// what has just arrived. Writing a reply ends the request in flight.
class ConnectionGuard final : public QObject {
public:
    ConnectionGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleMsecs)
        : QObject(socket), m_socket(socket), m_maxRequestBytes(maxRequestBytes)
    {
        m_idle.setSingleShot(true);
        m_idle.setInterval(idleMsecs);
        connect(&m_idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QTcpSocket::readyRead, this, [this] { onReadyRead(); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this] {
            m_requestBytes = 0;
            m_idle.start();
        });
        m_idle.start();
    }

private:
    void onReadyRead()
    {
        m_idle.start();
        if (m_rejected) {
            m_socket->readAll();
            return;
        }
        m_requestBytes += m_socket->bytesAvailable();
        if (m_requestBytes <= m_maxRequestBytes)
            return;
        m_rejected = true;
        m_socket->readAll();
        static const QByteArray body = "413 request too large\n";
        m_socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: text/plain\r\n"
                        "Connection: close\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        m_socket->disconnectFromHost();
    }

    QTcpSocket* m_socket;
    qint64 m_maxRequestBytes;
    qint64 m_requestBytes = 0;
    bool m_rejected = false;
    QTimer m_idle;
};

} // namespace

CappedTcpServer::CappedTcpServer(qint64 maxRequestBytes, int idleMsecs, QObject* parent)
    : QTcpServer(parent), m_maxRequestBytes(maxRequestBytes), m_idleMsecs(idleMsecs)
{
}

void CappedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    new ConnectionGuard(socket, m_maxRequestBytes, m_idleMsecs);
    addPendingConnection(socket);
}

} // namespace web
