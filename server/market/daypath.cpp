#include "market/daypath.h"

#include "market/noisestream.h"
#include "market/tradingcalendar.h"

#include <algorithm>
#include <cmath>

namespace market {

namespace {

enum Purpose : quint64 { OpenGap = 1, Walk = 2, Volume = 3, Side = 4, Book = 5 };

// Trading is busiest after the opening and before the close.
double intensity(int second)
{
    return 1.0 + 1.2 * std::exp(-second / 1500.0)
         + 0.6 * std::exp(-(kSessionSeconds - second) / 1500.0);
}

} // namespace

DayPath::DayPath(const Inputs& inputs)
    : m_prevCloseFen(inputs.prevCloseFen),
      m_limitUpFen(limitUp(inputs.prevCloseFen)),
      m_limitDownFen(limitDown(inputs.prevCloseFen)),
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
    const auto day = quint64(inputs.dayNumber);

    NoiseStream gap(NoiseStream::key({inputs.seed, code, day, OpenGap}));
    const qint32 closeFen = std::clamp(inputs.closeFen, m_limitDownFen, m_limitUpFen);
    const double openGap = std::clamp(0.006 * gap.normal(), -0.03, 0.03);
    const qint32 openFen = std::clamp(qint32(std::lround(m_prevCloseFen * (1.0 + openGap))),
                                      m_limitDownFen, m_limitUpFen);

    // A random walk pinned at both ends: open at second 0, close at the last second.
    std::vector<double> walk(kSessionSeconds + 1, 0.0);
    NoiseStream steps(NoiseStream::key({inputs.seed, code, day, Walk}));
    const double stepSize = inputs.stock->volatility / std::sqrt(double(kSessionSeconds));
    for (int i = 1; i <= kSessionSeconds; ++i)
        walk[i] = walk[i - 1] + stepSize * steps.normal();

    const double logOpen = std::log(double(openFen));
    const double logClose = std::log(double(closeFen));
    for (int i = 0; i <= kSessionSeconds; ++i) {
        const double share = double(i) / kSessionSeconds;
        const double x = logOpen + share * (logClose - logOpen) + walk[i] - share * walk.back();
        qint32 fen = qint32(std::lround(std::exp(x)));
        if (i == 0)
            fen = openFen;
        else if (i == kSessionSeconds)
            fen = closeFen;
        m_ticks[i].priceFen = std::clamp(fen, m_limitDownFen, m_limitUpFen);
    }
}

void DayPath::buildTrades(const Inputs& inputs)
{
    const quint64 code = NoiseStream::textKey(inputs.stock->code);
    const auto day = quint64(inputs.dayNumber);
    NoiseStream volume(NoiseStream::key({inputs.seed, code, day, Volume}));
    NoiseStream side(NoiseStream::key({inputs.seed, code, day, Side}));

    qint32 high = 0;
    qint32 low = 0;
    qint64 cumLots = 0;
    double cumAmount = 0;
    for (int i = 0; i <= kSessionSeconds; ++i) {
        Tick& tick = m_ticks[i];
        double lots = m_lotsPerSecond / 1.19 * intensity(i) * (0.3 + 1.4 * volume.uniform());
        if (volume.uniform() < 0.002) // now and then a big trade
            lots *= 15.0 + 30.0 * volume.uniform();
        tick.lots = std::max<qint32>(1, qint32(std::lround(lots)));
        const bool coin = side.uniform() < 0.5;
        if (i == 0)
            tick.sell = false;
        else if (tick.priceFen != m_ticks[i - 1].priceFen)
            tick.sell = tick.priceFen < m_ticks[i - 1].priceFen;
        else
            tick.sell = coin;
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

const Tick& DayPath::at(int second) const
{
    return m_ticks[std::clamp(second, 0, kSessionSeconds)];
}

qint32 DayPath::bidLotsAt(int second) const
{
    NoiseStream book(NoiseStream::key({m_bookKey, quint64(second), 0}));
    return std::max<qint32>(1, qint32(m_lotsPerSecond * (2.0 + 40.0 * book.uniform())));
}

qint32 DayPath::askLotsAt(int second) const
{
    NoiseStream book(NoiseStream::key({m_bookKey, quint64(second), 1}));
    return std::max<qint32>(1, qint32(m_lotsPerSecond * (2.0 + 40.0 * book.uniform())));
}

} // namespace market
