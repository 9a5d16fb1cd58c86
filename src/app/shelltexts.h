#pragma once

#include <QString>
#include <QStringList>

#include <array>

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

} // namespace app
