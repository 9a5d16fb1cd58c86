#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/rememberedstate.h"
#include "app/shelltexts.h"
#include "app/sites.h"
#include "app/systemdir.h"
#include "net/guard.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/main/afterhourspanel.h"
#include "ui/main/alertenginesteps.h"
#include "ui/main/bigorderpages.h"
#include "ui/main/fivedaychartbox.h"
#include "ui/main/flowmonitorsteps.h"
#include "ui/main/forumbox.h"
#include "ui/main/holdingsbox.h"
#include "ui/main/indexboxview.h"
#include "ui/main/latestinfobox.h"
#include "ui/main/letterspanel.h"
#include "ui/main/mainstatusbar.h"
#include "ui/main/newsstrip.h"
#include "ui/main/playerarea.h"
#include "ui/main/pooltabs.h"
#include "ui/main/quotepanel.h"
#include "ui/main/rightcolumn.h"
#include "ui/main/servicenotice.h"
#include "ui/main/stockcommentbox.h"
#include "ui/main/stockcore.h"
#include "ui/main/stockpoolbox.h"
#include "ui/main/timechartbox.h"
#include "ui/main/toolbarstrip.h"
#include "ui/splashwindow.h"
#include "ui/webdocumentsource.h"
#include "ui/windowshell.h"

#include <QCloseEvent>
#include <QWebEngineProfile>
#include <QCursor>
#include <QLabel>
#include <QWindowStateChangeEvent>

