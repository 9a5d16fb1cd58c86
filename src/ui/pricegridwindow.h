#pragma once

#include "alerts/alertevents.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace ui {

// The price table broadcast at the opening, at midday and at the close: the title in Panel1 and
// the grid StringGrid1, which grows by one 16-pixel row per stock and ends with an empty row.
class TForm5 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(QWidget* parent = nullptr);

    void showBroadcast(const alerts::Broadcast& broadcast);

protected:
    // Closing brings the window back to its design height.
    void closeEvent(QCloseEvent* event) override;

private:
    void setStockRows(int stocks);

    QLabel* m_title;
    QTableWidget* m_grid;
};

} // namespace ui
