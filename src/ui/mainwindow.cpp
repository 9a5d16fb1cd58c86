#include "ui/mainwindow.h"

#include "app/clock.h"
#include "app/codeentry.h"
#include "app/dashboardload.h"
#include "app/lifecycle.h"
#include "app/placement.h"
#include "app/servicestatus.h"
#include "app/shelltexts.h"
#include "app/sites.h"
#include "app/systemdir.h"
#include "app/tradinghours.h"
#include "net/browseropener.h"
#include "net/guard.h"
#include "net/loader.h"
#include "quotes/indexquotes.h"
#include "quotes/quotepanel.h"
#include "quotes/quoterow.h"
#include "ui/artwork.h"
#include "ui/codekeyfilter.h"
#include "ui/codevalidator.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/quotepanellabels.h"
#include "ui/splashwindow.h"
#include "ui/tickerwindow.h"
#include "ui/windowshell.h"

#include <QChartView>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QWebEngineView>
#include <QWindowStateChangeEvent>

#include <tuple>
#include <utility>

namespace ui {

namespace {

using app::MainTimer;

constexpr int clientWidth = 931;
constexpr int toolBarHeight = 55;
constexpr int statusBarTop = 600;
constexpr int statusBarHeight = 28;

// Read time-out of the quote, holdings and forum clients once the window has been shown.
constexpr int readTimeoutMsecs = 6000;

// The index lines at their longest ("深成：19994.62  跌-1126.16↓ 成交9999亿") fit 231 px at this
// size in the stand-in faces too.
constexpr int indexFontPixels = 12;

// Places of the player area's moving parts.
constexpr int parkedLeft = -1000;
constexpr int adStripIdleLeft = 20;

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* namedFrame(const char* name, QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

QGroupBox* namedBox(const char* name, const QString& caption, QWidget* parent,
                    const QRect& geometry)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QWebEngineView* namedBrowser(const char* name, QWidget* parent, const QRect& geometry)
{
    auto* browser = new QWebEngineView(parent);
    browser->setObjectName(QString::fromLatin1(name));
    browser->setGeometry(geometry);
    return browser;
}

QChartView* namedChart(const char* name, QWidget* parent, const QRect& geometry)
{
    auto* chart = new QChartView(parent);
    chart->setObjectName(QString::fromLatin1(name));
    chart->setGeometry(geometry);
    chart->chart()->legend()->hide();
    chart->chart()->setBackgroundRoundness(0);
    chart->chart()->setMargins(QMargins(2, 2, 2, 2));
    chart->setFrameShape(QFrame::NoFrame);
    chart->setBackgroundBrush(Qt::white);
    return chart;
}

// White boxes with green bold captions, as the right column's boxes are drawn.
const char* rightColumnStyle()
{
    // The caption sits on the top border over a white ground, so a box in front hides the
    // caption of the box behind it.
    return "#rightColumn QGroupBox { background-color: white; border: 1px solid #9cb4d8;"
           " margin-top: 0px; padding-top: 14px; color: green; font-weight: bold;"
           " font-size: 12px; }"
           "#rightColumn QGroupBox::title { subcontrol-origin: border; left: 6px; top: 0px;"
           " padding: 0 2px; background-color: white; }";
}

QString systemDirOf(const MainWindowServices& services)
{
    return services.systemDir.isEmpty() ? app::systemDir() : services.systemDir;
}

} // namespace

TForm1::TForm1(const MainWindowServices& services, bool showAtCreation, QWidget* parent)
    : QWidget(parent),
      m_sites(services.sites),
      m_clock(services.clock),
      m_prompter(services.prompter),
      m_browserOpener(services.browserOpener),
      m_lifecycle(services.lifecycle),
      m_splash(services.splash),
      m_trayAvailable(services.trayAvailable),
      m_show([this] { m_timers.start(MainTimer::Timer7); }),
      m_stateFiles(systemDirOf(services))
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