namespace ui {

namespace {

using app::MainCommand;
using app::MainTimer;

QString systemDirOf(const Services& services)
{
    return services.systemDir.isEmpty() ? app::systemDir() : services.systemDir;
}

} // namespace

TForm1::TForm1(const Services& services, TForm12& splash, bool showAtCreation, QWidget* parent)
    : QWidget(parent),
      m_sites(services.sites),
      m_clock(services.clock),
      m_prompter(services.prompter),
      m_browserOpener(services.browserOpener),
      m_lifecycle(services.lifecycle),
      m_splash(splash),
      m_trayAvailable(services.trayAvailable),
      m_show(m_tables.firstShow, [this] { m_timers.start(MainTimer::Timer7); }),
      m_stateFiles(systemDirOf(services)),
      m_trayMenu(m_actions)
{
    m_state.systemDir = systemDirOf(services);
    m_state.serviceBase = m_sites.serviceBase;

    applyWindowEntry(*this, "TForm1");
    // A fixed border with the system menu and the minimise box; no maximise.
    m_normalFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                    | Qt::WindowCloseButtonHint;
    setWindowFlags(m_normalFlags);
    setWindowIcon(applicationIcon());
    setFont(songFont(14));

    buildRegions();
    buildStockParts();
    buildBigOrderParts();
    bindFrameSteps();
    buildTray();
    m_writeOnClose = [this] { app::writeChannelFiles(m_stateFiles, m_channels); };

    if (showAtCreation)
        show();
}

TForm1::~TForm1()
{
    m_trayIcon.hide();
}

alerts::LocalAlerts& TForm1::localAlerts()
{
    return m_alertEngine->alerts();
}

bool TForm1::bigOrderPagesLoading() const
{
    return m_singleBarPage->busy() || m_singleBarDayPage->busy() || m_singlePiePage->busy();
}

int TForm1::indexTicks() const
{
    return m_indexBox->indexTicks();
}

// The regions in their stacking order: each lies in front of those made before it. Each that
// has work in the tables binds its own steps.
void TForm1::buildRegions()
{
    const auto timer1BackOn = [this] { m_timers.start(MainTimer::Timer1); };
    m_quotePanel = new main::QuotePanel(*this, m_clients.idHttp1, m_sites.quoteSite, m_state,
                                        m_clock, timer1BackOn);
    m_playerArea = new main::PlayerArea(*this, m_clock, m_state);

    auto* column = new main::RightColumn(*this);
    auto* forumBox = new main::ForumBox(*column, m_state);
    new main::StockPoolBox(*column);
    new main::PoolTabs(*column);
    new main::StockCommentBox(*column);
    m_fiveDayChartBox = new main::FiveDayChartBox(*column);
    m_timeChartBox = new main::TimeChartBox(*column);
    m_holdingsBox = new main::HoldingsBox(*column, m_state, m_clients.idHttp2, m_sites.holdingsSite);
    new main::LatestInfoBox(*column);

    m_toolBar = new main::ToolBarStrip(*this, m_actions);
    m_indexBox = new main::IndexBoxView(*this, m_clients.idHttp1, m_sites.quoteSite, m_clock,
                                        timer1BackOn);
    connect(m_indexBox, &main::IndexBoxView::indicesRead, this, &TForm1::indicesRead);
    m_statusBar = new main::MainStatusBar(*this);
    new main::NewsStrip(*this, main::MainStatusBar::top);
    new main::LettersPanel(*this);
    new main::AfterHoursPanel(*this);

    m_quotePanel->bindSteps(m_tables);
    m_playerArea->bindSteps(m_tables);
    forumBox->bindSteps(m_tables);
    m_timeChartBox->bindSteps(m_tables);
    m_holdingsBox->bindSteps(m_tables);
    m_indexBox->bindSteps(m_tables);
}

// The parts without widgets of their own: the current stock and its lookup, the service status,
// the alert engine. What they read goes to the regions that show it.
void TForm1::buildStockParts()
{
    auto* stockCore = new main::StockCore(m_stateFiles, m_state, m_channels, m_clients.idHttpgj,
                                          m_sites.quoteSite, m_prompter, m_gates, this);
    connect(m_toolBar, &main::ToolBarStrip::lookupClicked, stockCore, &main::StockCore::lookupClicked);
    connect(stockCore, &main::StockCore::codeRefused, m_toolBar, &main::ToolBarStrip::focusCodeBox);
    connect(stockCore, &main::StockCore::codeRemembered, m_toolBar, &main::ToolBarStrip::showCode);
    connect(stockCore, &main::StockCore::stockPageRemembered, m_quotePanel,
            &main::QuotePanel::showStockPage);
    connect(stockCore, &main::StockCore::favouritesRead, m_playerArea,
            &main::PlayerArea::listFavouritesToDelete);

    auto* notice = new main::ServiceNotice(m_clients.idHttp3, m_sites, m_prompter, m_browserOpener,
                                           m_lifecycle, this);
    connect(notice, &main::ServiceNotice::noticeReady, m_playerArea, &main::PlayerArea::showNotice);

    m_alertEngine = new main::AlertEngineSteps(m_state.systemDir, m_clock, m_clients.idHttpgj,
                                               m_sites.quoteSite, this);
    connect(m_alertEngine, &main::AlertEngineSteps::statusRead, &m_statusBar->panel(1), &QLabel::setText);
    connect(m_alertEngine, &main::AlertEngineSteps::alertRaised, this, &TForm1::alertRaised);

    stockCore->bindSteps(m_tables);
    notice->bindSteps(m_tables);
    m_alertEngine->bindSteps(m_tables);
}

// The big-order chart pages in their hidden pages, the charts they fill and the flow monitor that
// reads them.
void TForm1::buildBigOrderParts()
{
    QWebEngineProfile& profile = *QWebEngineProfile::defaultProfile();
    m_singleBarPage = new WebDocumentSource(QStringLiteral("WebBrowser2"), profile, this);
    m_singleBarDayPage = new WebDocumentSource(QStringLiteral("WebBrowser3"), profile, this);
    m_singlePiePage = new WebDocumentSource(QStringLiteral("WebBrowser4"), profile, this);
    auto* pages = new main::BigOrderPages(*m_singleBarPage, *m_singleBarDayPage, *m_singlePiePage,
                                          m_sites.bigOrderSite, m_state, m_clock, m_bigOrders, this);
    connect(pages, &main::BigOrderPages::halfHourChartRead, m_timeChartBox, &main::TimeChartBox::showChart);
    connect(pages, &main::BigOrderPages::fiveDayChartRead, m_fiveDayChartBox,
            &main::FiveDayChartBox::showChart);

    m_flowMonitor = new main::FlowMonitorSteps(m_bigOrders, m_state, m_clock, this);
    connect(pages, &main::BigOrderPages::singleBarRead, m_flowMonitor, &main::FlowMonitorSteps::singleBarRead);

    pages->bindSteps(m_tables);
    m_flowMonitor->bindSteps(m_tables);
}

// The frame's own steps: placing the window, the clients' time-outs, the timers, and running
// the dashboard load and the new-stock reset where the first show and the lookup call for them.
void TForm1::bindFrameSteps()
{
    app::StepSequence& show = m_tables.firstShow;
    show.bind(app::firstshow::centre, [this] { centreOnScreen(*this); });
    show.bind(app::firstshow::readTimeouts, [this] {
        m_clients.idHttp1.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
        m_clients.idHttp2.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
        m_clients.idHttp5.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
    });
    show.bind(app::firstshow::timersOn, [this] {
        m_timers.start(MainTimer::Timer1);
        m_timers.start(MainTimer::Timer4);
        m_timers.start(MainTimer::Timer5);
    });
    show.bind(app::firstshow::dashboardLoad, [this] {
        if (!m_state.currentCode.isEmpty())
            m_tables.dashboardLoad.runNested();
    });
    show.bind(app::firstshow::flowMonitorTimer, [this] { m_timers.start(MainTimer::Timer7); });
    // Whatever became of the steps, the splash goes on the first pass of the message loop.
    show.setFinalBlock([this] { m_timers.start(MainTimer::Timer8); });

    app::StepSequence& lookup = m_tables.lookup;
    lookup.bind(app::lookup::stopFlowMonitor, [this] { m_timers.stop(MainTimer::Timer7); });
    lookup.bind(app::lookup::newStockReset, [this] { m_tables.newStock.runNested(); });
    lookup.bind(app::lookup::dashboardLoad, [this] { m_tables.dashboardLoad.runNested(); });
    lookup.bind(app::lookup::startFlowMonitor, [this] { m_timers.start(MainTimer::Timer7); });

    m_timers.steps(MainTimer::Timer8).bind(app::ticks::hideSplash, [this] { m_splash.hide(); });
}

void TForm1::buildTray()
{
    connect(&m_actions.action(MainCommand::ShowMainWindow), &QAction::triggered, this,
            [this] { net::runGuarded([this] { N1Click(); }); });
    connect(&m_actions.action(MainCommand::Exit), &QAction::triggered, this,
            [this] { net::runGuarded([this] { N2Click(); }); });

    m_trayIcon.setIcon(windowIcon());
    m_trayIcon.setToolTip(app::applicationTitle());
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { onTrayActivated(reason); });
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window system's own show events (a restore from the task bar) are handled as a state
    // change; a show the program asked for runs the show handler.
    if (!event->spontaneous())
        m_show.onShow();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = change->oldState().testFlag(Qt::WindowMinimized);
    const bool minimised = windowState().testFlag(Qt::WindowMinimized);
    if (!wasMinimised && minimised && !m_state.inTray && m_trayAvailable && m_trayAvailable()) {
        // Not inside the state change itself: hiding and re-flagging the window from here
        // would disturb the window system's own handling of the event.
        QMetaObject::invokeMethod(this, [this] { net::runGuarded([this] { windowmin(); }); },
                                  Qt::QueuedConnection);
    } else if (wasMinimised && !minimised && isVisible() && !m_state.inTray) {
        // Restored from the task bar where there is no tray: it counts as a show.
        m_show.onShow();
    }
}

