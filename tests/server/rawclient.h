#pragma once

#include <QByteArray>
#include <QList>

namespace servertest {

struct RawReply {
    int status = 0;        // 0: no reply (connection closed or timed out)
    QByteArray headers;
    QByteArray body;
};

// Sends exactly these request bytes to 127.0.0.1:port and reads the reply, so a test can send
// what no well-behaved client would.
RawReply rawRequest(quint16 port, const QByteArray& request, int timeoutMsecs = 10000);

// Sends all requests at once over separate connections, then collects every reply.
QList<RawReply> rawRequestsAtOnce(quint16 port, const QList<QByteArray>& requests,
                                  int timeoutMsecs = 20000);

// A POST of this form body to the path, with Connection: close.
QByteArray formPost(const QByteArray& path, const QByteArray& body,
                    const QByteArray& contentType = "application/x-www-form-urlencoded");
QByteArray plainGet(const QByteArray& pathAndQuery);

} // namespace servertest
