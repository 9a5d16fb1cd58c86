#pragma once

#include "analytics/barcharts.h"
#include "analytics/bigorderpages.h"

#include <QObject>

#include <memory>

class QWebEngineProfile;

namespace app {
class Clock;
struct MainState;
struct MainTables;
} // namespace app

namespace net {
class DocumentSource;
}

namespace ui::main {

// The stock's three big-order chart pages, each in its own hidden page (WebBrowser2 single-bar,
// WebBrowser3 single-barDay, WebBrowser4 single-pie): all three at the first show and at a stock
// change, the two intraday ones again every minute of Timer2 strictly between 10:00:00 and
// 15:30:00. Each completed body is read into the big-order lists and, for the two bar pages,
// into the chart its box draws. A body of another stock's page (one that completed after a stock
// change) is not read.
class BigOrderPages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BigOrderPages)

public:
    BigOrderPages(net::DocumentSource& singleBar, net::DocumentSource& singleBarDay,
                  net::DocumentSource& singlePie, const QString& site, const app::MainState& state,
                  const app::Clock& clock, analytics::BigOrderLists& lists, QObject* parent = nullptr);

    void bindSteps(app::MainTables& tables);

    // loadBigOrderPages: the pages of the code, the daily one too when asked.
    void load(const QString& code, bool withDaily);

signals:
    void halfHourChartRead(const analytics::BarChart& chart);
    void fiveDayChartRead(const analytics::BarChart& chart);
    // The current stock's single-bar page was read, with data or without.
    void singleBarRead();

private:
    bool ofCurrentStock(const QString& address, analytics::BigOrderPage page) const;
    void readSingleBar(const QString& address, const QString& body);
    void readSingleBarDay(const QString& address, const QString& body);
    void readSinglePie(const QString& address, const QString& body);

    net::DocumentSource& m_singleBar;
    net::DocumentSource& m_singleBarDay;
    net::DocumentSource& m_singlePie;
    QString m_site;
    const app::MainState& m_state;
    const app::Clock& m_clock;
    analytics::BigOrderLists& m_lists;
};

} // namespace ui::main