    buildQuotePanel();
    buildPlayerArea();
    buildRightColumn();
    buildToolBar();
    buildStatusBar();
    buildNewsStrip();
    buildHiddenPanels();
    buildTray();
    buildTimers();
    buildLookup();
    buildFirstShow();
    m_writeOnClose = [this] { writeChannelFiles(); };

    if (showAtCreation)
        show();
}

TForm1::~TForm1()
{
    m_trayIcon.hide();
}

QAction* TForm1::trayAction(const QString& objectName) const
{
    return m_trayMenu.findChild<QAction*>(objectName);
}

void TForm1::buildToolBar()
{
    QFrame* bar = namedFrame("ToolBar1", this, QRect(0, 0, clientWidth, toolBarHeight));
    bar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    bar->setAutoFillBackground(true);

    constexpr int buttonWidth = 57;
    constexpr std::array<int, 8> hues = {0, 30, 200, 280, 120, 50, 170, 330};
    int x = 2;
    int i = 0;
    for (const app::ToolButtonText& entry : app::toolButtonTexts()) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(entry.objectName));
        button->setText(entry.text);
        button->setToolTip(entry.hint);
        button->setIcon(toolIcon(entry.text.left(1), hues.at(i++)));
        button->setIconSize(QSize(28, 28));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFont(songFont(12));
        button->setGeometry(x, 1, buttonWidth, toolBarHeight - 2);
        x += buttonWidth;
    }

    QLabel* prompt = plainLabel(app::codeBoxLabel(), bar);
    prompt->setGeometry(x + 4, 17, 100, 20);

    m_codeBox = new QLineEdit(bar);
    m_codeBox->setObjectName(QStringLiteral("Edit1"));
    m_codeBox->setMaxLength(app::stockCodeLength);
    m_codeBox->setValidator(new CodeValidator(m_codeBox));
    m_codeBox->installEventFilter(new CodeKeyFilter(m_codeBox));
    m_codeBox->setGeometry(x + 104, 15, 64, 24);

    m_lookupButton = new QToolButton(bar);
    m_lookupButton->setObjectName(QStringLiteral("Image17"));
    m_lookupButton->setAutoRaise(true);
    m_lookupButton->setIconSize(QSize(44, 26));
    m_lookupButton->setIcon(QIcon(lookupPicture(QSize(44, 26))));
    m_lookupButton->setGeometry(x + 172, 12, 50, 30);
    m_lookupButton->setCursor(Qt::PointingHandCursor);

    const int indexLeft = clientWidth - 231 - 4;
    for (const auto& [member, name, text, top] :
         {std::tuple{&m_shanghaiIndex, "Label31", app::shanghaiIndexCaption(), 8},
          std::tuple{&m_shenzhenIndex, "Label32", app::shenzhenIndexCaption(), 29}}) {
        QLabel* label = plainLabel(text, bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(indexLeft, top, 231, 18);
        label->setFont(songFont(indexFontPixels));
        setTextColour(*label, toQColor(quotes::riseRed));
        *member = label;
    }
}

void TForm1::buildQuotePanel()
{
    QFrame* panel = namedFrame("quotePanel", this, QRect(0, 56, 400, 177));
    m_stockPageBrowser = namedBrowser("WebBrowser1", panel, QRect(0, 0, 262, 118));
    QFrame* bar = namedFrame("Panel1", panel, QRect(0, 118, 262, 59));
    bar->setStyleSheet(QStringLiteral("#Panel1 { background: white; }"));
    QFrame* side = namedFrame("Panel3", panel, QRect(262, 0, 138, 177));
    side->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_quoteLabels = std::make_unique<QuotePanelLabels>(*bar, *side);
}

