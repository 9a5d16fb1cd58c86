#pragma once

#include <QWidget>

namespace ui::main {

// The three tabs above the place the forum and stock-pool boxes share: "股票池1" (Label51),
// "股票池2" (Label46) and "股民论坛" (Label47).
class PoolTabs final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PoolTabs)

public:
    explicit PoolTabs(QWidget& column);
};

} // namespace ui::main
