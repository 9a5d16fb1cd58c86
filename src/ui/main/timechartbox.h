#pragma once

#include <QGroupBox>

class QChartView;
class QCheckBox;

namespace analytics {
struct BarChart;
}

namespace app {
struct MainTables;
}

namespace ui::main {

// The big-trade time chart box GroupBox4: Chart1 with today's big orders per half hour, the
// note of its unit, the rule of what a big order is, and the "详情" box CheckBox2 that opens
// today's big-order pie.
class TimeChartBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeChartBox)

public:
    explicit TimeChartBox(QWidget& column);

    void bindSteps(app::MainTables& tables);

    // A new stock starts with an empty chart.
    void removeAllSeries();
    // The single-bar page's chart, and its caption on the box.
    void showChart(const analytics::BarChart& chart);
    // The pie window closed.
    void untickDetails();

    QChartView& chart() { return *m_chart; }

signals:
    // "详情" became ticked (unticking opens nothing).
    void detailsRequested();

private:
    QChartView* m_chart;
    QCheckBox* m_details;
};

} // namespace ui::main