void TForm1::buildPlayerArea()
{
    QFrame* area = namedFrame("playerArea", this, QRect(1, 236, 400, 366));
    area->setStyleSheet(QStringLiteral(
        "#playerArea { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #0b2a5c, stop:1 #2e6bb0); }"
        "#playerArea QLabel { color: white; background: transparent; }"));

    QLabel* title = plainLabel(app::playerAreaTitle(), area);
    title->setObjectName(QStringLiteral("playerTitle"));
    title->setFont(songFont(12, true));
    title->setGeometry(18, 2, 80, 16);
    m_playerSubtitle = plainLabel(app::playerAreaSubtitle(), area);
    m_playerSubtitle->setObjectName(QStringLiteral("playerSubtitle"));
    m_playerSubtitle->setFont(songFont(12));
    m_playerSubtitle->setGeometry(100, 2, 200, 16);

    m_noticeBrowser = namedBrowser("WebBrowser5", area, QRect(18, 19, 361, 263));
    m_adStripBrowser = namedBrowser("WebBrowser66", area, QRect(22, 21, 296, 32));

    m_playerMenuPanel = namedFrame("Panel6", area, QRect(285, 319, 84, 22));
    m_playerMenuPanel->hide();
}

void TForm1::buildRightColumn()
{
    QFrame* column = namedFrame("rightColumn", this, QRect(400, 24, clientWidth - 400, 577));
    column->setStyleSheet(QString::fromLatin1(rightColumnStyle()));

    QGroupBox* comments =
        namedBox("GroupBox1", app::forumBoxCaptionBeforeFirstStock(), column, QRect(6, 43, 520, 165));
    m_commentBox = comments;
    m_forumGrid = new QTableWidget(comments);
    m_forumGrid->setObjectName(QStringLiteral("StringGrid1"));
    m_forumGrid->setGeometry(4, 14, 515, 150);
    m_forumGrid->setColumnCount(4);
    m_forumGrid->setFont(songFont(12));
    m_forumGrid->verticalHeader()->hide();
    m_forumGrid->verticalHeader()->setDefaultSectionSize(20);
    m_forumGrid->horizontalHeader()->setFixedHeight(20);
    m_forumGrid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: rgb(255, 251, 240); }"));
    m_forumGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_forumGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_forumGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_forumGrid->setCursor(Qt::PointingHandCursor);
    for (int c = 0; const int width : {21, 330, 61, 82})
        m_forumGrid->setColumnWidth(c++, width);
    resetForumGrid();

    // The stock-pool box shares the comment box's place and lies in front of it at start.
    QGroupBox* pool = namedBox("GroupBox7", QStringLiteral("今日股票池（据此操作风险自负）"),
                               column, QRect(6, 43, 521, 165));
    namedBrowser("WebBrowser7", pool, QRect(2, 14, 517, 149));

    int tabLeft = 330;
    for (const auto& [name, text] : {std::pair{"Label51", "股票池1"}, std::pair{"Label46", "股票池2"},
                                     std::pair{"Label47", "股民论坛"}}) {
        QLabel* tab = plainLabel(QString::fromUtf8(text), column);
        tab->setObjectName(QString::fromLatin1(name));
        tab->setGeometry(tabLeft, 34, 62, 18);
        tab->setAlignment(Qt::AlignCenter);
        tab->setFont(songFont(12));
        tab->setFrameStyle(QFrame::Box | QFrame::Plain);
        tab->setStyleSheet(QStringLiteral("color: green; background: white;"));
        tab->setCursor(Qt::PointingHandCursor);
        tabLeft += 64;
    }

    namedBox("GroupBox2", QStringLiteral("个股评论（数据来自千股千评,仅供参考）"), column,
             QRect(6, 212, 291, 46));
    QGroupBox* fiveDay = namedBox("GroupBox3", QStringLiteral("资金流向（数据来自千股千评,仅供参考）"),
                                  column, QRect(6, 260, 291, 122));
    namedChart("Chart2", fiveDay, QRect(4, 15, 284, 94));
    QGroupBox* timeChart =
        namedBox("GroupBox4", QStringLiteral("大单成交分时图"), column, QRect(6, 384, 291, 193));
    namedChart("Chart1", timeChart, QRect(2, 15, 288, 177));
    QGroupBox* holdings =
        namedBox("GroupBox5", QStringLiteral("个股持仓情况"), column, QRect(300, 212, 229, 160));
    m_holdingsBox = holdings;
    namedChart("Chart3", holdings, QRect(3, 15, 223, 73));
    namedChart("Chart4", holdings, QRect(3, 86, 223, 73));
    namedBox("GroupBox6", QStringLiteral("个股最新信息"), column, QRect(300, 374, 227, 199));
}

