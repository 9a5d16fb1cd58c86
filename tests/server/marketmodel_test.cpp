// The simulated market: deterministic, moving in the sessions, resting outside them, within limits.
#include "app/clock.h"
#include "market/marketmodel.h"
#include "market/quotefeedpage.h"
#include "market/stockcatalog.h"
#include "quotes/quoterow.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using market::MarketModel;
using market::StockQuote;

const QDate kFriday(2024, 5, 10);

QDateTime at(const QDate& day, int hour, int minute, int second = 0)
{
    return QDateTime(day, QTime(hour, minute, second));
}

class MarketModelTest : public ::testing::Test {
protected:
    StockQuote quote(const char* code, const QDateTime& instant) const
    {
        return model.quoteAt(QString::fromLatin1(code), instant).value();
    }
    QByteArray record(const char* code, const QDateTime& instant) const
    {
        return market::QuoteFeedPage::record(quote(code, instant));
    }

    app::Clock clock;
    MarketModel model{7, clock};
};

TEST_F(MarketModelTest, TheSameSeedAndInstantGiveTheSameMarket)
{
    MarketModel twin(7, clock);
    MarketModel other(8, clock);
    const QDateTime instant = at(kFriday, 10, 17, 23);
    for (const auto& stock : market::StockCatalog::stocks()) {
        const QString code = stock.code;
        EXPECT_EQ(market::QuoteFeedPage::record(*model.quoteAt(code, instant)),
                  market::QuoteFeedPage::record(*twin.quoteAt(code, instant)));
    }
    EXPECT_NE(record("000001", instant), market::QuoteFeedPage::record(*other.quoteAt(QStringLiteral("000001"), instant)));
}

TEST_F(MarketModelTest, TradingMovesEverySecond)
{
    int priceChanges = 0;
    for (const char* code : {"000001", "600036", "300059"}) {
        StockQuote previous = quote(code, at(kFriday, 10, 0, 0));
        for (int s = 1; s <= 60; ++s) {
            const StockQuote now = quote(code, at(kFriday, 10, 0).addSecs(s));
            EXPECT_GT(now.volumeLots, previous.volumeLots) << code << " second " << s;
            EXPECT_GT(now.amount, previous.amount);
            priceChanges += now.last != previous.last;
            previous = now;
        }
    }
    EXPECT_GT(priceChanges, 0);
}

struct RestCase {
    const char* label;
    QDateTime first;
    QDateTime second;
};

std::ostream& operator<<(std::ostream& out, const RestCase& c)
{
    return out << c.label;
}

class MarketRestTest : public MarketModelTest, public ::testing::WithParamInterface<RestCase> {};

TEST_P(MarketRestTest, OutsideTheSessionsTheQuoteStandsStill)
{
    for (const char* code : {"000001", "600519", "300750"}) {
        const StockQuote a = quote(code, GetParam().first);
        const StockQuote b = quote(code, GetParam().second);
        EXPECT_EQ(a.last, b.last) << code;
        EXPECT_EQ(a.volumeLots, b.volumeLots) << code;
        EXPECT_EQ(a.high, b.high) << code;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarketRestTest,
    ::testing::Values(RestCase{"lunch break", at(kFriday, 11, 30, 0), at(kFriday, 12, 59, 59)},
                      RestCase{"evening", at(kFriday, 15, 0, 0), at(kFriday, 22, 0, 0)},
                      RestCase{"weekend", at(kFriday, 15, 0, 0), at(kFriday.addDays(1), 10, 0, 0)},
                      RestCase{"before the opening", at(kFriday, 8, 0, 0), at(kFriday, 9, 29, 59)}));

TEST_F(MarketModelTest, BeforeTheOpeningEverythingStandsAtThePreviousClose)
{
    const QDate monday = kFriday.addDays(3);
    const StockQuote early = quote("000001", at(monday, 9, 15));
    EXPECT_FALSE(early.traded);
    EXPECT_EQ(early.last, early.prevClose);
    EXPECT_EQ(early.volumeLots, 0);
    const quotes::QuoteRow row = quotes::QuoteRow::parse(
        QString::fromUtf8(market::QuoteFeedPage::render(early)));
    EXPECT_EQ(row.field(5), QStringLiteral("0"));
    // Monday's previous close is Friday's close.
    EXPECT_EQ(early.prevClose, quote("000001", at(kFriday, 15, 0)).last);
}

TEST_F(MarketModelTest, PricesStayWithinTheDailyLimitsAndTheDaysRange)
{
    QDate day = kFriday;
    for (int d = 0; d < 60; ++d, day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        for (const auto& stock : market::StockCatalog::stocks()) {
            for (const QTime& time : {QTime(9, 30), QTime(10, 45, 17), QTime(14, 2, 3), QTime(15, 0)}) {
                const StockQuote q = *model.quoteAt(stock.code, QDateTime(day, time));
                ASSERT_GE(q.low, q.limitDown - 1e-9) << qPrintable(stock.code);
                ASSERT_LE(q.high, q.limitUp + 1e-9) << qPrintable(stock.code);
                ASSERT_LE(q.low, q.last);
                ASSERT_GE(q.high, q.last);
                ASSERT_NEAR(q.limitUp, std::round(q.prevClose * 110.0) / 100.0, 0.011);
            }
        }
    }
}

TEST_F(MarketModelTest, TheRecordCarriesTheLastTradeAndTheBook)
{
    for (int s = 0; s < 30; ++s) {
        const QDateTime instant = at(kFriday, 13, 30, s);
        const StockQuote q = quote("600036", instant);
        const quotes::QuoteRow row = quotes::QuoteRow::parse(QString::fromUtf8(market::QuoteFeedPage::render(q)));
        ASSERT_TRUE(row.complete());
        EXPECT_EQ(row.field(17).contains(QLatin1Char('-')), q.lastSell);
        EXPECT_EQ(row.field(18), QString::number(q.lastLots));
        EXPECT_EQ(row.field(5).contains(QLatin1Char('-')), q.last < q.prevClose);
        EXPECT_LT(row.field(7).toDouble(), row.field(9).toDouble() + 1e-9);
        EXPECT_EQ(row.field(11), QString::number(q.volumeLots));
    }
}

TEST_F(MarketModelTest, IndicesFollowTheirStocks)
{
    const QDateTime instant = at(kFriday, 14, 0);
    for (auto id : {market::IndexId::Shanghai, market::IndexId::Shenzhen}) {
        const market::IndexQuote index = model.indexAt(id, instant);
        int members = 0;
        for (const auto& stock : market::StockCatalog::stocks())
            members += market::StockCatalog::belongsTo(stock, id);
        EXPECT_EQ(index.rising + index.falling + index.unchanged, members);
        EXPECT_LE(index.low, index.last);
        EXPECT_GE(index.high, index.last);
        EXPECT_GT(index.amount, 0);
        EXPECT_EQ(model.indexAt(id, at(kFriday.addDays(3), 9, 0)).prevClose,
                  model.indexAt(id, at(kFriday, 15, 0)).last);
    }
}

TEST_F(MarketModelTest, TheServersClockDecidesTheQuote)
{
    clock.freezeAt(at(kFriday, 10, 0, 0));
    const QByteArray first = market::QuoteFeedPage::record(*model.quote(QStringLiteral("000001")));
    clock.advance(1000);
    const QByteArray second = market::QuoteFeedPage::record(*model.quote(QStringLiteral("000001")));
    EXPECT_NE(first, second);
    EXPECT_EQ(second, record("000001", at(kFriday, 10, 0, 1)));
}

} // namespace
