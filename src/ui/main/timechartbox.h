#pragma once

#include <QGroupBox>

class QChartView;

namespace app {
struct MainTables;
}

namespace ui::main {

// The big-trade time chart box GroupBox4 with Chart1.
class TimeChartBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeChartBox)

public:
    explicit TimeChartBox(QWidget& column);

    void bindSteps(app::MainTables& tables);

    // A new stock starts with an empty chart.
    void removeAllSeries();

private:
    QChartView* m_chart;
};

} // namespace ui::main
