#pragma once

#include <QToolButton>

class QAction;

namespace ui::main {

// A tool-bar button that shows a command's action. It keeps its own tool tip: an action without
// a hint would otherwise lend the button its text as one.
class CommandButton final : public QToolButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandButton)

public:
    CommandButton(QAction& action, const QString& hint, QWidget* parent);

protected:
    void actionEvent(QActionEvent* event) override;

private:
    QString m_hint;
};

} // namespace ui::main
