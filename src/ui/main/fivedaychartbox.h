#pragma once

#include <QGroupBox>

namespace ui::main {

// The fund-flow box GroupBox3 with the five-day big-order chart Chart2.
class FiveDayChartBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FiveDayChartBox)

public:
    explicit FiveDayChartBox(QWidget& column);
};

} // namespace ui::main
