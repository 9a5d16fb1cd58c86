#pragma once

#include "market/dayevents.h"
#include "market/daypath.h"
#include "market/stockcatalog.h"
#include "market/tradingcalendar.h"

#include <QDateTime>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace app {
class Clock;
}

namespace market {

// A stock as the market shows it at one instant. Prices in 元, volumes in 手.
struct StockQuote {
    const StockInfo* stock = nullptr;
    QDateTime at;
    bool traded = false;      // false before the opening: everything stands at the previous close
    bool trading = false;     // the instant lies inside a session
    double prevClose = 0;
    double last = 0;
    double open = 0;
    double high = 0;
    double low = 0;
    double bid = 0;           // 0 when nobody bids (limit down)
    qint64 bidLots = 0;
    double ask = 0;           // 0 when nobody offers (limit up)
    qint64 askLots = 0;
    qint64 volumeLots = 0;
    double amount = 0;        // 元
    qint64 lastLots = 0;
    bool lastSell = false;
    double limitUp = 0;
    double limitDown = 0;

    double change() const { return last - prevClose; }
    double changePercent() const { return prevClose > 0 ? change() / prevClose * 100.0 : 0.0; }
};

struct IndexQuote {
    const IndexInfo* index = nullptr;
    QDateTime at;
    double prevClose = 0;
    double last = 0;
    double open = 0;
    double high = 0;
    double low = 0;
    double amount = 0;        // 元, for the whole exchange
    qint64 volumeLots = 0;
    int rising = 0;
    int falling = 0;
    int unchanged = 0;

    double change() const { return last - prevClose; }
    double changePercent() const { return prevClose > 0 ? change() / prevClose * 100.0 : 0.0; }
};

// A point of a stock's intraday line.
struct IntradayPoint {
    QTime time;
    double price = 0;
    qint64 volumeLots = 0;
};

// The simulated market: every figure is a pure function of the seed, the stock and the instant,
// so two servers with the same seed agree and a test can ask for any second. Days are built on
// demand and kept for a while; the market rests outside the trading sessions.
class MarketModel final {
public:
    MarketModel(quint64 seed, const app::Clock& clock);
    Q_DISABLE_COPY_MOVE(MarketModel)

    quint64 seed() const { return m_seed; }
    const app::Clock& clock() const { return m_clock; }

    std::optional<StockQuote> quote(const QString& code) const;
    std::optional<StockQuote> quoteAt(const QString& code, const QDateTime& instant) const;
    IndexQuote index(IndexId id) const;
    IndexQuote indexAt(IndexId id, const QDateTime& instant) const;
    // The day's line up to the instant, one point every stepSeconds of trading.
    std::vector<IntradayPoint> intradayAt(const QString& code, const QDateTime& instant,
                                          int stepSeconds) const;

    // The closing price of a trading day, known without building the day.
    qint32 closeFen(const StockInfo& stock, qint64 dayNumber) const;
    // What sets the trading day apart: price runs, block trades, big standing orders.
    DayEvents dayEvents(qint64 dayNumber) const;

private:
    struct IndexDay {
        double prevClose = 0;
        std::vector<double> level; // per trading second
    };

    const DayPath& dayPath(const StockInfo& stock, const QDate& day) const;
    const IndexDay& indexDay(IndexId id, const QDate& day) const;
    StockQuote quoteOf(const StockInfo& stock, const SessionPoint& point, const QDateTime& at) const;

    quint64 m_seed;
    const app::Clock& m_clock;
    mutable std::map<std::pair<QString, qint64>, std::unique_ptr<DayPath>> m_days;
    mutable std::map<std::pair<int, qint64>, std::unique_ptr<IndexDay>> m_indexDays;
};

} // namespace market
