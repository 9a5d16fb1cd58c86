#pragma once

#include "quotes/quotepanel.h"

class QLabel;
class QWidget;

namespace ui::main {

// The quote labels of the main window: the white bar Panel1 under the stock page and the box
// Panel3 beside it, made in the quote panel, each value beside its caption. Every value starts
// as "0".
class QuotePanelLabels final {
public:
    explicit QuotePanelLabels(QWidget& panel);
    Q_DISABLE_COPY_MOVE(QuotePanelLabels)

    // Writes what the row brought; a label whose field did not arrive keeps its text.
    void apply(const quotes::QuotePanelView& view);

private:
    QLabel* m_latestPrice;   // Label2
    QLabel* m_lastTrade;     // Label29
    QLabel* m_changePercent; // Label44
    QLabel* m_volume;        // Label8
    QLabel* m_turnover;      // Label7
    QLabel* m_change;        // Label4
    QLabel* m_high;          // Label23
    QLabel* m_low;           // Label24
    QLabel* m_open;          // Label25
    QLabel* m_ask;           // Label37
    QLabel* m_bid;           // Label38
};

} // namespace ui::main
