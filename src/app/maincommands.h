#pragma once

#include <QString>

#include <vector>

namespace app {

// The user's commands of the main window: the tool-bar buttons and the tray menu's items. Where
// a button and a tray item give the same command (the alert settings, the desktop ticker, the
// recommendation exchange) they are one command, shown in both places.
enum class MainCommand {
    AlertSettings,
    Recommendations,
    Ticker,
    PrivateFundLetter,
    AfterHoursPicks,
    SelectedStocks,
    ContactAuthor,
    ExclusiveInfo,
    ShowMainWindow,
    FlowNotice,
    FlowPieNotice,
    BlogNotice,
    NewsNotice,
    YesterdayFinance,
    Exit,
};

struct CommandEntry {
    MainCommand command;
    // The command's object name: its tray item's where it has one, else its button's.
    const char* objectName;
    // The object name of its tool-bar button; null: it has none.
    const char* buttonName;
    QString buttonText;
    QString menuText;
    // The button's tool tip; empty: none.
    QString hint;
    // A checkable command carries a tick in the menu and stays down on the tool bar while on.
    bool checkable = false;
    bool checkedAtStart = false;
};

// Every command, each once.
const std::vector<CommandEntry>& mainCommands();
const CommandEntry& commandEntry(MainCommand command);

// The tool bar's buttons, left to right.
const std::vector<MainCommand>& toolBarCommands();

// One line of the tray menu: a command, or the submenu of the notice switches.
struct TrayMenuLine {
    MainCommand command = MainCommand::ShowMainWindow;
    // Non-empty: a submenu of that object name and text holding `children`.
    const char* submenuName = nullptr;
    QString submenuText;
    std::vector<MainCommand> children;
};

// The tray menu, top to bottom.
const std::vector<TrayMenuLine>& trayMenuLayout();

} // namespace app
