#pragma once

#include "app/maincommands.h"

#include <QAction>
#include <QObject>

#include <map>

namespace ui::main {

// One QAction per user command of the main window, made here with its texts: the menu item's
// as its text, the button's as its icon text, the hint as its tool tip. The tool bar and the
// tray menu show the same action, so a command offered in both runs one way and a checkable
// one carries the same tick in both. Each window connects itself to the actions it serves.
class MainActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainActions)

public:
    explicit MainActions(QObject* parent = nullptr);

    QAction& action(app::MainCommand command) const;

private:
    std::map<app::MainCommand, QAction*> m_actions;
};

} // namespace ui::main
