#pragma once

#include <QWidget>

#include <functional>

class QLabel;

namespace app {
class Clock;
struct MainTables;
} // namespace app

namespace net {
class HttpClient;
}

namespace quotes {
struct IndexBox;
struct IndexDisplay;
} // namespace quotes

namespace ui::main {

// The index box at the right of the tool bar: the Shanghai line Label31 and the Shenzhen line
// Label32, filled from the quote service's index page: once in the dashboard load outside the
// refresh window, and every third tick of Timer1 at any time.
class IndexBoxView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IndexBoxView)

public:
    // The page comes through client; onFailure runs when the fetch fails (Timer1 back on).
    IndexBoxView(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
                 const app::Clock& clock, std::function<void()> onFailure);

    void bindSteps(app::MainTables& tables);
    // Ticks of Timer1 so far that got past the index step; the indices load every third.
    int indexTicks() const { return m_indexTicks; }

    // getvtzs: the index page into both lines. On failure what the page had written stays and
    // the chain ends silently.
    void getvtzs();

signals:
    // What the page brought, also when it failed part way; the ticker shows it too.
    void indicesRead(const quotes::IndexBox& box);

private:
    void show(const quotes::IndexBox& box);
    static void showLine(QLabel& label, const quotes::IndexDisplay& display);

    net::HttpClient& m_client;
    QString m_quoteSite;
    const app::Clock& m_clock;
    std::function<void()> m_onFailure;
    int m_indexTicks = 0;
    QLabel* m_shanghai;
    QLabel* m_shenzhen;
};

} // namespace ui::main
