#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace testsupport {

// A TCP server on 127.0.0.1 that speaks just enough HTTP to misbehave on purpose: it never
// answers, answers late, cuts a reply short or streams a huge one. It waits for the end of the
// request headers (and a body of the declared length) before it acts.
class RawHttpServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RawHttpServer)

public:
    explicit RawHttpServer(QObject* parent = nullptr);
    ~RawHttpServer() override;

    quint16 port() const { return m_port; }
    QString url(const QString& pathAndQuery = QStringLiteral("/")) const;

    // Accepts and reads the request, then keeps the connection open without a byte of reply.
    void neverAnswer();
    // Sends these bytes (status line, headers and body, as given) and closes the connection,
    // after a delay when one is given.
    void replyRaw(QByteArray response, int delayMsecs = 0);
    // Declares a body of declaredLength bytes, sends only `sent` of it and closes.
    void cutMidway(qint64 declaredLength, QByteArray sent);
    // Streams totalBytes of filler as fast as the client reads, with or without a
    // Content-Length header, then closes.
    void stream(qint64 totalBytes, bool declareLength);

    // The raw bytes of the last request received.
    QByteArray lastRequest() const { return m_lastRequest; }
    int connectionCount() const { return m_connections; }
    // Body bytes written to the socket by stream().
    qint64 streamedBytes() const { return m_streamed; }

private:
    enum class Mode { NeverAnswer, Reply, Stream };

    void onConnection();
    void onReadable(QTcpSocket* socket);
    void respond(QTcpSocket* socket);
    void pump(QTcpSocket* socket);

    QTcpServer* m_server;
    quint16 m_port = 0;
    Mode m_mode = Mode::NeverAnswer;
    QByteArray m_response;
    int m_delayMsecs = 0;
    qint64 m_streamTotal = 0;
    bool m_declareLength = false;
    qint64 m_streamed = 0;
    QByteArray m_lastRequest;
    int m_connections = 0;
};

} // namespace testsupport