void TForm1::buildStatusBar()
{
    QFrame* bar = namedFrame("StatusBar1", this, QRect(0, statusBarTop, clientWidth, statusBarHeight));
    bar->setAutoFillBackground(true);
    int left = 0;
    for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
        QLabel* panel = plainLabel(QString(), bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // 11 px: the stand-in faces are wider than SimSun, and the title must fit its 120 px.
        panel->setFont(songFont(11));
        panel->setIndent(1);
        // The last panel reaches to the right edge, as a status bar's last part does.
        const bool last = i + 1 == m_statusPanels.size();
        const int width = last ? clientWidth - left : app::statusPanelWidths.at(i);
        panel->setGeometry(left, 2, width, statusBarHeight - 3);
        left += width;
        m_statusPanels[i] = panel;
    }
    m_statusPanels[0]->setText(app::statusBarTitle());
}

void TForm1::buildNewsStrip()
{
    constexpr int stripWidth = 378;
    QFrame* strip = namedFrame("Panel8", this,
                               QRect(clientWidth - stripWidth - 2, statusBarTop + 4, stripWidth, 22));
    strip->setStyleSheet(QStringLiteral("#Panel8 { background: white; }"));
    auto* idle = plainLabel(QString(), strip);
    idle->setObjectName(QStringLiteral("Image1"));
    idle->setGeometry(4, 3, 16, 16);
    idle->setPixmap(newsIcon(QSize(16, 16), false));
    auto* unread = plainLabel(QString(), strip);
    unread->setObjectName(QStringLiteral("Image19"));
    unread->setGeometry(4, 3, 16, 16);
    unread->setPixmap(newsIcon(QSize(16, 16), true));
    unread->hide();
    QLabel* line = plainLabel(app::newsStripSearching(), strip);
    line->setObjectName(QStringLiteral("Label48"));
    line->setGeometry(24, 0, 351, 22);
    line->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    line->setFont(songFont(12));
    line->setStyleSheet(QStringLiteral("color: navy;"));
    line->setCursor(Qt::PointingHandCursor);
}

void TForm1::buildHiddenPanels()
{
    // The newsletter and after-hours panels cover the dashboard when their buttons open them.
    QFrame* letters = namedFrame("Panel16", this, QRect(0, 56, 929, 546));
    letters->setStyleSheet(QStringLiteral("#Panel16 { background: white; }"));
    letters->hide();
    QGroupBox* afterHours = namedBox("GroupBox8", QString(), this, QRect(0, 55, 930, 546));
    afterHours->setStyleSheet(QStringLiteral("#GroupBox8 { background: white; }"));
    afterHours->hide();
}

