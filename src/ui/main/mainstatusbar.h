#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace ui::main {

// The status bar StatusBar1 along the bottom: four panels, the first naming the system, the
// second the alert status, the third the player's channel, the fourth the player's state.
class MainStatusBar final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainStatusBar)

public:
    static constexpr int top = 600;
    static constexpr int height = 28;

    explicit MainStatusBar(QWidget& parent);

    QLabel& panel(int index) { return *m_panels.at(index); }

private:
    std::array<QLabel*, 4> m_panels{};
};

} // namespace ui::main
