// Every trading day the simulated market shows, inside the sessions, each thing the alert engine
// watches for: a stock past +9 % and one past -9 %, others past ±5 %, trades of 1000 手 and more,
// orders of 10000 手 and more at the best bid and at the best ask; and the events keep the
// model's guarantees.
#include "app/clock.h"
#include "market/marketmodel.h"
#include "market/quotefeedpage.h"
#include "market/stockcatalog.h"
#include "market/tradingcalendar.h"
#include "quotes/quoterow.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace {

using testsupport::PrintTo;
using market::kMorningSeconds;
using market::kSessionSeconds;
using market::MarketModel;
using market::StockQuote;
using market::TradingCalendar;

struct DayCase {
    const char* name;
    quint64 seed;
    QDate day;
};

const DayCase dayCases[] = {
    {"seed1_Thursday", 1, QDate(2026, 12, 10)},
    {"seed1_Friday", 1, QDate(2026, 12, 11)},
    {"seed1_Monday", 1, QDate(2025, 3, 3)},
    {"seed7_Thursday", 7, QDate(2026, 12, 10)},
    {"seed7_Friday", 7, QDate(2026, 12, 11)},
    {"seed7_Wednesday", 7, QDate(2024, 5, 8)},
};

enum class Compare { Above, Below, AtLeast };

// A thing the alert engine watches for, as a figure of one quote feed field.
struct EventKind {
    const char* name;
    int field;
    Compare compare;
    double threshold;
    // Only on a stock that stays within ±9 % all day: a strong move short of the limit, and an
    // order the engine still reports (it stops reporting orders once a stock's limit alert fired).
    bool withinNinePercent;
    // Stands for a while rather than a single second.
    bool lasting;
};

const EventKind kinds[] = {
    {"PastPlusNinePercent", 5, Compare::Above, 9.0, false, true},
    {"PastMinusNinePercent", 5, Compare::Below, -9.0, false, true},
    {"PastPlusFivePercent", 5, Compare::Above, 5.0, true, true},
    {"PastMinusFivePercent", 5, Compare::Below, -5.0, true, true},
    {"TradeOf1000Lots", 18, Compare::AtLeast, 1000, false, false},
    {"BidOf10000Lots", 8, Compare::AtLeast, 10000, true, true},
    {"AskOf10000Lots", 10, Compare::AtLeast, 10000, true, true},
};
constexpr std::size_t kKindCount = std::size(kinds);

bool shows(const EventKind& kind, double figure)
{
    switch (kind.compare) {
    case Compare::Above:
        return figure > kind.threshold;
    case Compare::Below:
        return figure < kind.threshold;
    case Compare::AtLeast:
        return figure >= kind.threshold;
    }
    return false;
}

// The figure as the feed writes it: the percent with two decimals.
double figureOf(const StockQuote& q, int field)
{
    switch (field) {
    case 5:
        return std::round(q.changePercent() * 100.0) / 100.0;
    case 8:
        return double(q.bidLots);
    case 10:
        return double(q.askLots);
    default:
        return double(q.lastLots);
    }
}

// The figure as the client reads it from the record: field 5 without its "%".
double figureOf(const quotes::QuoteRow& row, int field)
{
    const QString text = row.field(field);
    return field == 5 && text.endsWith(QLatin1Char('%')) ? text.chopped(1).toDouble() : text.toDouble();
}

// The model reads an instant's date and time of day as they stand; UTC instants spare the half
// million local time conversions of a day's scan.
QDateTime instantOf(const QDate& day, int second)
{
    return QDateTime(day, TradingCalendar::timeOfSecond(second), Qt::UTC);
}

QByteArray recordAt(const MarketModel& model, const QString& code, const QDateTime& instant)
{
    return market::QuoteFeedPage::record(*model.quoteAt(code, instant));
}

// Every trading second strictly inside the sessions, as the engine's clock check has them.
bool insideASession(int second)
{
    return second > 0 && second < kSessionSeconds && second != kMorningSeconds;
}

constexpr int kHalfPastTen = 3600;

// One stock's day, second by second through the sessions.
struct StockDay {
    QString code;
    double highest = -100;
    double lowest = 100;
    std::array<int, kKindCount> firstSeen{};
    std::array<bool, kKindCount> seenAtHalfPastTen{};
    int bigTrades = 0;
    int bigTradesInARow = 0;       // seconds whose trade and the one before were both big
    int outsideTheLimits = 0;
    int bookOnTheWrongSide = 0;    // an offer at limit up or a bid at limit down
    double largestStep = 0;        // largest one-second price move, share of the previous close

