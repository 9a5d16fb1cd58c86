#pragma once

#include <QFrame>

class QLineEdit;
class QToolButton;

namespace ui::main {

// The tool bar across the top: the eight buttons, then the code box Edit1 and the picture
// button Image17 that starts a lookup.
class ToolBarStrip final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolBarStrip)

public:
    static constexpr int height = 55;

    explicit ToolBarStrip(QWidget& parent);

    QLineEdit& codeBox() { return *m_codeBox; }
    QToolButton& lookupButton() { return *m_lookupButton; }
    // One of the eight buttons by its object name (ToolButton5, ToolButton12 …); null when there
    // is none.
    QToolButton* button(const QString& objectName) const;

    void showCode(const QString& code);
    void focusCodeBox();

signals:
    // The picture button was clicked; the code is the box's text at that moment.
    void lookupClicked(const QString& code);

private:
    int addButtons();
    void addCodeEntry(int left);

    QLineEdit* m_codeBox = nullptr;
    QToolButton* m_lookupButton = nullptr;
};

} // namespace ui::main
