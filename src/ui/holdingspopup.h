#pragma once

#include <QWidget>

class QWebEngineView;

namespace net {
class HttpClient;
}

namespace ui {

class HoldingsLines;

// "实时走势": beside a recommended stock while the pointer rests on it, the stock's page and its
// holdings lines.
class TForm17 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm17)

public:
    explicit TForm17(QWidget* parent = nullptr);

    // getcc1: the stock's holdings lines through the recommendation window's client. Throws on
    // failure; the charts keep what they had reached.
    void getcc1(net::HttpClient& client, const QString& site, const QString& code);

    // msin1: the lines and page of the label's stock ("name(code)"), the window placed with its
    // right edge on the recommendation window's left edge and its bottom at the pointer's height.
    // False, and nothing shown, when the label names no code or the fetch failed.
    bool showFor(const QString& labelText, net::HttpClient& client, const QString& holdingsSite,
                 const QString& serviceBase, const QRect& recommendationWindow, int pointerY);

    HoldingsLines& lines() { return *m_lines; }

private:
    QWebEngineView* m_stockPage;
    HoldingsLines* m_lines;
};

} // namespace ui
