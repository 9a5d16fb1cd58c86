#include "server/rawclient.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <memory>
#include <vector>

namespace servertest {

namespace {

// The reply is complete once its declared length arrived (or the server closed).
bool complete(const QByteArray& data, RawReply& reply)
{
    const qsizetype end = data.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    reply.headers = data.left(end);
    const QList<QByteArray> statusLine = data.left(data.indexOf("\r\n")).split(' ');
    reply.status = statusLine.size() >= 2 ? statusLine[1].toInt() : 0;
    qsizetype length = -1;
    for (const QByteArray& line : reply.headers.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.toLower().startsWith("content-length:"))
            length = trimmed.mid(15).trimmed().toLongLong();
    }
    reply.body = data.mid(end + 4);
    return length >= 0 && reply.body.size() >= length;
}

} // namespace

RawReply rawRequest(quint16 port, const QByteArray& request, int timeoutMsecs)
{
    const auto replies = rawRequestsAtOnce(port, {request}, timeoutMsecs);
    return replies.front();
}

QList<RawReply> rawRequestsAtOnce(quint16 port, const QList<QByteArray>& requests, int timeoutMsecs)
{
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (qsizetype i = 0; i < requests.size(); ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        sockets.back()->connectToHost(QStringLiteral("127.0.0.1"), port);
    }
    for (auto& socket : sockets)
        socket->waitForConnected(5000);
    for (qsizetype i = 0; i < requests.size(); ++i)
        sockets[i]->write(requests[i]);
    for (auto& socket : sockets)
        socket->flush();

    QList<RawReply> replies(requests.size());
    std::vector<QByteArray> data(requests.size());
    std::vector<bool> done(requests.size(), false);
    const QDeadlineTimer deadline(timeoutMsecs);
    qsizetype remaining = requests.size();
    while (remaining > 0 && !deadline.hasExpired()) {
        for (qsizetype i = 0; i < requests.size(); ++i) {
            if (done[i])
                continue;
            QTcpSocket& socket = *sockets[i];
            socket.waitForReadyRead(5);
            data[i] += socket.readAll();
            const bool closed = socket.state() == QAbstractSocket::UnconnectedState;
            if (complete(data[i], replies[i]) || closed) {
                complete(data[i], replies[i]);
                done[i] = true;
                --remaining;
            }
        }
    }
    return replies;
}

QByteArray formPost(const QByteArray& path, const QByteArray& body, const QByteArray& contentType)
{
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: " + contentType
         + "\r\nContent-Length: " + QByteArray::number(body.size())
         + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray plainGet(const QByteArray& pathAndQuery)
{
    return "GET " + pathAndQuery + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

} // namespace servertest
