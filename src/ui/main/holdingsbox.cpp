#include "ui/main/holdingsbox.h"

#include "analytics/holdings.h"
#include "app/dashboardcaptions.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "net/httpclient.h"
#include "net/silentabort.h"
#include "ui/holdingslines.h"
#include "ui/widgetparts.h"

namespace ui::main {

HoldingsBox::HoldingsBox(QWidget& column, const app::MainState& state, net::HttpClient& client,
                         const QString& site)
    : QGroupBox(QStringLiteral("个股持仓情况"), &column),
      m_state(state),
      m_client(client),
      m_site(site),
      m_lines(new HoldingsLines(*this, QRect(3, 15, 223, 73), QRect(3, 86, 223, 73)))
{
    place(*this, "GroupBox5", QRect(300, 212, 229, 160));
}

void HoldingsBox::bindSteps(app::MainTables& tables)
{
    tables.dashboardLoad.bind(app::dashboard::holdingsCaption,
                              [this] { setTitle(app::holdingsBoxCaption(m_state.currentName)); });
    tables.dashboardLoad.bind(app::dashboard::holdings, {&m_client},
                              [this] { getcc(m_state.currentCode); });
}

void HoldingsBox::getcc(const QString& code)
{
    try {
        m_lines->load(m_client, m_site, code);
    } catch (const std::exception&) {
        setTitle(analytics::holdingsFailedCaption());
        net::abortSilently();
    }
}

} // namespace ui::main