void TForm1::buildTray()
{
    m_favouritesDeleteMenu.setObjectName(QStringLiteral("N9"));
    m_favouritesDeleteMenu.setTitle(QStringLiteral("删除收藏夹节目"));
    m_trayMenu.setObjectName(QStringLiteral("PopupMenu1"));
    const std::function<void(QMenu&, const std::vector<app::TrayMenuEntry>&)> fill =
        [&fill](QMenu& menu, const std::vector<app::TrayMenuEntry>& entries) {
            for (const app::TrayMenuEntry& entry : entries) {
                if (!entry.children.empty()) {
                    QMenu* sub = menu.addMenu(entry.text);
                    sub->setObjectName(entry.objectName);
                    sub->menuAction()->setObjectName(entry.objectName);
                    fill(*sub, entry.children);
                    continue;
                }
                QAction* action = menu.addAction(entry.text);
                action->setObjectName(entry.objectName);
                action->setCheckable(entry.checkable);
                action->setChecked(entry.checkedAtStart);
            }
        };
    fill(m_trayMenu, app::trayMenuLayout());

    // The notice switches: a click sets the tick again; only their pause boxes take it away.
    if (const QMenu* notices = m_trayMenu.findChild<QMenu*>(QStringLiteral("resumeNoticesMenu")))
        for (QAction* action : notices->actions())
            connect(action, &QAction::triggered, action, [action] { action->setChecked(true); });

    connect(trayAction(QString::fromLatin1(app::showMainWindowItem)), &QAction::triggered, this,
            [this] { net::runGuarded([this] { N1Click(); }); });
    connect(trayAction(QString::fromLatin1(app::exitItem)), &QAction::triggered, this,
            [this] { net::runGuarded([this] { N2Click(); }); });

    m_trayIcon.setIcon(windowIcon());
    m_trayIcon.setToolTip(app::applicationTitle());
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { onTrayActivated(reason); });
}

void TForm1::buildTimers()
{
    m_timers.setWork(MainTimer::Timer1, [this] { Timer1Timer(); });
    m_timers.setWork(MainTimer::Timer8, [this] { hideSplash(); });
}

void TForm1::buildLookup()
{
    app::LookupActions actions;
    actions.codeBoxText = [this] { return m_codeBox->text(); };
    actions.focusCodeBox = [this] { m_codeBox->setFocus(Qt::OtherFocusReason); };
    actions.stopFlowMonitor = [this] { m_timers.stop(MainTimer::Timer7); };
    // resetForNewStock stays empty until the flow monitor, the forum and the big-trade chart
    // have something to reset.
    actions.loadBigOrderPages = [this](const QString& code) { loadBigOrderPages(code); };
    actions.showStockPage = [this](const QString& address) { showStockPage(address); };
    actions.loadDashboard = [this] { dashboardLoad().runNested(); };
    actions.startFlowMonitor = [this] { m_timers.start(MainTimer::Timer7); };
    m_lookup = std::make_unique<app::StockLookup>(m_clients.idHttpgj, m_sites.quoteSite, m_state,
                                                  m_prompter, std::move(actions));
    connect(m_lookupButton, &QToolButton::clicked, this, [this] { Image17Click(); });
}

void TForm1::Image17Click()
{
    // A click that arrives while a quote or index fetch waits for its reply (a blocking request
    // lets clicks through) would load the dashboard with that client still busy: the dashboard's
    // own quote and index loads would fail and leave the old stock's figures on the panel. The
    // lookup runs as soon as the fetch is over instead. A click during a lookup stays ignored.
    if (!m_lookup->busy() && m_clients.idHttp1.busy()) {
        m_lookupAfterQuoteFetch = true;
        return;
    }
    net::runGuarded([this] { m_lookup->run(); });
}

void TForm1::resumeDeferredLookup()
{
    if (std::exchange(m_lookupAfterQuoteFetch, false))
        QMetaObject::invokeMethod(this, [this] { Image17Click(); }, Qt::QueuedConnection);
}

