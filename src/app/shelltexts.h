#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace app {

class Clock;

// The texts of the application shell: main window, splash, tool bar, tray menu.
QString applicationTitle();
QString statusBarTitle();
QString splashVersion();
QString splashUpdated();
QString codeBoxLabel();
QString shanghaiIndexCaption();
QString shenzhenIndexCaption();
QString newsStripSearching();
QString playerAreaTitle();
QString playerAreaSubtitle();
// "(今天是2010-7-21)": the short date form is year, month and day without leading zeros.
QString todayCaption(const Clock& clock);
QString errorBoxTitle();
QString questionBoxTitle();

// Column headers of the forum grid, columns 0-3.
QStringList forumGridHeaders();
// Caption of the comment box until the first stock is loaded.
QString forumBoxCaptionBeforeFirstStock();

// Widths of the status bar panels; the last one reaches to the window's right edge.
constexpr std::array<int, 4> statusPanelWidths = {120, 225, 205, 50};

struct ToolButtonText {
    const char* objectName;
    QString text;
    QString hint; // empty: no tool tip
};
// The tool bar buttons, left to right.
std::vector<ToolButtonText> toolButtonTexts();

struct TrayMenuEntry {
    QString objectName;
    QString text;
    bool checkable = false;
    bool checkedAtStart = false;
    std::vector<TrayMenuEntry> children; // non-empty: a submenu
};
// The tray menu, top to bottom.
std::vector<TrayMenuEntry> trayMenuLayout();

// Object names of the tray menu commands the shell itself handles.
inline constexpr const char* showMainWindowItem = "N1";
inline constexpr const char* exitItem = "N2";

} // namespace app
