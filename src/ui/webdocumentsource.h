#pragma once

#include "net/documentsource.h"

#include <QTimer>

class QWebEnginePage;
class QWebEngineProfile;

namespace ui {

// A hidden browser page as a document source: it loads the address, lets the page's scripts
// run and hands over the body's inner HTML once the top-level document is complete. Pages of
// one profile share its cache and, with one renderer per site, one renderer process.
//
// A load that takes longer than the limit is stopped and reported failed, so a site that never
// answers cannot keep the source busy (and a lookup waiting for it) for ever.
class WebDocumentSource final : public net::DocumentSource {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebDocumentSource)

public:
    static constexpr int loadLimitMsecs = 30000;

    WebDocumentSource(const QString& name, QWebEngineProfile& profile, QObject* parent = nullptr);
    ~WebDocumentSource() override;

    void load(const QString& address) override;
    bool busy() const override { return m_busy; }

    QWebEnginePage& page() { return *m_page; }

private:
    void finished(bool ok);
    void end();

    QWebEnginePage* m_page;
    QTimer m_limit;
    QString m_address;
    bool m_busy = false;
    // Counts loads, so a body read for an earlier load is not handed over as the later one's.
    quint64 m_load = 0;
};

} // namespace ui
