#include "ui/main/traymenu.h"

#include "app/shelltexts.h"

namespace ui::main {

namespace {

void fill(QMenu& menu, const std::vector<app::TrayMenuEntry>& entries)
{
    for (const app::TrayMenuEntry& entry : entries) {
        if (!entry.children.empty()) {
            QMenu* sub = menu.addMenu(entry.text);
            sub->setObjectName(entry.objectName);
            sub->menuAction()->setObjectName(entry.objectName);
            fill(*sub, entry.children);
            continue;
        }
        QAction* action = menu.addAction(entry.text);
        action->setObjectName(entry.objectName);
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checkedAtStart);
    }
}

} // namespace

TrayMenu::TrayMenu()
{
    setObjectName(QStringLiteral("PopupMenu1"));
    fill(*this, app::trayMenuLayout());

    // The notice switches: a click sets the tick again; only their pause boxes take it away.
    if (const QMenu* notices = findChild<QMenu*>(QStringLiteral("resumeNoticesMenu")))
        for (QAction* item : notices->actions())
            connect(item, &QAction::triggered, item, [item] { item->setChecked(true); });
}

QAction* TrayMenu::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

} // namespace ui::main