    bool staysWithinNinePercent() const { return highest <= 9.0 && lowest >= -9.0; }
    // A kind that asks for a stock within ±9 % counts only on such a stock.
    bool counts(std::size_t kind) const { return !kinds[kind].withinNinePercent || staysWithinNinePercent(); }
    bool shows(std::size_t kind) const { return firstSeen[kind] >= 0 && counts(kind); }
    bool showsAtHalfPastTen(std::size_t kind) const { return seenAtHalfPastTen[kind] && counts(kind); }
    bool showsAnything() const
    {
        for (std::size_t k = 0; k < kKindCount; ++k) {
            if (shows(k))
                return true;
        }
        return false;
    }
};

void noteSecond(StockDay& stock, const StockQuote& q, const StockQuote& before, int second)
{
    const double percent = figureOf(q, 5);
    stock.highest = std::max(stock.highest, percent);
    stock.lowest = std::min(stock.lowest, percent);
    for (std::size_t k = 0; k < kKindCount; ++k) {
        const bool seen = shows(kinds[k], figureOf(q, kinds[k].field));
        if (seen && stock.firstSeen[k] < 0)
            stock.firstSeen[k] = second;
        if (second == kHalfPastTen)
            stock.seenAtHalfPastTen[k] = seen;
    }
    const bool bigTrade = q.lastLots >= 1000;
    stock.bigTrades += bigTrade;
    stock.bigTradesInARow += bigTrade && before.lastLots >= 1000;
    stock.outsideTheLimits += q.low < q.limitDown - 1e-9 || q.high > q.limitUp + 1e-9;
    stock.bookOnTheWrongSide += (q.last >= q.limitUp - 1e-9 && (q.ask > 0 || q.askLots > 0))
                                || (q.last <= q.limitDown + 1e-9 && (q.bid > 0 || q.bidLots > 0));
    stock.largestStep = std::max(stock.largestStep, std::abs(q.last - before.last) / q.prevClose);
}

StockDay scanStock(const MarketModel& model, const market::StockInfo& info, const QDate& day)
{
    StockDay stock;
    stock.code = info.code;
    stock.firstSeen.fill(-1);
    StockQuote before = *model.quoteAt(info.code, instantOf(day, 0));
    for (int second = 1; second < kSessionSeconds; ++second) {
        if (!insideASession(second))
            continue;
        const StockQuote q = *model.quoteAt(info.code, instantOf(day, second));
        noteSecond(stock, q, before, second);
        before = q;
    }
    return stock;
}

struct MarketDay {
    std::vector<StockDay> stocks;

    // The first stock, in catalog order, that shows the kind, or nullptr.
    const StockDay* showing(std::size_t kind) const
    {
        for (const StockDay& stock : stocks) {
            if (stock.shows(kind))
                return &stock;
        }
        return nullptr;
    }
};

// Scanning a day asks for every second of every stock; each day is scanned once for all tests.
const MarketDay& scanOf(quint64 seed, const QDate& day)
{
    static std::map<std::pair<quint64, QDate>, MarketDay> scanned;
    static app::Clock clock;
    auto found = scanned.find({seed, day});
    if (found != scanned.end())
        return found->second;
    const MarketModel model(seed, clock);
    MarketDay result;
    for (const auto& info : market::StockCatalog::stocks())
        result.stocks.push_back(scanStock(model, info, day));
    return scanned.emplace(std::make_pair(seed, day), std::move(result)).first->second;
}

class MarketEventKindTest : public ::testing::TestWithParam<std::tuple<DayCase, std::size_t>> {
protected:
    const DayCase& dayCase() const { return std::get<0>(GetParam()); }
    std::size_t kindIndex() const { return std::get<1>(GetParam()); }
    const EventKind& kind() const { return kinds[kindIndex()]; }
    const MarketDay& scan() const { return scanOf(dayCase().seed, dayCase().day); }
};

