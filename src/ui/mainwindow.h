#pragma once

#include "alerts/alertevents.h"
#include "alerts/localalerts.h"
#include "analytics/bigorderpages.h"
#include "app/mainclients.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/maintimers.h"
#include "app/resourcegates.h"
#include "app/showhandler.h"
#include "store/statefiles.h"
#include "ui/main/mainactions.h"
#include "ui/main/traymenu.h"
#include "ui/services.h"

#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>

namespace quotes {
struct IndexBox;
}

namespace ui {

class TForm12;

class WebDocumentSource;

namespace main {
class AlertEngineSteps;
class FiveDayChartBox;
class FlowMonitorSteps;
class HoldingsBox;
class IndexBoxView;
class MainStatusBar;
class PlayerArea;
class QuotePanel;
class TimeChartBox;
class ToolBarStrip;
} // namespace main

// The main window: the frame, the shared values, the timers, the HTTP clients and their gates,
// the commands, the tray icon and the two ways out. Its regions (src/ui/main) own their widgets
// and bind their own steps into the ordered tables (app/maintables.h: the first show, the
// dashboard load, the new-stock reset, the lookup's actions and each timer's tick); this class
// creates them, joins them where one shows what another read, and binds only the frame's steps.
//
// It shows itself in its creation, and that first show runs the start-up sequence at once.
class TForm1 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    // showAtCreation false leaves the first show to the caller (tests adjust the sequence
    // first).
    TForm1(const Services& services, TForm12& splash, bool showAtCreation = true,
           QWidget* parent = nullptr);
    ~TForm1() override;

    app::MainState& state() { return m_state; }
    const app::MainState& state() const { return m_state; }
    app::ChannelLists& channels() { return m_channels; }
    app::MainTimers& timers() { return m_timers; }
    const app::Clock& clock() const { return m_clock; }
    app::MainTables& tables() { return m_tables; }
    app::MainClients& clients() { return m_clients; }
    app::ResourceGates& gates() { return m_gates; }
    alerts::LocalAlerts& localAlerts();
    // Every user command of the tool bar and the tray menu.
    const main::MainActions& actions() const { return m_actions; }

    bool firstShowDone() const { return m_show.firstShowDone(); }
    bool inTray() const { return m_state.inTray; }
    // Ticks of Timer1 so far that got past the index step; the indices load every third.
    int indexTicks() const;

    main::ToolBarStrip& toolBar() { return *m_toolBar; }
    main::QuotePanel& quotePanel() { return *m_quotePanel; }
    main::TimeChartBox& timeChartBox() { return *m_timeChartBox; }
    main::FiveDayChartBox& fiveDayChartBox() { return *m_fiveDayChartBox; }
    main::HoldingsBox& holdingsBox() { return *m_holdingsBox; }
    main::FlowMonitorSteps& flowMonitor() { return *m_flowMonitor; }
    // The big-order lists the chart pages fill, and the hidden pages they come from.
    const analytics::BigOrderLists& bigOrders() const { return m_bigOrders; }
    WebDocumentSource& singleBarPage() { return *m_singleBarPage; }
    // One of the three hidden pages is still loading.
    bool bigOrderPagesLoading() const;
    main::PlayerArea& playerArea() { return *m_playerArea; }
    main::MainStatusBar& statusBar() { return *m_statusBar; }
    main::TrayMenu& trayMenu() { return m_trayMenu; }
    QSystemTrayIcon& trayIcon() { return m_trayIcon; }

    // What both exits (the close box and the tray menu's exit) write before the program ends:
    // the recent and favourite channel files unless replaced. A write that fails (throws)
    // abandons the exit: the window stays open and the program keeps running.
    void setWriteOnClose(std::function<void()> write) { m_writeOnClose = std::move(write); }

signals:
    // What each index page brought; the ticker shows it too.
    void indicesRead(const quotes::IndexBox& box);
    // A popup or a price broadcast of the alert engine, for the popup windows.
    void alertRaised(const alerts::AlertEvent& event);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRegions();
    void buildStockParts();
    void buildBigOrderParts();
    void bindFrameSteps();
    void buildTray();

    void windowmin();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void N1Click();
    void N2Click();

    const app::Sites& m_sites;
    app::Clock& m_clock;
    app::Prompter& m_prompter;
    net::BrowserOpener& m_browserOpener;
    app::Lifecycle& m_lifecycle;
    TForm12& m_splash;
    std::function<bool()> m_trayAvailable;

    app::MainState m_state;
    app::ChannelLists m_channels;
    app::MainTimers m_timers;
    app::MainTables m_tables{m_timers};
    app::MainClients m_clients;
    app::ResourceGates m_gates;
    app::ShowHandler m_show;
    store::StateFiles m_stateFiles;
    main::MainActions m_actions;
    analytics::BigOrderLists m_bigOrders;
    // The hidden big-order pages WebBrowser2, WebBrowser3 and WebBrowser4.
    WebDocumentSource* m_singleBarPage = nullptr;
    WebDocumentSource* m_singleBarDayPage = nullptr;
    WebDocumentSource* m_singlePiePage = nullptr;
    std::function<void()> m_writeOnClose;
    Qt::WindowFlags m_normalFlags;

    // The regions and parts the frame joins to others, or reaches for the tray and the exits.
    main::QuotePanel* m_quotePanel = nullptr;
    main::PlayerArea* m_playerArea = nullptr;
    main::ToolBarStrip* m_toolBar = nullptr;
    main::IndexBoxView* m_indexBox = nullptr;
    main::MainStatusBar* m_statusBar = nullptr;
    main::AlertEngineSteps* m_alertEngine = nullptr;
    main::TimeChartBox* m_timeChartBox = nullptr;
    main::FiveDayChartBox* m_fiveDayChartBox = nullptr;
    main::HoldingsBox* m_holdingsBox = nullptr;
    main::FlowMonitorSteps* m_flowMonitor = nullptr;

    main::TrayMenu m_trayMenu;
    QSystemTrayIcon m_trayIcon;
};

} // namespace ui
