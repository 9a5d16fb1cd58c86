#include "ui/holdingspopup.h"

#include "analytics/holdings.h"
#include "app/stocklookup.h"
#include "net/browseropener.h"
#include "ui/holdingslines.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QUrl>
#include <QWebEngineView>

namespace ui {

TForm17::TForm17(QWidget* parent)
    : QWidget(parent),
      m_stockPage(namedBrowser("WebBrowser1", *this, QRect(0, 0, 285, 143))),
      m_lines(new HoldingsLines(*this, QRect(1, 155, 210, 88), QRect(1, 248, 210, 88)))
{
    applyWindowEntry(*this, "TForm17");
    makePopup(*this);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
}

void TForm17::getcc1(net::HttpClient& client, const QString& site, const QString& code)
{
    m_lines->load(client, site, code);
}

bool TForm17::showFor(const QString& labelText, net::HttpClient& client, const QString& holdingsSite,
                      const QString& serviceBase, const QRect& recommendationWindow, int pointerY)
{
    const QString code = analytics::codeInBrackets(labelText);
    if (code.isEmpty())
        return false;
    try {
        getcc1(client, holdingsSite, code);
    } catch (const std::exception&) {
        return false;
    }
    const QString page = app::stockPageAddress(serviceBase, code);
    if (net::isOpenableAddress(page))
        m_stockPage->load(QUrl(page));
    // Shown first: only a shown window knows the size of its frame.
    show();
    move(recommendationWindow.left() - frameGeometry().width(), pointerY - frameGeometry().height());
    return true;
}

} // namespace ui
