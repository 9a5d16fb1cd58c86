#pragma once

#include "net/httpclient.h"

#include <QWidget>

class QChartView;
class QLabel;
class QLineEdit;

namespace app {
class Prompter;
struct Sites;
} // namespace app

namespace ui {

struct Services;

// "资金流向": one stock's money flow of the day by investor class: the minute chart picture, the
// net flow per time slot of 散户, 中户, 大户 and 主力, and the classes with the largest net inflow
// and outflow. Opened for the main window's stock; any other code can be typed in.
class TForm18 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm18)

public:
    explicit TForm18(const Services& services, QWidget* parent = nullptr);

    // Label26Click: the window for the code, shown only when both loads succeed. False when it
    // failed (the window stays hidden).
    bool openFor(const QString& code);
    // Button1Click: the code typed in Edit1.
    void Button1Click();

    net::HttpClient& client() { return m_client; }
    QChartView& chart() { return *m_chart; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBottomRow();
    // getdatapic and getnowdata; on a failure Label6 shows and false is returned.
    bool load(const QString& code);
    void getdatapic(const QString& code);
    void getnowdata(const QString& code);

    const app::Sites& m_sites;
    app::Prompter& m_prompter;
    net::HttpClient m_client{QStringLiteral("IdHTTP1")};
    QLabel* m_picture;
    QLabel* m_notice;
    QLabel* m_error;
    QChartView* m_chart;
    QLineEdit* m_codeBox = nullptr;
    QLabel* m_inflow = nullptr;
    QLabel* m_outflow = nullptr;
};

} // namespace ui
