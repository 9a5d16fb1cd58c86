#pragma once

#include <QGroupBox>

class QChartView;
class QCheckBox;

namespace analytics {
struct BarChart;
}

namespace ui::main {

// The fund-flow box GroupBox3 with the five-day big-order chart Chart2 and the "10日" box
// CheckBox1 that opens the ten-day chart.
class FiveDayChartBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FiveDayChartBox)

public:
    explicit FiveDayChartBox(QWidget& column);

    // The daily page's chart, and its caption on the box.
    void showChart(const analytics::BarChart& chart);
    // The ten-day window closed.
    void untickTenDays();

    QChartView& chart() { return *m_chart; }

signals:
    // "10日" became ticked (unticking opens nothing).
    void tenDaysRequested();

private:
    QChartView* m_chart;
    QCheckBox* m_tenDays;
};

} // namespace ui::main
