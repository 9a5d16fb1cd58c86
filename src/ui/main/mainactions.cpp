#include "ui/main/mainactions.h"

namespace ui::main {

MainActions::MainActions(QObject* parent) : QObject(parent)
{
    for (const app::CommandEntry& entry : app::mainCommands()) {
        auto* action = new QAction(entry.menuText, this);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        if (!entry.buttonText.isEmpty())
            action->setIconText(entry.buttonText);
        if (!entry.hint.isEmpty())
            action->setToolTip(entry.hint);
        // The tool bar shows the icons; the tray menu keeps its items plain.
        action->setIconVisibleInMenu(false);
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checkedAtStart);
        m_actions.emplace(entry.command, action);
    }
    // The notice switches: a click sets the tick again; only their pause boxes take it away.
    for (app::MainCommand notice : {app::MainCommand::FlowNotice, app::MainCommand::FlowPieNotice,
                                    app::MainCommand::BlogNotice, app::MainCommand::NewsNotice}) {
        QAction* item = m_actions.at(notice);
        connect(item, &QAction::triggered, item, [item] { item->setChecked(true); });
    }
}

QAction& MainActions::action(app::MainCommand command) const
{
    return *m_actions.at(command);
}

} // namespace ui::main
