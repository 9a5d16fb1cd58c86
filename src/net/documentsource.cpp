#include "net/documentsource.h"

#include "net/httpclient.h"
#include "net/pagetext.h"

namespace net {

HttpDocumentSource::HttpDocumentSource(HttpClient& client, QObject* parent)
    : DocumentSource(parent), m_client(client)
{
    connect(&m_client, &BusyResource::freed, this, &BusyResource::freed);
}

bool HttpDocumentSource::busy() const
{
    return m_client.busy();
}

void HttpDocumentSource::load(const QString& address)
{
    QString body;
    try {
        body = decodePage(m_client.get(address), Encoding::Gbk);
    } catch (const std::runtime_error&) { // HttpError, DecodeError
        emit loadFailed(address);
        return;
    }
    emit bodyRead(address, body);
}

} // namespace net
