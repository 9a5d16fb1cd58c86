#include "ui/main/quotepanel.h"

#include "app/mainstate.h"
#include "net/browseropener.h"
#include "quotes/quoterow.h"
#include "ui/widgetparts.h"

#include <QUrl>
#include <QWebEngineView>

namespace ui::main {

QuotePanel::QuotePanel(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
                       app::MainState& state, std::function<void()> onFailure)
    : QFrame(&parent),
      m_client(client),
      m_quoteSite(quoteSite),
      m_state(state),
      m_onFailure(std::move(onFailure)),
      m_stockPage(namedBrowser("WebBrowser1", *this, QRect(0, 0, 262, 118))),
      m_labels(*this)
{
    place(*this, "quotePanel", QRect(0, 56, 400, 177));
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
