#pragma once

#include <QWidget>

class QAction;
class QChartView;
class QCheckBox;

namespace analytics {
struct PieChart;
}

namespace ui {

// "今日大单成交分布图": today's big orders by order size, as a pie, with the box that keeps the flow
// monitor from opening it.
class TForm14 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm14)

public:
    explicit TForm14(QWidget* parent = nullptr);

    // dbshow: the pie drawn, the window centred and shown.
    void dbshow(const analytics::PieChart& pie);
    bool paused() const;
    // The tray's "实时大单流入流出分布图": its tick shows the pie is not paused, a click resumes it.
    void serve(QAction& resumeCommand);

    QChartView& chart() { return *m_chart; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QChartView* m_chart;
    QCheckBox* m_pause;
};

} // namespace ui
