#include "market/dayevents.h"

#include "market/noisestream.h"
#include "market/stockcatalog.h"
#include "market/tradingcalendar.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace market {

namespace {

enum Purpose : quint64 { Busiest = 21, Runs = 22, Trades = 23, Orders = 24 };

// Aimed past the ±10 % limit: the run sits at the limit and only now and then slips off it.
constexpr double kRunToLimit = 0.106;
// Strong moves hold between about 5.4 % and 8.4 % once the holding wobble is added.
constexpr int kStrongMoveLowPerMille = 62;
constexpr int kStrongMoveHighPerMille = 75;
// The busy spell's moment falls between 10:15 and 10:45 and everything of the spell reaches at
// least 15 minutes either side of it, so half past ten, the moment the demo starts at, always
// shows it. A run still climbs for at least a quarter of an hour after the opening.
constexpr int kEarliestBusiest = 2700;
constexpr int kLatestBusiest = 4500;
constexpr int kQuietOpening = 60;
// Blocks of 1000 手 and more only where that is about 1 % of a usual day, standing orders of
// 10000 手 and more only where that is a few percent of it.
constexpr double kBlockTradeDailyLots = 100000;
constexpr double kStandingOrderDailyLots = 200000;
constexpr int kStandingOrdersPerSide = 3;
constexpr int kBlockTradeGap = 5;

double usualDailyLots(const StockInfo& stock)
{
    return stock.dailyAmount / (stock.basePrice * 100.0);
}

int pick(const std::vector<int>& stocks, NoiseStream& noise)
{
    return stocks[std::size_t(noise.inRange(0, int(stocks.size()) - 1))];
}

// Two traders on one stock could print in neighbouring seconds: the later print gives way, so a
// stock's blocks always stand some seconds apart, in the order of their seconds.
void keepApart(std::vector<BlockTrade>& trades)
{
    std::sort(trades.begin(), trades.end(),
              [](const BlockTrade& a, const BlockTrade& b) { return a.second < b.second; });
    std::vector<BlockTrade> kept;
    for (const BlockTrade& trade : trades) {
        if (kept.empty() || trade.second - kept.back().second >= kBlockTradeGap)
            kept.push_back(trade);
    }
    trades = std::move(kept);
}

double smoothStep(double x)
{
    return x * x * (3.0 - 2.0 * x);
}

} // namespace

double PriceRun::weightAt(int second) const
{
    if (second <= start || second >= fadeUntil)
        return 0.0;
    if (second < holdFrom)
        return smoothStep(double(second - start) / (holdFrom - start));
    if (second <= holdUntil)
        return 1.0;
    return smoothStep(double(fadeUntil - second) / (fadeUntil - holdUntil));
}

DayEvents::DayEvents(quint64 seed, qint64 dayNumber, const std::vector<double>& dayMoves)
    : m_stocks(dayMoves.size())
{
    const auto day = quint64(dayNumber);
    NoiseStream busiest(NoiseStream::key({seed, day, Busiest}));
    m_busiest = busiest.inRange(kEarliestBusiest, kLatestBusiest);
    NoiseStream runs(NoiseStream::key({seed, day, Runs}));
    planRuns(dayMoves, runs);
    NoiseStream trades(NoiseStream::key({seed, day, Trades}));
    planBlockTrades(trades);
    NoiseStream orders(NoiseStream::key({seed, day, Orders}));
    planStandingOrders(orders);
}

const StockEvents& DayEvents::of(const QString& code) const
{
    static const StockEvents none;
    const auto& all = StockCatalog::stocks();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const StockInfo& s) { return s.code == code; });
    const auto position = std::size_t(found - all.begin());
    return position < m_stocks.size() ? m_stocks[position] : none;
}

