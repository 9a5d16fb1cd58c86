#include "ui/webdocumentsource.h"

#include "net/browseropener.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace ui {

WebDocumentSource::WebDocumentSource(const QString& name, QWebEngineProfile& profile,
                                     QObject* parent)
    : net::DocumentSource(parent), m_page(new QWebEnginePage(&profile, this))
{
    setObjectName(name);
    m_page->setObjectName(name);
    m_limit.setSingleShot(true);
    m_limit.setInterval(loadLimitMsecs);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        m_page->triggerAction(QWebEnginePage::Stop);
        const QString address = m_address;
        end();
        emit loadFailed(address);
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebDocumentSource::finished);
}

WebDocumentSource::~WebDocumentSource() = default;

void WebDocumentSource::load(const QString& address)
{
    if (!net::isOpenableAddress(address)) {
        emit loadFailed(address);
        return;
    }
    ++m_load;
    m_address = address;
    m_busy = true;
    m_limit.start();
    m_page->load(QUrl(address));
}

void WebDocumentSource::finished(bool ok)
{
    // Only the end of the load this source started; a frame of the page finishing is not one.
    if (!m_busy)
        return;
    m_limit.stop();
    const QString address = m_address;
    if (!ok) {
        end();
        emit loadFailed(address);
        return;
    }
    const quint64 load = m_load;
    m_page->runJavaScript(QStringLiteral("document.body ? document.body.innerHTML : ''"),
                          [this, address, load](const QVariant& body) {
                              if (load != m_load || !m_busy)
                                  return;
                              end();
                              emit bodyRead(address, body.toString());
                          });
}

void WebDocumentSource::end()
{
    m_busy = false;
    emit freed();
}

} // namespace ui
