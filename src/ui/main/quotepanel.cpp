#include "ui/main/quotepanel.h"

#include "app/clock.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/stocklookup.h"
#include "app/tradinghours.h"
#include "net/browseropener.h"
#include "quotes/quoterow.h"
#include "ui/linklabel.h"
#include "ui/widgetparts.h"

#include <QUrl>
#include <QWebEngineView>

namespace ui::main {

QuotePanel::QuotePanel(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
                       app::MainState& state, const app::Clock& clock,
                       std::function<void()> onFailure)
    : QFrame(&parent),
      m_client(client),
      m_quoteSite(quoteSite),
      m_state(state),
      m_clock(clock),
      m_onFailure(std::move(onFailure)),
      m_stockPage(namedBrowser("WebBrowser1", *this, QRect(0, 0, 262, 118))),
      m_labels(*this)
{
    place(*this, "quotePanel", QRect(0, 56, 400, 177));
    auto* capitalFlow = new LinkLabel("Label26", QStringLiteral("查看资金流向"), *this);
    capitalFlow->setGeometry(172, 161, 88, 16);
    connect(capitalFlow, &LinkLabel::clicked, this, &QuotePanel::capitalFlowRequested);
}

void QuotePanel::bindSteps(app::MainTables& tables)
{
    const net::Resources client = {&m_client};
    tables.dashboardLoad.bind(app::dashboard::weekendQuotePanel, client, [this] {
        if (app::isWeekend(m_clock))
            getvtdate(m_state.currentCode);
    });
    tables.dashboardLoad.bind(app::dashboard::offHoursQuotePanel, client, [this] {
        if (app::dashboardLoadsQuotesOnce(m_clock.timeOfDay()))
            getvtdate(m_state.currentCode);
    });
    // Decided when the step comes: a lookup may have run during the index fetch before it.
    tables.timers.steps(app::MainTimer::Timer1).bind(app::ticks::quotePanel, client, [this] {
        if (app::quotePanelDue(m_clock.timeOfDay(), !m_state.currentCode.isEmpty(), m_state.inTray))
            getvtdate(m_state.currentCode);
    });
    tables.lookup.bind(app::lookup::showStockPage, [this] {
        showStockPage(app::stockPageAddress(m_state.serviceBase, m_state.currentCode));
    });
}

void QuotePanel::getvtdate(const QString& code)
{
    const quotes::QuotePanelView view =
        quotes::quotePanelView(quotes::loadQuoteRow(m_client, m_quoteSite, code, m_onFailure));
    if (view.currentCode)
        m_state.currentCode = *view.currentCode;
    if (view.currentName)
        m_state.currentName = *view.currentName;
    m_labels.apply(view);
}

void QuotePanel::showStockPage(const QString& address)
{
    if (net::isOpenableAddress(address))
        m_stockPage->load(QUrl(address));
}

} // namespace ui::main
