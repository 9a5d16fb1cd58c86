#pragma once

#include <QFrame>
#include <QMenu>

class QLabel;
class QWebEngineView;

namespace app {
class Clock;
struct MainState;
struct MainTables;
} // namespace app

namespace ui::main {

// The player area at the lower left: the titles, the notice browser WebBrowser5, the
// advertisement strip WebBrowser66 and the player's menu button panel Panel6, with the
// favourites-deletion submenu N9 of the player's menu.
class PlayerArea final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlayerArea)

public:
    PlayerArea(QWidget& parent, const app::Clock& clock, const app::MainState& state);

    void bindSteps(app::MainTables& tables);

    // The second title: "(今天是…)" from the first show on.
    void showToday(const QString& caption);
    // The notice page; only http and https addresses are loaded.
    void showNotice(const QString& address);
    // The notice browser out of sight to the left.
    void parkNotice();
    void showAdStrip(const QString& address);
    // The idle layout: strip at the left, menu button hidden.
    void idleLayout();

    // N9 "删除收藏夹节目": one item per favourite read at start, then "删除全部".
    QMenu& favouritesDeleteMenu() { return m_favouritesDeleteMenu; }
    void listFavouritesToDelete(const QStringList& names);

private:
    const app::Clock& m_clock;
    const app::MainState& m_state;
    QLabel* m_subtitle = nullptr;
    QWebEngineView* m_notice = nullptr;
    QWebEngineView* m_adStrip = nullptr;
    QWidget* m_menuButtonPanel = nullptr;
    QMenu m_favouritesDeleteMenu;
};

} // namespace ui::main
