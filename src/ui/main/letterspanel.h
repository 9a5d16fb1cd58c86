#pragma once

#include <QFrame>

namespace ui::main {

// The newsletter panel Panel16: hidden at start; when its tool button opens it, it covers the
// whole dashboard.
class LettersPanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LettersPanel)

public:
    explicit LettersPanel(QWidget& parent);
};

} // namespace ui::main
