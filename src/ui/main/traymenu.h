#pragma once

#include <QMenu>

namespace ui::main {

class MainActions;

// The tray icon's menu PopupMenu1: "显示主窗口", the "继续提示" switches, the ticker, the
// recommendation exchange, yesterday's finance, the alert settings and "退      出", each item
// the action of its command.
class TrayMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    explicit TrayMenu(const MainActions& actions);
};

} // namespace ui::main
