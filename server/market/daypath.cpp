#include "market/daypath.h"

#include "market/noisestream.h"
#include "market/tradingcalendar.h"

#include <algorithm>
#include <cmath>

namespace market {

namespace {

enum Purpose : quint64 { OpenGap = 1, Walk = 2, Volume = 3, Side = 4, Book = 5 };

// Ordinary trades and book depths stay under the sizes the alert engine calls big (1000 手 a
// trade, 10000 手 an order), so those come from the day's events only.
constexpr double kTradeKnee = 600;
constexpr double kTradeCeiling = 990;
constexpr double kBookKnee = 6000;
constexpr double kBookCeiling = 9900;
// While a run holds, the price wobbles with the day's own moves, damped and bounded so a limit
// run stays past 9 % and a strong move between 5 % and 9 %.
constexpr double kRunWobble = 0.008;
constexpr double kRunDamping = 0.35;

// Trading is busiest after the opening and before the close.
double intensity(int second)
{
    return 1.0 + 1.2 * std::exp(-second / 1500.0)
         + 0.6 * std::exp(-(kSessionSeconds - second) / 1500.0);
}

// Grows as the value up to the knee, then closes in on the ceiling without reaching it.
double softCap(double value, double knee, double ceiling)
{
    if (value <= knee)
        return value;
    return knee + (ceiling - knee) * (1.0 - std::exp(-(value - knee) / (ceiling - knee)));
}

} // namespace

DayPath::DayPath(const Inputs& inputs)
    : m_prevCloseFen(inputs.prevCloseFen),
      m_limitUpFen(limitUp(inputs.prevCloseFen)),
      m_limitDownFen(limitDown(inputs.prevCloseFen)),
      m_orders(inputs.events.orders),
      m_ticks(kSessionSeconds + 1)
{
    const quint64 code = NoiseStream::textKey(inputs.stock->code);
    m_bookKey = NoiseStream::key({inputs.seed, code, quint64(inputs.dayNumber), Book});
    m_lotsPerSecond = inputs.stock->dailyAmount / (inputs.prevCloseFen * 1.0) / kSessionSeconds;
    buildPrices(inputs);
    buildTrades(inputs);
}

void DayPath::buildPrices(const Inputs& inputs)
{
    const quint64 code = NoiseStream::textKey(inputs.stock->code);
    NoiseStream gap(NoiseStream::key({inputs.seed, code, quint64(inputs.dayNumber), OpenGap}));
    const qint32 closeFen = std::clamp(inputs.closeFen, m_limitDownFen, m_limitUpFen);
    const double openGap = std::clamp(0.006 * gap.normal(), -0.03, 0.03);
    const qint32 openFen = std::clamp(qint32(std::lround(m_prevCloseFen * (1.0 + openGap))),
                                      m_limitDownFen, m_limitUpFen);

    std::vector<double> logPrice = bridge(inputs, openFen, closeFen);
    if (inputs.events.run)
        followRun(*inputs.events.run, logPrice);
    for (int i = 0; i <= kSessionSeconds; ++i) {
        qint32 fen = qint32(std::lround(std::exp(logPrice[i])));
        if (i == 0)
            fen = openFen;
        else if (i == kSessionSeconds)
            fen = closeFen;
        m_ticks[i].priceFen = std::clamp(fen, m_limitDownFen, m_limitUpFen);
    }
}

// The log price along a random walk pinned at both ends: open at second 0, close at the last.
std::vector<double> DayPath::bridge(const Inputs& inputs, qint32 openFen, qint32 closeFen) const
{
    const quint64 code = NoiseStream::textKey(inputs.stock->code);
    std::vector<double> walk(kSessionSeconds + 1, 0.0);
    NoiseStream steps(NoiseStream::key({inputs.seed, code, quint64(inputs.dayNumber), Walk}));
    const double stepSize = inputs.stock->volatility / std::sqrt(double(kSessionSeconds));
    for (int i = 1; i <= kSessionSeconds; ++i)
        walk[i] = walk[i - 1] + stepSize * steps.normal();

    const double logOpen = std::log(double(openFen));
    const double logClose = std::log(double(closeFen));
    const double end = walk.back();
    for (int i = 0; i <= kSessionSeconds; ++i) {
        const double share = double(i) / kSessionSeconds;
        walk[i] = logOpen + share * (logClose - logOpen) + walk[i] - share * end;
    }
    return walk;
}

// Steers the day onto the run's level and back off it; the ends of the day stay where they are.
void DayPath::followRun(const PriceRun& run, std::vector<double>& logPrice) const
{
    const double level = std::log(m_prevCloseFen * (1.0 + run.move));
    const double anchor = logPrice[std::size_t(run.holdFrom)];
    for (int i = std::max(run.start, 1); i < std::min(run.fadeUntil, kSessionSeconds); ++i) {
        double& x = logPrice[std::size_t(i)];
        const double wobble = kRunWobble * std::tanh(kRunDamping * (x - anchor) / kRunWobble);
        x += run.weightAt(i) * (level + wobble - x);
    }
}

void DayPath::buildTrades(const Inputs& inputs)
{
    const quint64 code = NoiseStream::textKey(inputs.stock->code);
    const auto day = quint64(inputs.dayNumber);
    NoiseStream volume(NoiseStream::key({inputs.seed, code, day, Volume}));
    NoiseStream side(NoiseStream::key({inputs.seed, code, day, Side}));
    const std::vector<BlockTrade>& blocks = inputs.events.trades;
    auto block = blocks.begin();

    qint32 high = 0;
    qint32 low = 0;
    qint64 cumLots = 0;
    double cumAmount = 0;
    for (int i = 0; i <= kSessionSeconds; ++i) {
        Tick& tick = m_ticks[i];
        double lots = m_lotsPerSecond / 1.19 * intensity(i) * (0.3 + 1.4 * volume.uniform());
        if (volume.uniform() < 0.002) // now and then a bigger trade, still short of a block
            lots *= 15.0 + 30.0 * volume.uniform();
        tick.lots = std::max<qint32>(1, qint32(std::lround(softCap(lots, kTradeKnee, kTradeCeiling))));
        const bool coin = side.uniform() < 0.5;
        while (block != blocks.end() && block->second < i)
            ++block;
        const BlockTrade* print = block != blocks.end() && block->second == i ? &*block : nullptr;
        if (print)
            tick.lots = print->lots;
        tick.sell = sellsAt(i, print, coin);
        high = i == 0 ? tick.priceFen : std::max(high, tick.priceFen);
        low = i == 0 ? tick.priceFen : std::min(low, tick.priceFen);
        cumLots += tick.lots;
        cumAmount += double(tick.lots) * 100.0 * tick.priceFen / 100.0;
        tick.highFen = high;
        tick.lowFen = low;
        tick.cumLots = cumLots;
        tick.cumAmount = cumAmount;
    }
}

// At a limit only one side of the book is left: trades at limit up hit the bid, at limit down
// they lift the offer. Elsewhere a block goes the way its trader works, another trade the way
// the price moved, and the coin decides an unchanged price.
bool DayPath::sellsAt(int second, const BlockTrade* block, bool coin) const
{
    const qint32 price = m_ticks[second].priceFen;
    if (price == m_limitUpFen || price == m_limitDownFen)
        return price == m_limitUpFen;
    if (block)
        return block->sell;
    if (second == 0)
        return false;
    const qint32 before = m_ticks[second - 1].priceFen;
    return price != before ? price < before : coin;
}

const Tick& DayPath::at(int second) const
{
    return m_ticks[std::clamp(second, 0, kSessionSeconds)];
}

qint32 DayPath::bidLotsAt(int second) const
{
    return bookLotsAt(second, true);
}

qint32 DayPath::askLotsAt(int second) const
{
    return bookLotsAt(second, false);
}

qint32 DayPath::bookLotsAt(int second, bool bid) const
{
    NoiseStream book(NoiseStream::key({m_bookKey, quint64(second), bid ? 0u : 1u}));
    const double depth = book.uniform();
    // The queue at a limit: buyers waiting at limit up, sellers at limit down.
    if (at(second).priceFen == (bid ? m_limitUpFen : m_limitDownFen))
        return qint32(m_lotsPerSecond * (900.0 + 900.0 * depth)) + 1;
    double lots = softCap(m_lotsPerSecond * (2.0 + 40.0 * depth), kBookKnee, kBookCeiling);
    for (const StandingOrder& order : m_orders) {
        if (order.bid == bid && order.standsAt(second))
            lots += order.lots;
    }
    return std::max<qint32>(1, qint32(lots));
}

} // namespace market
