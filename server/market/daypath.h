#pragma once

#include "market/dayevents.h"
#include "market/stockcatalog.h"

#include <QtGlobal>

#include <vector>

namespace market {

// One second of trading: the trade of that second and the running figures of the day.
struct Tick {
    qint32 priceFen = 0;
    qint32 highFen = 0;
    qint32 lowFen = 0;
    qint32 lots = 0;         // size of this second's trade, 手 (100 shares)
    bool sell = false;       // the trade hit the bid
    qint64 cumLots = 0;
    double cumAmount = 0;    // 元
};

// The whole trading day of one stock, second by second (kSessionSeconds + 1 ticks). The day runs
// from its opening price to its closing price along a random bridge, so the close of every day
// is known without building the days before it, and tomorrow's previous close is today's close.
// The day's events bend the bridge onto a price run, put block trades on the tape and big orders
// in the book; without them trades stay under 1000 手 and the best bid and ask under 10000 手.
class DayPath final {
public:
    struct Inputs {
        quint64 seed = 0;
        const StockInfo* stock = nullptr;
        qint64 dayNumber = 0;
        qint32 prevCloseFen = 0;
        qint32 closeFen = 0;
        StockEvents events;
    };

    explicit DayPath(const Inputs& inputs);

    qint32 prevCloseFen() const { return m_prevCloseFen; }
    qint32 limitUpFen() const { return m_limitUpFen; }
    qint32 limitDownFen() const { return m_limitDownFen; }
    const Tick& at(int second) const;
    // Best bid and ask volumes at a second, 手.
    qint32 bidLotsAt(int second) const;
    qint32 askLotsAt(int second) const;

    // Price limits: ±10 % of the previous close, rounded to the fen.
    static qint32 limitUp(qint32 prevCloseFen) { return qint32((qint64(prevCloseFen) * 110 + 50) / 100); }
    static qint32 limitDown(qint32 prevCloseFen) { return qint32((qint64(prevCloseFen) * 90 + 50) / 100); }

private:
    void buildPrices(const Inputs& inputs);
    std::vector<double> bridge(const Inputs& inputs, qint32 openFen, qint32 closeFen) const;
    void followRun(const PriceRun& run, std::vector<double>& logPrice) const;
    void buildTrades(const Inputs& inputs);
    bool sellsAt(int second, const BlockTrade* block, bool coin) const;
    qint32 bookLotsAt(int second, bool bid) const;

    qint32 m_prevCloseFen = 0;
    qint32 m_limitUpFen = 0;
    qint32 m_limitDownFen = 0;
    quint64 m_bookKey = 0;
    double m_lotsPerSecond = 0;
    std::vector<StandingOrder> m_orders;
    std::vector<Tick> m_ticks;
};

} // namespace market
