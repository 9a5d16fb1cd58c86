#include "market/marketmodel.h"

#include "app/clock.h"
#include "market/noisestream.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace market {

namespace {

constexpr std::size_t kCachedDays = 400;
enum Purpose : quint64 { Phase = 11, DayNoise = 12 };

double yuan(qint32 fen)
{
    return fen / 100.0;
}

} // namespace

MarketModel::MarketModel(quint64 seed, const app::Clock& clock) : m_seed(seed), m_clock(clock) {}

qint32 MarketModel::closeFen(const StockInfo& stock, qint64 dayNumber) const
{
    // A few slow waves plus a little day-to-day noise: the daily move stays well inside the
    // ±10 % limit, and the price never drifts far from its usual level.
    static constexpr double amplitude[] = {0.12, 0.06, 0.03};
    static constexpr double period[] = {150.0, 41.0, 13.0};
    const quint64 code = NoiseStream::textKey(stock.code);
    double logPrice = std::log(stock.basePrice * 100.0);
    for (int k = 0; k < 3; ++k) {
        NoiseStream phase(NoiseStream::key({m_seed, code, Phase, quint64(k)}));
        logPrice += amplitude[k]
                  * std::sin(2.0 * std::numbers::pi * dayNumber / period[k]
                             + 2.0 * std::numbers::pi * phase.uniform());
    }
    NoiseStream noise(NoiseStream::key({m_seed, code, DayNoise, quint64(dayNumber)}));
    logPrice += 0.012 * std::clamp(noise.normal(), -2.0, 2.0);
    return std::max<qint32>(1, qint32(std::lround(std::exp(logPrice))));
}

DayEvents MarketModel::dayEvents(qint64 dayNumber) const
{
    std::vector<double> moves;
    for (const StockInfo& stock : StockCatalog::stocks()) {
        moves.push_back(std::log(double(closeFen(stock, dayNumber)))
                        - std::log(double(closeFen(stock, dayNumber - 1))));
    }
    return DayEvents(m_seed, dayNumber, moves);
}

const DayPath& MarketModel::dayPath(const StockInfo& stock, const QDate& day) const
{
    const qint64 number = TradingCalendar::dayNumber(day);
    const auto key = std::make_pair(stock.code, number);
    auto found = m_days.find(key);
    if (found != m_days.end())
        return *found->second;
    if (m_days.size() >= kCachedDays)
        m_days.clear();
    const qint32 prevClose = closeFen(stock, number - 1);
    const qint32 close = std::clamp(closeFen(stock, number), DayPath::limitDown(prevClose),
                                    DayPath::limitUp(prevClose));
    auto path = std::make_unique<DayPath>(DayPath::Inputs{m_seed, &stock, number, prevClose, close,
                                                          dayEvents(number).of(stock.code)});
    return *m_days.emplace(key, std::move(path)).first->second;
}

StockQuote MarketModel::quoteOf(const StockInfo& stock, const SessionPoint& point,
                                const QDateTime& at) const
{
    const DayPath& path = dayPath(stock, point.day);
    StockQuote q;
    q.stock = &stock;
    q.at = at;
    q.trading = TradingCalendar::isTrading(at);
    q.prevClose = yuan(path.prevCloseFen());
    q.limitUp = yuan(path.limitUpFen());
    q.limitDown = yuan(path.limitDownFen());
    if (point.second == kBeforeOpen) {
        q.last = q.open = q.high = q.low = q.prevClose;
        q.bid = q.ask = q.prevClose;
        return q;
    }
    const Tick& tick = path.at(point.second);
    const Tick& first = path.at(0);
    q.traded = true;
    q.last = yuan(tick.priceFen);
    q.open = yuan(first.priceFen);
    q.high = yuan(tick.highFen);
    q.low = yuan(tick.lowFen);
    q.volumeLots = tick.cumLots;
    q.amount = tick.cumAmount;
    q.lastLots = tick.lots;
    q.lastSell = tick.sell;
    // A buy lifted the offer, a sell hit the bid; the book stands one fen apart.
    const qint32 bidFen = tick.sell ? tick.priceFen : tick.priceFen - 1;
    const qint32 askFen = bidFen + 1;
    q.bid = bidFen >= path.limitDownFen() ? yuan(bidFen) : 0.0;
    q.ask = askFen <= path.limitUpFen() ? yuan(askFen) : 0.0;
    q.bidLots = q.bid > 0 ? path.bidLotsAt(point.second) : 0;
    q.askLots = q.ask > 0 ? path.askLotsAt(point.second) : 0;
    return q;
}

