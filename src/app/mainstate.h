#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The values the main window holds for the whole run and the loaders read.
struct MainState {
    // Folder of the settings database and the state files.
    QString systemDir;
    // Scheme and host of the own service; every service path is appended to it.
    QString serviceBase;
    // The stock on the main window: six digits, and its name from the quote feed.
    QString currentCode;
    QString currentName;
    // True while the main window is hidden in the notification area; refreshes skip their work.
    bool inTray = false;
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

} // namespace app
