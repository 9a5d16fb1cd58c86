#pragma once

#include <QGroupBox>

namespace app {
struct MainState;
struct MainTables;
} // namespace app

namespace ui::main {

// The holdings box GroupBox5: the main force's and the retail investors' holdings lines,
// Chart3 and Chart4.
class HoldingsBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoldingsBox)

public:
    HoldingsBox(QWidget& column, const app::MainState& state);

    void bindSteps(app::MainTables& tables);

private:
    const app::MainState& m_state;
};

} // namespace ui::main
