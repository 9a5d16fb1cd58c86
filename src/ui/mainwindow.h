#pragma once

#include "app/mainclients.h"
#include "app/mainstate.h"
#include "app/maintimers.h"
#include "app/showhandler.h"
#include "app/stocklookup.h"
#include "store/statefiles.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QWebEngineView;

namespace app {
class Clock;
class Lifecycle;
class Prompter;
struct Sites;
} // namespace app

namespace net {
class BrowserOpener;
}

namespace quotes {
struct IndexBox;
}

namespace ui {

class QuotePanelLabels;
class TForm12;
class TForm15;

// What the main window is given; it reaches for nothing else.
struct MainWindowServices {
    const app::Sites& sites;
    app::Clock& clock;
    app::Prompter& prompter;
    net::BrowserOpener& browserOpener;
    app::Lifecycle& lifecycle;
    TForm12& splash;
    // Whether the desktop has a notification area; without one, minimising is left to the
    // window manager.
    std::function<bool()> trayAvailable;
    // Folder of the state files; empty for the application data folder.
    QString systemDir = {};
};

// The channel lists the player keeps for the whole run, read from the state files at start and
// written back by both exits.
struct ChannelLists {
    QStringList recentNames;
    QStringList recentUrls;
    // Lines the recent file had at start; the player places new recent entries by it.
    int recentCount = 0;
    QStringList favouriteNames;
    QStringList favouriteUrls;
};

// The main window: tool bar with the code box, quote panel, player area, the right column of
// stock information, status bar; owner of the shared values, the timers, the HTTP clients and
// the tray icon with its menu.
//
// It shows itself in its creation, and that first show runs the start-up sequence at once.
class TForm1 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    // showAtCreation false leaves the first show to the caller (tests adjust the sequence
    // first).
    explicit TForm1(const MainWindowServices& services, bool showAtCreation = true,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    app::MainState& state() { return m_state; }
    const app::MainState& state() const { return m_state; }
    app::MainTimers& timers() { return m_timers; }
    app::MainClients& clients() { return m_clients; }

    // The start-up sequence of the first show; later work is inserted at its named place.
    app::StartupSequence& firstShowSequence() { return m_show.firstShow(); }
    bool firstShowDone() const { return m_show.firstShowDone(); }
    bool inTray() const { return m_state.inTray; }

    QSystemTrayIcon& trayIcon() { return m_trayIcon; }
    QMenu& trayMenu() { return m_trayMenu; }
    // A tray menu command by its object name (N1, N2, N13 …); null when there is none.
    QAction* trayAction(const QString& objectName) const;

    QLineEdit& codeBox() { return *m_codeBox; }
    QToolButton& lookupButton() { return *m_lookupButton; }
    QLabel& statusPanel(int index) { return *m_statusPanels.at(index); }

    ChannelLists& channels() { return m_channels; }
    // N9 "删除收藏夹节目": one item per favourite read at start, then "删除全部". The player's
    // context menu takes it as its submenu.
    QMenu& favouritesDeleteMenu() { return m_favouritesDeleteMenu; }

    // The ticker exists only after the main window's first show; from then on the index loader
    // writes its index rows too.
    void setTicker(TForm15* ticker) { m_ticker = ticker; }

    // Ticks of Timer1 so far that got past the index step; the indices load every third.
    int indexTicks() const { return m_indexTicks; }

    // What both exits (the close box and the tray menu's exit) write before the program ends:
    // the recent and favourite channel files unless replaced. A write that fails (throws)
    // abandons the exit: the window stays open and the program keeps running.
    void setWriteOnClose(std::function<void()> write) { m_writeOnClose = std::move(write); }

    // Empties the forum grid and writes its header row.
    void resetForumGrid();

    // The quote row of the code into the quote panel; currentCode and currentName follow the
    // row. On failure Timer1 is on again and the chain ends silently.
    void getvtdate(const QString& code);
    // The index page into the index box and, when the ticker is active, its index rows. On
    // failure what the page had written stays, Timer1 is on again and the chain ends silently.
    void getvtzs();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBar();
    void buildQuotePanel();
    void buildPlayerArea();
    void buildRightColumn();
    void buildStatusBar();
    void buildNewsStrip();
    void buildHiddenPanels();
    void buildTray();
    void buildTimers();
    void buildFirstShow();
    void buildLookup();
    void Image17Click();
    void resumeDeferredLookup();

    // First-show steps of the stock core.
    void getbase();
    void getmail();
    void fillFavouritesDeleteMenu();
    // The dashboard load for the current stock; the information panels insert their loaders
    // into it by step name.
    app::StartupSequence dashboardLoad();
    void Timer1Timer();
    void showIndexBox(const quotes::IndexBox& box);
    void writeChannelFiles();
    void showStockPage(const QString& address);
    void loadBigOrderPages(const QString& code);

    void centreOnScreen();
    void hideSplash();
    void windowmin();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void N1Click();
    void N2Click();
    // The player area back in its idle layout: strip at the left, menu button hidden.
    void idlePlayerLayout();

    const app::Sites& m_sites;
    app::Clock& m_clock;
    app::Prompter& m_prompter;
    net::BrowserOpener& m_browserOpener;
    app::Lifecycle& m_lifecycle;
    TForm12& m_splash;
    std::function<bool()> m_trayAvailable;

    app::MainState m_state;
    app::MainTimers m_timers;
    app::MainClients m_clients;
    app::ShowHandler m_show;
    store::StateFiles m_stateFiles;
    ChannelLists m_channels;
    std::unique_ptr<app::StockLookup> m_lookup;
    int m_indexTicks = 0;
    // A click that came while the quote client was busy; it runs when the fetch is over.
    bool m_lookupAfterQuoteFetch = false;
    TForm15* m_ticker = nullptr;
    std::function<void()> m_writeOnClose;
    Qt::WindowFlags m_normalFlags;

    QLineEdit* m_codeBox = nullptr;
    QToolButton* m_lookupButton = nullptr;
    QLabel* m_shanghaiIndex = nullptr;
    QLabel* m_shenzhenIndex = nullptr;
    QWebEngineView* m_stockPageBrowser = nullptr;
    std::unique_ptr<QuotePanelLabels> m_quoteLabels;
    QGroupBox* m_commentBox = nullptr;
    QGroupBox* m_holdingsBox = nullptr;
    QLabel* m_playerSubtitle = nullptr;
    QTableWidget* m_forumGrid = nullptr;
    QWebEngineView* m_noticeBrowser = nullptr;
    QWebEngineView* m_adStripBrowser = nullptr;
    QWidget* m_playerMenuPanel = nullptr;
    std::array<QLabel*, 4> m_statusPanels{};

    QMenu m_favouritesDeleteMenu;
    QMenu m_trayMenu;
    QSystemTrayIcon m_trayIcon;
};

} // namespace ui
