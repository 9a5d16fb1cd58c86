#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/dashboardload.h"
#include "app/lifecycle.h"
#include "app/rememberedstate.h"
#include "app/servicestatus.h"
#include "app/shelltexts.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "app/systemdir.h"
#include "app/tradinghours.h"
#include "net/guard.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/main/afterhourspanel.h"
#include "ui/main/bigorderbrowsers.h"
#include "ui/main/fivedaychartbox.h"
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
#include "ui/main/stockcommentbox.h"
#include "ui/main/stockpoolbox.h"
#include "ui/main/timechartbox.h"
#include "ui/main/toolbarstrip.h"
#include "ui/splashwindow.h"
#include "ui/windowshell.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QWindowStateChangeEvent>

namespace ui {

namespace {

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
      m_show([this] { m_timers.start(MainTimer::Timer7); }),
      m_stateFiles(systemDirOf(services)),
      m_alerts(systemDirOf(services))
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
    buildTray();
    buildTimerSteps();
    buildLookup();
    buildFirstShow();
    m_writeOnClose = [this] { app::writeChannelFiles(m_stateFiles, m_channels); };

    if (showAtCreation)
        show();
}

TForm1::~TForm1()
{
    m_trayIcon.hide();
}

// The regions in their stacking order: each lies in front of those made before it.
void TForm1::buildRegions()
{
    const auto timer1BackOn = [this] { m_timers.start(MainTimer::Timer1); };
    m_quotePanel = new main::QuotePanel(*this, m_clients.idHttp1, m_sites.quoteSite, m_state,
                                        timer1BackOn);
    m_playerArea = new main::PlayerArea(*this);

    auto* column = new main::RightColumn(*this);
    m_forumBox = new main::ForumBox(*column);
    new main::StockPoolBox(*column);
    new main::PoolTabs(*column);
    new main::StockCommentBox(*column);
    new main::FiveDayChartBox(*column);
    m_timeChartBox = new main::TimeChartBox(*column);
    m_holdingsBox = new main::HoldingsBox(*column);
    new main::LatestInfoBox(*column);

    m_toolBar = new main::ToolBarStrip(*this);
    m_indexBox = new main::IndexBoxView(*this, m_clients.idHttp1, m_sites.quoteSite, timer1BackOn);
    connect(m_indexBox, &main::IndexBoxView::indicesRead, this, &TForm1::indicesRead);
    m_statusBar = new main::MainStatusBar(*this);
    new main::NewsStrip(*this, main::MainStatusBar::top);
    new main::LettersPanel(*this);
    new main::AfterHoursPanel(*this);
    new main::BigOrderBrowsers(*this);
}

void TForm1::buildTray()
{
    connect(m_trayMenu.action(QString::fromLatin1(app::showMainWindowItem)), &QAction::triggered,
            this, [this] { net::runGuarded([this] { N1Click(); }); });
    connect(m_trayMenu.action(QString::fromLatin1(app::exitItem)), &QAction::triggered, this,
            [this] { net::runGuarded([this] { N2Click(); }); });

    m_trayIcon.setIcon(windowIcon());
    m_trayIcon.setToolTip(app::applicationTitle());
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { onTrayActivated(reason); });
}

// The first show's steps in order. Work of other areas goes in at its place:
// after "forumGrid": commentRows (before "createbase");
// after "readTimeouts": mediaPlayer, readtoday, addtv;
// after "browsers": stockPoolPage.
void TForm1::buildFirstShow()
{
    app::StepSequence& steps = m_show.firstShow();
    steps.append(QStringLiteral("centre"), [this] { centreOnScreen(*this); });
    steps.append(QStringLiteral("forumGrid"), [this] { m_forumBox->resetGrid(); });
    steps.append(QStringLiteral("createbase"),
                 [this] { m_statusBar->panel(1).setText(m_alerts.createbase()); });
    steps.append(QStringLiteral("sendbase"), [this] { m_alerts.sendbase(); });
    steps.append(QStringLiteral("getbase"), [this] { getbase(); });
    steps.append(QStringLiteral("getmail"), {&m_clients.idHttp3}, [this] { getmail(); });
    steps.append(QStringLiteral("yzgp"), {&m_clients.idHttpgj}, [this] {
        app::yzgp(m_clients.idHttpgj, m_sites.quoteSite, m_state.currentCode, m_state, m_prompter);
    });
    steps.append(QStringLiteral("readTimeouts"), [this] {
        m_clients.idHttp1.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
        m_clients.idHttp2.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
        m_clients.idHttp5.setReadTimeout(net::HttpClient::pageReadTimeoutMsecs);
    });
    steps.append(QStringLiteral("todayCaption"), [this] {
        m_playerArea->showToday(app::todayCaption(m_clock));
        m_timers.start(MainTimer::Timer1);
        m_timers.start(MainTimer::Timer4);
        m_timers.start(MainTimer::Timer5);
    });
    steps.append(QStringLiteral("browsers"), [this] {
        m_playerArea->parkNotice();
        m_playerArea->showAdStrip(m_state.serviceBase + QStringLiteral("/gpcgad.html"));
    });
    steps.append(QStringLiteral("bigOrderPagesAndStart"), [this] {
        // The big-order pages go in before the load once their browsers are there.
        if (!m_state.currentCode.isEmpty())
            dashboardLoad(m_state.currentCode).runNested();
    });
    steps.append(QStringLiteral("flowMonitorTimer"), [this] { m_timers.start(MainTimer::Timer7); });
    // Whatever became of the steps, the splash goes on the first pass of the message loop.
    steps.setFinalBlock([this] { m_timers.start(MainTimer::Timer8); });
}