// The first show's steps in order. Work of other areas goes in at its place:
// after "forumGrid": commentRows, createbase, sendbase (before "getbase");
// after "readTimeouts": mediaPlayer, readtoday, addtv;
// after "browsers": stockPoolPage.
void TForm1::buildFirstShow()
{
    app::StartupSequence& steps = m_show.firstShow();
    steps.append(QStringLiteral("centre"), [this] { centreOnScreen(); });
    steps.append(QStringLiteral("forumGrid"), [this] { resetForumGrid(); });
    steps.append(QStringLiteral("getbase"), [this] { getbase(); });
    steps.append(QStringLiteral("getmail"), [this] { getmail(); });
    steps.append(QStringLiteral("yzgp"), [this] {
        app::yzgp(m_clients.idHttpgj, m_sites.quoteSite, m_state.currentCode, m_state, m_prompter);
    });
    steps.append(QStringLiteral("readTimeouts"), [this] {
        m_clients.idHttp1.setReadTimeout(readTimeoutMsecs);
        m_clients.idHttp2.setReadTimeout(readTimeoutMsecs);
        m_clients.idHttp5.setReadTimeout(readTimeoutMsecs);
    });
    steps.append(QStringLiteral("todayCaption"), [this] {
        m_playerSubtitle->setText(app::todayCaption(m_clock));
        m_timers.start(MainTimer::Timer1);
        m_timers.start(MainTimer::Timer4);
        m_timers.start(MainTimer::Timer5);
    });
    steps.append(QStringLiteral("browsers"), [this] {
        m_noticeBrowser->move(parkedLeft, m_noticeBrowser->y());
        const QString adStrip = m_state.serviceBase + QStringLiteral("/gpcgad.html");
        if (net::isOpenableAddress(adStrip))
            m_adStripBrowser->load(QUrl(adStrip));
    });
    steps.append(QStringLiteral("bigOrderPagesAndStart"), [this] {
        if (m_state.currentCode.isEmpty())
            return;
        loadBigOrderPages(m_state.currentCode);
        dashboardLoad().runNested();
    });
    steps.append(QStringLiteral("flowMonitorTimer"), [this] { m_timers.start(MainTimer::Timer7); });
    // Whatever became of the steps, the splash goes on the first pass of the message loop.
    steps.setFinalBlock([this] { m_timers.start(MainTimer::Timer8); });
}

void TForm1::getbase()
{
    const QString remembered = m_stateFiles.readStockCode();
    if (remembered.isEmpty()) {
        m_state.currentCode = QString::fromLatin1(store::StateFiles::defaultStockCode);
    } else {
        m_state.currentCode = remembered;
        showStockPage(app::stockPageAddress(m_state.serviceBase, m_state.currentCode));
    }
    m_codeBox->setText(m_state.currentCode);

    const store::ChannelList recent = m_stateFiles.readRecent();
    m_channels.recentNames = recent.names;
    m_channels.recentUrls = recent.urls;
    m_channels.recentCount = recent.lineCount;

    if (!m_stateFiles.favouritesExist())
        return;
    const store::ChannelList favourites = m_stateFiles.readFavourites();
    m_channels.favouriteNames = favourites.names;
    m_channels.favouriteUrls = favourites.urls;
    fillFavouritesDeleteMenu();
}

void TForm1::fillFavouritesDeleteMenu()
{
    // The items do their deleting once the player is there.
    for (const QString& name : m_channels.favouriteNames)
        m_favouritesDeleteMenu.addAction(name);
    m_favouritesDeleteMenu.addSeparator();
    m_favouritesDeleteMenu.addAction(QStringLiteral("删除全部"));
}

void TForm1::getmail()
{
    app::ServiceStatusDeps deps{m_clients.idHttp3, m_sites, m_prompter, m_browserOpener,
                                m_lifecycle, [this](const QString& address) {
                                    m_noticeBrowser->load(QUrl(address));
                                }};
    app::getmail(deps);
}

void TForm1::loadBigOrderPages(const QString& code)
{
    // The three hidden big-order browsers are pointed at the stock's pages here once they exist.
    Q_UNUSED(code);
}

void TForm1::showStockPage(const QString& address)
{
    if (net::isOpenableAddress(address))
        m_stockPageBrowser->load(QUrl(address));
}

