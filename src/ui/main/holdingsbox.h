#pragma once

#include <QGroupBox>

namespace ui::main {

// The holdings box GroupBox5: the main force's and the retail investors' holdings lines,
// Chart3 and Chart4.
class HoldingsBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoldingsBox)

public:
    explicit HoldingsBox(QWidget& column);
};

} // namespace ui::main
