#pragma once

#include <QGroupBox>

namespace ui::main {

// The stock-pool box GroupBox7 with its browser WebBrowser7. It shares the forum box's place
// and lies in front of it at start.
class StockPoolBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StockPoolBox)

public:
    explicit StockPoolBox(QWidget& column);
};

} // namespace ui::main