app::StartupSequence TForm1::dashboardLoad()
{
    app::DashboardActions actions;
    actions.codeBoxText = [this] { return m_codeBox->text(); };
    actions.loadQuotePanel = [this] { getvtdate(m_state.currentCode); };
    actions.loadIndices = [this] { getvtzs(); };
    actions.setHoldingsCaption = [this](const QString& caption) { m_holdingsBox->setTitle(caption); };
    actions.setCommentCaption = [this](const QString& caption) { m_commentBox->setTitle(caption); };
    return app::buildDashboardLoad(m_stateFiles, m_clock, m_state, std::move(actions));
}

void TForm1::getvtdate(const QString& code)
{
    const auto fetchOver = qScopeGuard([this] { resumeDeferredLookup(); });
    net::HttpClient& client = m_clients.idHttp1;
    const quotes::QuoteRow row = net::runLoader(
        client,
        [&] { return quotes::QuoteRow::parse(quotes::fetchQuoteRow(client, m_sites.quoteSite, code)); },
        [this] { m_timers.start(MainTimer::Timer1); });
    const quotes::QuotePanelView view = quotes::quotePanelView(row);
    if (view.currentCode)
        m_state.currentCode = *view.currentCode;
    if (view.currentName)
        m_state.currentName = *view.currentName;
    m_quoteLabels->apply(view);
}

void TForm1::getvtzs()
{
    const auto fetchOver = qScopeGuard([this] { resumeDeferredLookup(); });
    quotes::IndexBox box;
    // A turnover that is not a number fails after the fields before it were read; those stay
    // shown.
    quotes::getvtzs(m_clients.idHttp1, m_sites.quoteSite, box, [this, &box] {
        showIndexBox(box);
        m_timers.start(MainTimer::Timer1);
    });
    showIndexBox(box);
}

void TForm1::showIndexBox(const quotes::IndexBox& box)
{
    const bool ticker = m_ticker && m_ticker->tickerActive();
    for (const auto& [label, display, row] :
         {std::tuple{m_shanghaiIndex, &box.shanghai, TForm15::IndexRow::Shanghai},
          std::tuple{m_shenzhenIndex, &box.shenzhen, TForm15::IndexRow::Shenzhen}}) {
        if (display->line)
            label->setText(*display->line);
        if (display->direction)
            setTextColour(*label, toQColor(display->lineColour));
        if (ticker)
            m_ticker->showIndexCells(row, *display);
    }
}

// Timer1 is off for the whole tick (the timer's own guard), so no fetch of it overlaps another.
void TForm1::Timer1Timer()
{
    const auto plan = [this] {
        return app::planQuoteTick(m_indexTicks, m_clock.timeOfDay(), !m_state.currentCode.isEmpty(),
                                  m_state.inTray);
    };
    if (plan().indices)
        getvtzs();
    ++m_indexTicks;
    // Read again after the index fetch: a lookup may have run meanwhile.
    if (plan().quotePanel)
        getvtdate(m_state.currentCode);
}

void TForm1::writeChannelFiles()
{
    m_stateFiles.writeRecent(m_channels.recentNames, m_channels.recentUrls);
    m_stateFiles.writeFavourites(m_channels.favouriteNames, m_channels.favouriteUrls);
}

void TForm1::resetForumGrid()
{
    m_forumGrid->clearContents();
    // The header row is the grid's horizontal header; one blank row under it.
    m_forumGrid->setRowCount(1);
    m_forumGrid->setHorizontalHeaderLabels(app::forumGridHeaders());
}

void TForm1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(app::centredOn(screen->geometry(), size()));
}

void TForm1::hideSplash()
{
    m_splash.hide();
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
    idlePlayerLayout();
    m_statusPanels[3]->clear();
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
    centreOnScreen();
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
    idlePlayerLayout();
    m_trayIcon.hide();
    event->accept();
    m_lifecycle.requestExit();
}

void TForm1::idlePlayerLayout()
{
    m_adStripBrowser->move(adStripIdleLeft, m_adStripBrowser->y());
    m_playerMenuPanel->hide();
}

} // namespace ui