void DayEvents::planRuns(const std::vector<double>& dayMoves, NoiseStream& noise)
{
    if (dayMoves.size() < 4)
        return;
    std::vector<int> byMove(dayMoves.size());
    std::iota(byMove.begin(), byMove.end(), 0);
    std::stable_sort(byMove.begin(), byMove.end(),
                     [&](int a, int b) { return dayMoves[std::size_t(a)] > dayMoves[std::size_t(b)]; });
    const auto strongMove = [&] {
        return noise.inRange(kStrongMoveLowPerMille, kStrongMoveHighPerMille) / 1000.0;
    };
    m_stocks[std::size_t(byMove.front())].run = runAround(kRunToLimit, noise);
    m_stocks[std::size_t(byMove[1])].run = runAround(strongMove(), noise);
    m_stocks[std::size_t(byMove[byMove.size() - 2])].run = runAround(-strongMove(), noise);
    m_stocks[std::size_t(byMove.back())].run = runAround(-kRunToLimit, noise);
}

PriceRun DayEvents::runAround(double move, NoiseStream& noise) const
{
    PriceRun run;
    run.move = move;
    run.holdFrom = m_busiest - noise.inRange(900, 1700);
    run.holdUntil = m_busiest + noise.inRange(900, 2700);
    run.start = run.holdFrom - std::min(noise.inRange(900, 2400), run.holdFrom - kQuietOpening);
    run.fadeUntil = std::min(run.holdUntil + noise.inRange(3600, 7200), kSessionSeconds);
    return run;
}

// One big trader works through the busy spell, printing every minute or two; a few others print
// a short burst somewhere in the day.
void DayEvents::planBlockTrades(NoiseStream& noise)
{
    const std::vector<int> liquid = stocksTrading(kBlockTradeDailyLots, false);
    if (liquid.empty())
        return;
    const int spellTrader = pick(liquid, noise);
    const int spellFrom = m_busiest - noise.inRange(900, 1200);
    const int spellUntil = m_busiest + noise.inRange(900, 1200);
    addBlockSeries(spellTrader, {spellFrom, spellUntil}, {45, 180}, noise);
    const int bursts = noise.inRange(2, 3);
    for (int k = 0; k < bursts; ++k) {
        // One draw per statement: the order of a call's arguments is not fixed.
        const int stock = pick(liquid, noise);
        const int from = noise.inRange(kQuietOpening, kSessionSeconds - 300);
        const int until = from + noise.inRange(60, 240);
        addBlockSeries(stock, {from, until}, {kBlockTradeGap, 40}, noise);
    }
    for (StockEvents& stock : m_stocks)
        keepApart(stock.trades);
}

// Prints on one side over [span.first, span.second), gap.first to gap.second seconds apart, each
// at least 1000 手. The lunch break's standing second and the close carry no block.
void DayEvents::addBlockSeries(int stock, std::pair<int, int> span, std::pair<int, int> gap,
                               NoiseStream& noise)
{
    const bool sell = noise.uniform() < 0.5;
    for (int second = span.first; second < span.second; second += noise.inRange(gap.first, gap.second)) {
        const qint32 lots = 100 * noise.inRange(10, 50);
        if (second != kMorningSeconds && second < kSessionSeconds)
            m_stocks[std::size_t(stock)].trades.push_back({second, lots, sell});
    }
}

void DayEvents::planStandingOrders(NoiseStream& noise)
{
    const std::vector<int> deep = stocksTrading(kStandingOrderDailyLots, true);
    if (deep.empty())
        return;
    // One order on each side stands through the busy spell, the others for a few minutes.
    for (const bool bid : {true, false}) {
        for (int k = 0; k < kStandingOrdersPerSide; ++k) {
            const int duration = k == 0 ? noise.inRange(1800, 2400) : noise.inRange(240, 900);
            const int from = k == 0 ? m_busiest - noise.inRange(900, duration - 900)
                                    : noise.inRange(kQuietOpening, kSessionSeconds - kQuietOpening - duration);
            const qint32 lots = 100 * noise.inRange(100, 350);
            const int stock = pick(deep, noise);
            m_stocks[std::size_t(stock)].orders.push_back({from, from + duration, lots, bid});
        }
    }
}

std::vector<int> DayEvents::stocksTrading(double dailyLots, bool withoutRuns) const
{
    std::vector<int> found;
    const auto& all = StockCatalog::stocks();
    for (std::size_t i = 0; i < all.size() && i < m_stocks.size(); ++i) {
        if (usualDailyLots(all[i]) >= dailyLots && !(withoutRuns && m_stocks[i].run))
            found.push_back(int(i));
    }
    return found;
}

} // namespace market
