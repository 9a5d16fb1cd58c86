#pragma once

#include <QWidget>

#include <functional>

class QLabel;

namespace net {
class HttpClient;
}

namespace quotes {
struct IndexBox;
struct IndexDisplay;
} // namespace quotes

namespace ui::main {

// The index box at the right of the tool bar: the Shanghai line Label31 and the Shenzhen line
// Label32, filled from the quote service's index page.
class IndexBoxView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IndexBoxView)

public:
    // The page comes through client; onFailure runs when the fetch fails (Timer1 back on).
    IndexBoxView(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
                 std::function<void()> onFailure);

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
    std::function<void()> m_onFailure;
    QLabel* m_shanghai;
    QLabel* m_shenzhen;
};

} // namespace ui::main
