#pragma once

#include "ui/main/quotepanellabels.h"

#include <QFrame>

#include <functional>

class QWebEngineView;

namespace app {
class Clock;
struct MainState;
struct MainTables;
} // namespace app

namespace net {
class HttpClient;
}

namespace ui::main {

// The quote panel under the tool bar: the service's stock page WebBrowser1, the white bar
// Panel1 under it and the box Panel3 beside it with the quote labels. Its loader runs once in
// the dashboard load (on a weekend, and outside the refresh window), every second of Timer1
// inside the window, and a lookup shows the new stock's page.
class QuotePanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuotePanel)

public:
    // Rows come through client; a row brings currentCode and currentName into state;
    // onFailure runs when the fetch fails (Timer1 back on).
    QuotePanel(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
               app::MainState& state, const app::Clock& clock, std::function<void()> onFailure);

    void bindSteps(app::MainTables& tables);

    // getvtdate: the code's quote row into the labels. On failure the labels keep their text and
    // the chain ends silently.
    void getvtdate(const QString& code);
    // The service's page of the stock; only http and https addresses are loaded.
    void showStockPage(const QString& address);

signals:
    // Label26Click: the link "查看资金流向".
    void capitalFlowRequested();

private:
    net::HttpClient& m_client;
    QString m_quoteSite;
    app::MainState& m_state;
    const app::Clock& m_clock;
    std::function<void()> m_onFailure;
    QWebEngineView* m_stockPage;
    QuotePanelLabels m_labels;
};

} // namespace ui::main
