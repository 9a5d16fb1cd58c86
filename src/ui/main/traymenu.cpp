#include "ui/main/traymenu.h"

#include "app/maincommands.h"
#include "ui/main/mainactions.h"

namespace ui::main {

TrayMenu::TrayMenu(const MainActions& actions)
{
    setObjectName(QStringLiteral("PopupMenu1"));
    for (const app::TrayMenuLine& line : app::trayMenuLayout()) {
        if (!line.submenuName) {
            addAction(&actions.action(line.command));
            continue;
        }
        QMenu* sub = addMenu(line.submenuText);
        sub->setObjectName(QString::fromLatin1(line.submenuName));
        sub->menuAction()->setObjectName(QString::fromLatin1(line.submenuName));
        for (app::MainCommand child : line.children)
            sub->addAction(&actions.action(child));
    }
}

} // namespace ui::main