std::optional<StockQuote> MarketModel::quote(const QString& code) const
{
    return quoteAt(code, m_clock.now());
}

std::optional<StockQuote> MarketModel::quoteAt(const QString& code, const QDateTime& instant) const
{
    const StockInfo* stock = StockCatalog::find(code);
    if (!stock)
        return std::nullopt;
    return quoteOf(*stock, TradingCalendar::pointAt(instant), instant);
}

const MarketModel::IndexDay& MarketModel::indexDay(IndexId id, const QDate& day) const
{
    const qint64 number = TradingCalendar::dayNumber(day);
    const auto key = std::make_pair(int(id), number);
    auto found = m_indexDays.find(key);
    if (found != m_indexDays.end())
        return *found->second;
    if (m_indexDays.size() >= kCachedDays)
        m_indexDays.clear();

    // The index is the geometric mean of its stocks against their usual levels.
    const IndexInfo& info = StockCatalog::index(id);
    auto result = std::make_unique<IndexDay>();
    result->level.assign(kSessionSeconds + 1, 0.0);
    double prevSum = 0;
    int count = 0;
    for (const StockInfo& stock : StockCatalog::stocks()) {
        if (!StockCatalog::belongsTo(stock, id))
            continue;
        const DayPath& path = dayPath(stock, day);
        const double base = std::log(stock.basePrice * 100.0);
        prevSum += std::log(double(path.prevCloseFen())) - base;
        for (int i = 0; i <= kSessionSeconds; ++i)
            result->level[i] += std::log(double(path.at(i).priceFen)) - base;
        ++count;
    }
    result->prevClose = std::round(info.baseLevel * std::exp(prevSum / count) * 100.0) / 100.0;
    for (double& level : result->level)
        level = std::round(info.baseLevel * std::exp(level / count) * 100.0) / 100.0;
    return *m_indexDays.emplace(key, std::move(result)).first->second;
}

IndexQuote MarketModel::index(IndexId id) const
{
    return indexAt(id, m_clock.now());
}

IndexQuote MarketModel::indexAt(IndexId id, const QDateTime& instant) const
{
    const IndexInfo& info = StockCatalog::index(id);
    const SessionPoint point = TradingCalendar::pointAt(instant);
    const IndexDay& day = indexDay(id, point.day);
    IndexQuote q;
    q.index = &info;
    q.at = instant;
    q.prevClose = day.prevClose;
    if (point.second == kBeforeOpen) {
        q.last = q.open = q.high = q.low = q.prevClose;
    } else {
        q.last = day.level[point.second];
        q.open = day.level[0];
        const auto begin = day.level.begin();
        const auto end = begin + point.second + 1;
        q.high = *std::max_element(begin, end);
        q.low = *std::min_element(begin, end);
    }
    for (const StockInfo& stock : StockCatalog::stocks()) {
        if (!StockCatalog::belongsTo(stock, id))
            continue;
        const StockQuote s = quoteOf(stock, point, instant);
        q.amount += s.amount * info.marketScale;
        q.volumeLots += qint64(double(s.volumeLots) * info.marketScale);
        if (s.last > s.prevClose)
            ++q.rising;
        else if (s.last < s.prevClose)
            ++q.falling;
        else
            ++q.unchanged;
    }
    return q;
}

std::vector<IntradayPoint> MarketModel::intradayAt(const QString& code, const QDateTime& instant,
                                                   int stepSeconds) const
{
    std::vector<IntradayPoint> points;
    const StockInfo* stock = StockCatalog::find(code);
    const SessionPoint point = TradingCalendar::pointAt(instant);
    if (!stock || point.second == kBeforeOpen || stepSeconds <= 0)
        return points;
    const DayPath& path = dayPath(*stock, point.day);
    for (int second = 0;; second += stepSeconds) {
        const int at = std::min(second, point.second);
        const Tick& tick = path.at(at);
        points.push_back({TradingCalendar::timeOfSecond(at), yuan(tick.priceFen), tick.cumLots});
        if (at == point.second)
            break;
    }
    return points;
}

} // namespace market
