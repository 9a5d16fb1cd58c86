#include "ui/main/servicenotice.h"

#include "app/maintables.h"
#include "app/servicestatus.h"
#include "net/httpclient.h"

namespace ui::main {

ServiceNotice::ServiceNotice(net::HttpClient& client, const app::Sites& sites,
                             app::Prompter& prompter, net::BrowserOpener& browser,
                             app::Lifecycle& lifecycle, QObject* parent)
    : QObject(parent),
      m_client(client),
      m_sites(sites),
      m_prompter(prompter),
      m_browser(browser),
      m_lifecycle(lifecycle)
{
}

void ServiceNotice::bindSteps(app::MainTables& tables)
{
    tables.firstShow.bind(app::firstshow::getmail, {&m_client}, [this] { getmail(); });
}

void ServiceNotice::getmail()
{
    app::ServiceStatusDeps deps{m_client, m_sites, m_prompter, m_browser, m_lifecycle,
                                [this](const QString& address) { emit noticeReady(address); }};
    app::getmail(deps);
}

} // namespace ui::main
