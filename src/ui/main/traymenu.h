#pragma once

#include <QMenu>

namespace ui::main {

// The tray icon's menu PopupMenu1: "显示主窗口", the "继续提示" switches, the ticker, the
// recommendation exchange, yesterday's finance, the alert settings and "退      出".
class TrayMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    TrayMenu();

    // A command by its object name (N1, N2, N13 …); null when there is none.
    QAction* action(const QString& objectName) const;
};

} // namespace ui::main
