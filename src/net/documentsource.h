#pragma once

#include "net/busyresource.h"

#include <QString>

namespace net {

class HttpClient;

// Where a reader gets a completed page's body from. In the client a hidden browser page loads
// the address, runs its scripts and hands over the body's inner HTML once the top-level document
// is complete; in lantuo-cli and the tests a plain GET does (the body as sent). The source is
// busy while a load is on its way; a load that fails or never completes hands over nothing.
class DocumentSource : public BusyResource {
    Q_OBJECT

public:
    using BusyResource::BusyResource;

    // Starts loading the address; bodyRead follows when the document is complete.
    virtual void load(const QString& address) = 0;

signals:
    void bodyRead(const QString& address, const QString& body);
    void loadFailed(const QString& address);
};

// A plain GET through one client, the page decoded as the site's pages are (GBK); bodyRead is
// emitted before load() returns. A failure emits loadFailed and throws nothing.
class HttpDocumentSource final : public DocumentSource {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpDocumentSource)

public:
    explicit HttpDocumentSource(HttpClient& client, QObject* parent = nullptr);

    void load(const QString& address) override;
    bool busy() const override;

private:
    HttpClient& m_client;
};

} // namespace net
