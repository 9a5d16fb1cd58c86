#pragma once

#include "app/maincommands.h"

#include <QFrame>

#include <map>

class QLineEdit;
class QToolButton;

namespace ui::main {

class MainActions;

// The tool bar across the top: the eight command buttons (each showing its command's action),
// then the code box Edit1 and the picture button Image17 that starts a lookup.
class ToolBarStrip final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolBarStrip)

public:
    static constexpr int height = 55;

    ToolBarStrip(QWidget& parent, const MainActions& actions);

    QLineEdit& codeBox() { return *m_codeBox; }
    QToolButton& lookupButton() { return *m_lookupButton; }
    // The button of a tool-bar command; throws std::out_of_range for a command without one.
    QToolButton& button(app::MainCommand command) const { return *m_buttons.at(command); }

    void showCode(const QString& code);
    void focusCodeBox();

signals:
    // The picture button was clicked; the code is the box's text at that moment.
    void lookupClicked(const QString& code);

private:
    int addButtons(const MainActions& actions);
    void addCodeEntry(int left);

    std::map<app::MainCommand, QToolButton*> m_buttons;
    QLineEdit* m_codeBox = nullptr;
    QToolButton* m_lookupButton = nullptr;
};

} // namespace ui::main
