#include "ui/main/playerarea.h"

#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/shelltexts.h"
#include "net/browseropener.h"
#include "ui/widgetparts.h"

#include <QLabel>
#include <QUrl>
#include <QWebEngineView>

namespace ui::main {

namespace {

// Places of the moving parts.
constexpr int parkedLeft = -1000;
constexpr int adStripIdleLeft = 20;

void load(QWebEngineView& browser, const QString& address)
{
    if (net::isOpenableAddress(address))
        browser.load(QUrl(address));
}

} // namespace

PlayerArea::PlayerArea(QWidget& parent, const app::Clock& clock, const app::MainState& state)
    : QFrame(&parent), m_clock(clock), m_state(state)
{
    place(*this, "playerArea", QRect(1, 236, 400, 366));
    setStyleSheet(QStringLiteral(
        "#playerArea { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #0b2a5c, stop:1 #2e6bb0); }"
        "#playerArea QLabel { color: white; background: transparent; }"));

    plainLabel(*this, {.name = "playerTitle",
                       .text = app::playerAreaTitle(),
                       .geometry = QRect(18, 2, 80, 16),
                       .fontPixels = 12,
                       .bold = true});
    m_subtitle = plainLabel(*this, {.name = "playerSubtitle",
                                    .text = app::playerAreaSubtitle(),
                                    .geometry = QRect(100, 2, 200, 16),
                                    .fontPixels = 12});
    m_notice = namedBrowser("WebBrowser5", *this, QRect(18, 19, 361, 263));
    m_adStrip = namedBrowser("WebBrowser66", *this, QRect(22, 21, 296, 32));
    m_menuButtonPanel = namedFrame("Panel6", *this, QRect(285, 319, 84, 22));
    m_menuButtonPanel->hide();

    m_favouritesDeleteMenu.setObjectName(QStringLiteral("N9"));
    m_favouritesDeleteMenu.setTitle(QStringLiteral("删除收藏夹节目"));
}

void PlayerArea::bindSteps(app::MainTables& tables)
{
    tables.firstShow.bind(app::firstshow::todayCaption,
                          [this] { showToday(app::todayCaption(m_clock)); });
    tables.firstShow.bind(app::firstshow::parkNotice, [this] { parkNotice(); });
    tables.firstShow.bind(app::firstshow::adStrip, [this] {
        showAdStrip(m_state.serviceBase + QStringLiteral("/gpcgad.html"));
    });
}

void PlayerArea::showToday(const QString& caption)
{
    m_subtitle->setText(caption);
}

void PlayerArea::showNotice(const QString& address)
{
    load(*m_notice, address);
}

void PlayerArea::parkNotice()
{
    m_notice->move(parkedLeft, m_notice->y());
}

void PlayerArea::showAdStrip(const QString& address)
{
    load(*m_adStrip, address);
}

void PlayerArea::idleLayout()
{
    m_adStrip->move(adStripIdleLeft, m_adStrip->y());
    m_menuButtonPanel->hide();
}

void PlayerArea::listFavouritesToDelete(const QStringList& names)
{
    // The items do their deleting once the player is there.
    for (const QString& name : names)
        m_favouritesDeleteMenu.addAction(name);
    m_favouritesDeleteMenu.addSeparator();
    m_favouritesDeleteMenu.addAction(QStringLiteral("删除全部"));
}

} // namespace ui::main