void TForm1::windowmin()
{
    if (!windowState().testFlag(Qt::WindowMinimized) || m_state.inTray)
        return;
    m_state.inTray = true;
    m_trayIcon.show();
    // The player stops here once there is one.
    m_playerArea->idleLayout();
    m_statusBar->panel(3).clear();
    hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    // No task-bar button while the window sits in the tray.
    setWindowFlags((m_normalFlags & ~Qt::WindowType_Mask) | Qt::Tool);
}

void TForm1::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A left or right press opens the menu at the pointer; double and middle clicks do nothing.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
        m_trayMenu.popup(QCursor::pos());
}

void TForm1::N1Click()
{
    m_state.inTray = false;
    if (windowType() == Qt::Tool)
        setWindowFlags(m_normalFlags);
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void TForm1::N2Click()
{
    // The channel files are written on this way out too: otherwise a favourite added in this
    // run would be lost. A failed write throws and so keeps the program running.
    if (m_writeOnClose)
        m_writeOnClose();
    m_trayIcon.hide();
    m_lifecycle.requestExit();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_writeOnClose && !net::runGuarded(m_writeOnClose)) {
        event->ignore();
        return;
    }
    // The player stops here once there is one.
    m_playerArea->idleLayout();
    m_trayIcon.hide();
    event->accept();
    m_lifecycle.requestExit();
}

} // namespace ui
