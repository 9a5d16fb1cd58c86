#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

namespace market {

class NoiseStream;

// A stock's run away from the previous close: from `start` it climbs toward the level, holds
// around it and from `holdUntil` fades back into its ordinary day. Trading seconds.
struct PriceRun {
    double move = 0;       // the level as a change against the previous close: 0.07 is +7 %
    int start = 0;
    int holdFrom = 0;
    int holdUntil = 0;
    int fadeUntil = 0;

    // How far the price has been steered onto the level: 0 off the run, 1 while it holds.
    double weightAt(int second) const;
};

// One print of a big trader working an order.
struct BlockTrade {
    int second = 0;
    qint32 lots = 0;
    bool sell = false;
};

// A big order waiting at the best bid or ask over [from, until).
struct StandingOrder {
    int from = 0;
    int until = 0;
    qint32 lots = 0;
    bool bid = true;

    bool standsAt(int second) const { return second >= from && second < until; }
};

struct StockEvents {
    std::optional<PriceRun> run;
    std::vector<BlockTrade> trades; // by second
    std::vector<StandingOrder> orders;
};

// What sets one trading day apart, so that every day shows each thing the alert engine watches
// for: the day's strongest stock runs up to its limit and the weakest down to its limit, the
// next ones make strong moves, big traders print blocks and big orders stand in the book. All is
// drawn from the seed and the day, so the events move from day to day while a stock's day can
// still be built on its own. The morning has a busy spell: the price runs hold across its moment,
// a big trader prints through it and a big bid and a big offer stand through it, so one instant
// shows them together; half past ten always lies inside it.
class DayEvents final {
public:
    // dayMoves: each catalog stock's close-to-close log move of the day, in catalog order. The
    // strongest and weakest stocks get the runs, so a run fades back toward a close that lies
    // its way.
    DayEvents(quint64 seed, qint64 dayNumber, const std::vector<double>& dayMoves);

    const StockEvents& of(const QString& code) const;
    // The moment of the busy spell, a trading second.
    int busiestSecond() const { return m_busiest; }

private:
    void planRuns(const std::vector<double>& dayMoves, NoiseStream& noise);
    PriceRun runAround(double move, NoiseStream& noise) const;
    void planBlockTrades(NoiseStream& noise);
    void addBlockSeries(int stock, std::pair<int, int> span, std::pair<int, int> gap, NoiseStream& noise);
    void planStandingOrders(NoiseStream& noise);
    // Catalog positions of the stocks whose usual day trades at least this many 手; with
    // withoutRuns, only those that make no price run.
    std::vector<int> stocksTrading(double dailyLots, bool withoutRuns) const;

    int m_busiest = 0;
    std::vector<StockEvents> m_stocks; // catalog order
};

} // namespace market
