#pragma once

#include "app/mainclients.h"
#include "app/mainstate.h"
#include "app/maintimers.h"
#include "app/showhandler.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include <array>
#include <functional>

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

namespace ui {

class TForm12;

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

    // What closing the main window writes before the program ends. A write that fails (throws)
    // abandons the close: the window stays open and the program keeps running.
    void setWriteOnClose(std::function<void()> write) { m_writeOnClose = std::move(write); }

    // Empties the forum grid and writes its header row.
    void resetForumGrid();

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
    std::function<void()> m_writeOnClose;
    Qt::WindowFlags m_normalFlags;

    QLineEdit* m_codeBox = nullptr;
    QToolButton* m_lookupButton = nullptr;
    QLabel* m_playerSubtitle = nullptr;
    QTableWidget* m_forumGrid = nullptr;
    QWebEngineView* m_noticeBrowser = nullptr;
    QWebEngineView* m_adStripBrowser = nullptr;
    QWidget* m_playerMenuPanel = nullptr;
    std::array<QLabel*, 4> m_statusPanels{};

    QMenu m_trayMenu;
    QSystemTrayIcon m_trayIcon;
};

} // namespace ui