// Each timer's tick in order. The indices and the quote panel share IdHTTP1 and Timer1 is off
// for the whole tick, so they never overlap; a tick that finds IdHTTP1 still waiting for the
// dashboard load's reply skips both.
void TForm1::buildTimerSteps()
{
    const auto plan = [this] {
        return app::planQuoteTick(m_indexTicks, m_clock.timeOfDay(),
                                  !m_state.currentCode.isEmpty(), m_state.inTray);
    };
    app::StepSequence& quoteTick = m_timers.steps(MainTimer::Timer1);
    quoteTick.append(QStringLiteral("indices"), {&m_clients.idHttp1}, [this, plan] {
        if (plan().indices)
            m_indexBox->getvtzs();
        ++m_indexTicks;
    });
    // Planned after the index fetch: a lookup may have run meanwhile.
    quoteTick.append(QStringLiteral("quotePanel"), {&m_clients.idHttp1}, [this, plan] {
        if (plan().quotePanel)
            m_quotePanel->getvtdate(m_state.currentCode);
    });

    m_timers.steps(MainTimer::Timer4).append(QStringLiteral("alert engine"),
                                             {&m_clients.idHttpgj}, [this] { Timer4Timer(); });
    m_timers.steps(MainTimer::Timer6).append(QStringLiteral("rearm alerts"),
                                             [this] { m_alerts.rearm(); });

    m_timers.steps(MainTimer::Timer8).append(QStringLiteral("hideSplash"), [this] {
        m_splash.hide();
    });
}

void TForm1::buildLookup()
{
    app::LookupActions actions;
    actions.focusCodeBox = [this] { m_toolBar->focusCodeBox(); };
    actions.stopFlowMonitor = [this] { m_timers.stop(MainTimer::Timer7); };
    actions.resetForNewStock = [this] { resetForNewStock(); };
    actions.showStockPage = [this](const QString& address) { m_quotePanel->showStockPage(address); };
    actions.loadDashboard = [this](const QString& code) { dashboardLoad(code).runNested(); };
    actions.startFlowMonitor = [this] { m_timers.start(MainTimer::Timer7); };
    m_lookup = std::make_unique<app::StockLookup>(m_clients.idHttpgj, m_sites.quoteSite, m_state,
                                                  m_prompter, std::move(actions));
    connect(m_toolBar, &main::ToolBarStrip::lookupClicked, this, &TForm1::Image17Click);
}

// The dashboard load's steps in order; the information panels' loaders go in by step name.
app::StepSequence TForm1::dashboardLoad(const QString& code)
{
    app::DashboardActions actions;
    actions.loadQuotePanel = [this] { m_quotePanel->getvtdate(m_state.currentCode); };
    actions.loadIndices = [this] { m_indexBox->getvtzs(); };
    actions.quoteClients = {&m_clients.idHttp1};
    actions.setHoldingsCaption = [this](const QString& caption) { m_holdingsBox->setTitle(caption); };
    actions.setCommentCaption = [this](const QString& caption) { m_forumBox->setTitle(caption); };
    return app::buildDashboardLoad(m_stateFiles, m_clock, m_state, code, std::move(actions));
}

// What a new stock empties before its pages load. The flow monitor's reset and the forum's
// first-post flag go in before the chart.
void TForm1::resetForNewStock()
{
    m_timeChartBox->removeAllSeries();
}

void TForm1::getbase()
{
    const app::RememberedState remembered = app::getbase(m_stateFiles, m_state, m_channels);
    if (remembered.stockRemembered)
        m_quotePanel->showStockPage(app::stockPageAddress(m_state.serviceBase, m_state.currentCode));
    m_toolBar->showCode(m_state.currentCode);
    if (remembered.favouritesRead)
        m_playerArea->listFavouritesToDelete(m_channels.favouriteNames);
}

void TForm1::getmail()
{
    app::ServiceStatusDeps deps{m_clients.idHttp3, m_sites, m_prompter, m_browserOpener,
                                m_lifecycle, [this](const QString& address) {
                                    m_playerArea->showNotice(address);
                                }};
    app::getmail(deps);
}

// A click while a lookup runs is ignored. Otherwise the lookup runs once every client it uses
// is free: a click that comes while a quote tick or an alert fetch waits for its reply runs as
// soon as that reply is in, so its dashboard load never finds a client busy.
void TForm1::Image17Click(const QString& code)
{
    if (m_lookup->busy())
        return;
    app::ClientList clients = dashboardLoad(code).clients();
    clients.push_back(&m_clients.idHttpgj);
    m_gates.run(QStringLiteral("Image17Click"), std::move(clients),
                [this, code] { m_lookup->run(code); });
}

void TForm1::Timer4Timer()
{
    alerts::TickHandlers handlers;
    handlers.quoteTimer = [this](bool running) {
        running ? m_timers.start(MainTimer::Timer1) : m_timers.stop(MainTimer::Timer1);
    };
    handlers.raise = [this](const alerts::AlertEvent& event) { emit alertRaised(event); };
    m_alerts.tick(m_clock, m_clients.idHttpgj, m_sites.quoteSite, handlers);
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
