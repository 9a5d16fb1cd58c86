#pragma once

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/sites.h"
#include "support/httpfixture.h"
#include "support/recorders.h"
#include "ui/services.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace uitest {

using RecordingPrompter = testsupport::RecordingPrompter;
using RecordingOpener = testsupport::RecordingBrowser;

// The own service and the quote service in the test process: the status reply, the quote feed
// for the codes it knows (000001 falling, 600036 rising) and the index page (Shanghai falling,
// Shenzhen rising).
class MarketFixture final {
public:
    MarketFixture();

    QString base() const { return m_base; }
    QString url(const QString& pathAndQuery) const { return m_base + pathAndQuery; }

    // The run status of the service's reply: "8" lets this version run.
    void setRunStatus(const QString& runStatus);
    // The fields from field 2 on, each ended by its comma, as the feed sends them for the code.
    void setQuote(const QString& code, const QString& fields) { m_quotes.insert(code, fields); }
    // The records of the index page, each introduced by its name.
    void setIndexRecords(const QString& records) { m_indexRecords = records; }
    // The holdings reply of the code, as the site sends it.
    void setHoldings(const QString& code, const QByteArray& reply) { m_holdings.insert(code, reply); }
    // The big-order site's page of the code ("single-bar.htm" …) and the capital-flow page, each
    // as GBK bytes; both known codes start with the pages of tests/fixtures.
    void setBigOrderPage(const QString& code, const QString& page, const QByteArray& body);
    void setCapitalFlowPage(const QString& code, const QByteArray& body);
    // The minute chart picture of the code; a small GIF until a test says otherwise.
    void setMinuteChart(const QString& code, const QByteArray& picture);
    static QByteArray fixtureFile(const QString& name);

    // The server itself, for the own service's paths a test adds.
    testsupport::HttpFixture& http() { return *m_http; }

    int quoteRequests(const QString& code) const;
    int indexRequests() const;

    // From now on nothing listens on the port, and answers still due are dropped.
    void goDown()
    {
        m_lateAnswers.reset();
        m_http.reset();
    }

    // Run while a request is being answered, the client waiting for the reply.
    std::function<void(const QString& code)> duringQuoteRequest;
    std::function<void()> duringIndexRequest;

    static QString noticeAddress(const QString& base) { return base + QStringLiteral("/notice.html"); }
    static QString pageAddress(const QString& base) { return base + QStringLiteral("/download.html"); }

private:
    void serveQuoteFeed();
    void serveAnalyticsPages(const QString& code);

    std::unique_ptr<testsupport::HttpFixture> m_http;
    std::unique_ptr<QObject> m_lateAnswers = std::make_unique<QObject>();
    QString m_base;
    QHash<QString, QString> m_quotes;
    QHash<QString, QByteArray> m_holdings;
    QString m_indexRecords;
    QHash<QString, int> m_quoteRequests;
    int m_indexRequests = 0;
};

// The shared objects a window set is made with: a clock frozen on a Monday at 10:00:00, recording
// boxes, every site pointed at the in-process market and a fresh data folder.
struct ShellObjects {
    ShellObjects();

    MarketFixture market;
    QTemporaryDir dataDir;
    app::Sites sites = app::Sites::defaults();
    app::Clock clock;
    RecordingPrompter prompter;
    RecordingOpener opener;
    app::Lifecycle lifecycle;
    bool trayAvailable = false;
    std::function<bool()> trayProbe = [this] { return trayAvailable; };

    ui::Services services()
    {
        return {sites, clock, prompter, opener, lifecycle, trayProbe, dataDir.path()};
    }
};

// Every site and page key at one base.
app::Sites sitesAt(const QString& base);

// Processes events until done() holds or the patience runs out; returns done().
bool processEventsUntil(const std::function<bool()>& done, int patienceMsecs = 10000);

} // namespace uitest
