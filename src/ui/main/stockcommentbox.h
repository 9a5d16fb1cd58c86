#pragma once

#include <QGroupBox>

namespace ui::main {

// The stock comment box GroupBox2: one line of commentary on the current stock.
class StockCommentBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StockCommentBox)

public:
    explicit StockCommentBox(QWidget& column);
};

} // namespace ui::main
