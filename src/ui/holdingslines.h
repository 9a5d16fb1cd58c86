#pragma once

#include <QObject>
#include <QRect>

class QChartView;
class QWidget;

namespace net {
class HttpClient;
}

namespace ui {

// The two holdings lines of a stock, "最近30日主力持仓线" in red over Chart3 and "最近30日散户持仓线"
// in green over Chart4, on the main window's holdings box and on the recommendation window's
// popup: the same fetch, the same reader, the same drawing.
class HoldingsLines final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoldingsLines)

public:
    HoldingsLines(QWidget& parent, const QRect& mainForceChart, const QRect& retailChart);

    // Fetches the stock's reply through the client and draws both lines, the reply's last line
    // leftmost. Throws on failure (the site unreachable, a date or a value that does not convert,
    // lists of different lengths); the charts keep what they had reached.
    void load(net::HttpClient& client, const QString& site, const QString& code);

    QChartView& mainForce() { return *m_mainForce; }
    QChartView& retail() { return *m_retail; }

private:
    QChartView* m_mainForce;
    QChartView* m_retail;
};

} // namespace ui