TEST_P(MarketEventKindTest, HappensInsideTheSessionsAndTheFeedRecordShowsIt)
{
    const StockDay* stock = scan().showing(kindIndex());
    ASSERT_NE(stock, nullptr) << "no stock shows it";
    const int second = stock->firstSeen[kindIndex()];
    ASSERT_TRUE(insideASession(second)) << second;
    const QDateTime instant = instantOf(dayCase().day, second);
    ASSERT_TRUE(TradingCalendar::isTrading(instant)) << qPrintable(instant.toString());

    // A model that was asked nothing else gives the same record: a stock's day does not depend
    // on which other quotes were asked first.
    app::Clock clock;
    const MarketModel fresh(dayCase().seed, clock);
    const QByteArray record = recordAt(fresh, stock->code, instant);
    const quotes::QuoteRow row = quotes::QuoteRow::parse(
        QString::fromUtf8(market::QuoteFeedPage::render(fresh.quoteAt(stock->code, instant))));
    ASSERT_TRUE(row.complete());
    EXPECT_TRUE(shows(kind(), figureOf(row, kind().field)))
        << qPrintable(stock->code) << " at " << qPrintable(instant.toString()) << ": " << record.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarketEventKindTest,
    ::testing::Combine(::testing::ValuesIn(dayCases), ::testing::Range(std::size_t(0), kKindCount)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + kinds[std::get<1>(info.param)].name;
    });

class MarketEventDayTest : public ::testing::TestWithParam<DayCase> {
protected:
    const MarketDay& scan() const { return scanOf(GetParam().seed, GetParam().day); }
};

TEST_P(MarketEventDayTest, PricesKeepTheirLimitsAndClimbRatherThanJump)
{
    for (const StockDay& stock : scan().stocks) {
        EXPECT_EQ(stock.outsideTheLimits, 0) << qPrintable(stock.code);
        EXPECT_EQ(stock.bookOnTheWrongSide, 0) << qPrintable(stock.code);
        // A fen is 0.25 % of the cheapest stock; no second moves more than a few of them.
        EXPECT_LT(stock.largestStep, 0.006) << qPrintable(stock.code);
    }
}

// Half past ten is when the demo starts: everything but a single second's trade shows then.
TEST_P(MarketEventDayTest, EveryLastingKindShowsAtHalfPastTen)
{
    for (std::size_t k = 0; k < kKindCount; ++k) {
        if (!kinds[k].lasting)
            continue;
        bool seen = false;
        for (const StockDay& stock : scan().stocks)
            seen |= stock.showsAtHalfPastTen(k);
        EXPECT_TRUE(seen) << kinds[k].name;
    }
}

TEST_P(MarketEventDayTest, BigTradesComeSeveralTimesADayButNotEverySecond)
{
    int bigTrades = 0;
    for (const StockDay& stock : scan().stocks) {
        bigTrades += stock.bigTrades;
        EXPECT_EQ(stock.bigTradesInARow, 0) << qPrintable(stock.code);
    }
    EXPECT_GE(bigTrades, 3);
}

TEST_P(MarketEventDayTest, MostStocksHaveAnOrdinaryDay)
{
    int eventful = 0;
    for (const StockDay& stock : scan().stocks)
        eventful += stock.showsAnything();
    EXPECT_LT(eventful, int(scan().stocks.size()) / 2);
}

TEST_P(MarketEventDayTest, TheMarketRestsThroughTheLunchBreakAndAfterTheClose)
{
    app::Clock clock;
    const MarketModel model(GetParam().seed, clock);
    const QDate day = GetParam().day;
    const auto withoutTime = [&](const QString& code, const QTime& time) {
        const QByteArray record = recordAt(model, code, QDateTime(day, time));
        return record.left(record.lastIndexOf(','));
    };
    for (const auto& stock : market::StockCatalog::stocks()) {
        EXPECT_EQ(withoutTime(stock.code, QTime(11, 30)), withoutTime(stock.code, QTime(12, 59, 59)));
        EXPECT_EQ(withoutTime(stock.code, QTime(15, 0)), withoutTime(stock.code, QTime(21, 0)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MarketEventDayTest, ::testing::ValuesIn(dayCases), testsupport::CaseName());

TEST(MarketEvents, TheStocksThatRunToTheLimitChangeFromDayToDay)
{
    for (const quint64 seed : {1u, 7u}) {
        std::set<QString> limitUp;
        for (const DayCase& c : dayCases) {
            if (c.seed != seed)
                continue;
            if (const StockDay* stock = scanOf(seed, c.day).showing(0))
                limitUp.insert(stock->code);
        }
        EXPECT_GT(limitUp.size(), 1u) << "seed " << seed;
    }
}

} // namespace
