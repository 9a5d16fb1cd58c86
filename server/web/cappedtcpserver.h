#pragma once

#include <QTcpServer>

namespace web {

// A listening socket whose connections may not send more than a fixed number of bytes for one
// request, nor sit idle for long. The HTTP parser of Qt HTTP Server keeps a whole request in
// memory; this cap is what stops an endless body or header from exhausting it. An oversized
// request is answered "413" and its connection closed before the parser sees the excess.
class CappedTcpServer final : public QTcpServer {
    Q_OBJECT
public:
    CappedTcpServer(qint64 maxRequestBytes, int idleMsecs, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 m_maxRequestBytes;
    int m_idleMsecs;
};

} // namespace web
