#pragma once

#include <QObject>

namespace app {
class Lifecycle;
class Prompter;
struct MainTables;
struct Sites;
} // namespace app

namespace net {
class BrowserOpener;
class HttpClient;
} // namespace net

namespace ui::main {

// The service status read at the first show (getmail, through IdHTTP3): the start page, the
// upgrade question, the notice page for the player area, or the fault that ends the program.
class ServiceNotice final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServiceNotice)

public:
    ServiceNotice(net::HttpClient& client, const app::Sites& sites, app::Prompter& prompter,
                  net::BrowserOpener& browser, app::Lifecycle& lifecycle, QObject* parent = nullptr);

    void bindSteps(app::MainTables& tables);

signals:
    void noticeReady(const QString& address);

private:
    void getmail();

    net::HttpClient& m_client;
    const app::Sites& m_sites;
    app::Prompter& m_prompter;
    net::BrowserOpener& m_browser;
    app::Lifecycle& m_lifecycle;
};

} // namespace ui::main
