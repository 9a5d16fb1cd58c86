#pragma once

#include <QFrame>

namespace ui::main {

// The right column of the main window, which holds the forum, stock-pool, comment, chart,
// holdings and information boxes: white boxes with green bold captions.
class RightColumn final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RightColumn)

public:
    explicit RightColumn(QWidget& parent);
};

} // namespace ui::main
