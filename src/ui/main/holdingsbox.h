#pragma once

#include <QGroupBox>

namespace app {
struct MainState;
struct MainTables;
} // namespace app

namespace net {
class HttpClient;
}

namespace ui {
class HoldingsLines;
}

namespace ui::main {

// The holdings box GroupBox5: the main force's and the retail investors' holdings lines of the
// last 30 days, Chart3 and Chart4, loaded by the dashboard load through IdHTTP2 (getcc).
class HoldingsBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoldingsBox)

public:
    HoldingsBox(QWidget& column, const app::MainState& state, net::HttpClient& client,
                const QString& site);

    void bindSteps(app::MainTables& tables);

    // getcc: the stock's lines. A failure sets the caption "获取数据失败" and ends the load
    // silently.
    void getcc(const QString& code);

    HoldingsLines& lines() { return *m_lines; }

private:
    const app::MainState& m_state;
    net::HttpClient& m_client;
    QString m_site;
    HoldingsLines* m_lines;
};

} // namespace ui::main
