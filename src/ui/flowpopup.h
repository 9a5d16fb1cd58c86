#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;

namespace analytics {
struct FlowAnnouncement;
struct FlowTotals;
} // namespace analytics

namespace ui {

// "大单流向提示": the big-order flow of the last finished half hour, in the top right corner of
// the screen, with the day's totals and the box that pauses it.
class TForm10 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm10)

public:
    explicit TForm10(QWidget* parent = nullptr);

    // Label3, whether the popup is shown or not.
    void showTotals(const analytics::FlowTotals& totals);
    // The announced window: texts, picture and place; shown unless paused.
    void announce(const analytics::FlowAnnouncement& announcement);
    bool paused() const;

    // The tray's "实时大单流入流出情况": its tick shows the popup is not paused, and a click
    // resumes it.
    void serve(QAction& resumeCommand);

private:
    QLabel* m_inflow;
    QLabel* m_outflow;
    QLabel* m_stock;
    QLabel* m_message;
    QLabel* m_totals;
    QCheckBox* m_pause;
};

} // namespace ui
