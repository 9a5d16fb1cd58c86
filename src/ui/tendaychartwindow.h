#pragma once

#include <QWidget>

class QChartView;
class QLabel;

namespace analytics {
struct TenDayView;
}

namespace ui {

// "近10日大单成交显示图": the big orders of every day the daily page delivered, with the totals.
class TForm13 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm13)

public:
    explicit TForm13(QWidget* parent = nullptr);

    // The chart and the totals drawn, the window centred and shown.
    void showDays(const analytics::TenDayView& view);

    QChartView& chart() { return *m_chart; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QChartView* m_chart;
    QLabel* m_totals;
};

} // namespace ui
