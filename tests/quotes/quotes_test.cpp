#include "quotes/alertquotetable.h"
#include "quotes/direction.h"
#include "quotes/indexquotes.h"
#include "quotes/quotepanel.h"
#include "quotes/quoterow.h"

#include <gtest/gtest.h>

namespace {

// A full record as the feed sends it: a comma-free wrapper, then fields 2..18 and a tail.
QString feedRecord(const QString& change = QStringLiteral("-1.25%"),
                   const QString& lastTrade = QStringLiteral("-120"))
{
    return QStringLiteral("var quote=\"1,600036,招商银行,12.34,") + change
           + QStringLiteral(",-0.16,12.33,120,12.34,88,456789,56789.5,12.50,x,12.60,12.20,")
           + lastTrade + QStringLiteral(",35,tail\"");
}

TEST(QuoteRowTest, FieldsCountFromTheWrapperAndShortRecordsStopEarly)
{
    const quotes::QuoteRow row = quotes::QuoteRow::parse(feedRecord());
    EXPECT_TRUE(row.complete());
    EXPECT_EQ(row.field(2), QStringLiteral("600036"));
    EXPECT_EQ(row.field(3), QStringLiteral("招商银行"));
    EXPECT_EQ(row.field(18), QStringLiteral("35"));

    const quotes::QuoteRow unknown = quotes::QuoteRow::parse(u"var quote=\"1,\"");
    EXPECT_FALSE(unknown.has(3));
    EXPECT_EQ(unknown.field(3), QString());
}

struct DirectionCase {
    const char* text;
    quotes::Direction direction;
};

void PrintTo(const DirectionCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class DirectionTest : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionTest, DownOnlyWithAMinusAnywhere)
{
    EXPECT_EQ(quotes::directionOf(QString::fromUtf8(GetParam().text)), GetParam().direction);
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectionTest,
                         ::testing::Values(DirectionCase{"-12.34", quotes::Direction::Down},
                                           DirectionCase{"12.34", quotes::Direction::Up},
                                           DirectionCase{"0", quotes::Direction::Up},
                                           DirectionCase{"-0.50%", quotes::Direction::Down},
                                           DirectionCase{"1-2", quotes::Direction::Down},
                                           DirectionCase{"", quotes::Direction::Up}));

TEST(QuotePanelTest, FullRowFillsEveryLabelWithItsTextAndColour)
{
    const quotes::QuotePanelView view =
        quotes::quotePanelView(quotes::QuoteRow::parse(feedRecord()));
    EXPECT_EQ(view.currentCode, QStringLiteral("600036"));
    EXPECT_EQ(view.currentName, QStringLiteral("招商银行"));
    EXPECT_EQ(view.latestPrice, (quotes::LabelText{QStringLiteral("12.34元"), quotes::fallGreen}));
    EXPECT_EQ(view.changePercent, (quotes::LabelText{QStringLiteral("-1.25%"), quotes::fallGreen}));
    EXPECT_EQ(view.change, (quotes::LabelText{QStringLiteral("-0.16元"), quotes::fallGreen}));
    EXPECT_EQ(view.bid, (quotes::LabelText{QStringLiteral("12.33元(120手)"), quotes::riseRed}));
    EXPECT_EQ(view.ask, (quotes::LabelText{QStringLiteral("12.34元(88手)"), quotes::fallGreen}));
    EXPECT_EQ(view.volume, QStringLiteral("456789手"));
    EXPECT_EQ(view.turnover, QStringLiteral("56789.5万元"));
    EXPECT_EQ(view.open, QStringLiteral("开盘价：12.50元"));
    EXPECT_EQ(view.high, QStringLiteral("最高价：12.60元"));
    EXPECT_EQ(view.low, QStringLiteral("最低价：12.20元"));
    EXPECT_EQ(view.lastTrade, (quotes::LabelText{QStringLiteral("卖盘↓ 35手"), quotes::fallGreen}));
}

TEST(QuotePanelTest, UnchangedPriceIsRedAndABuyIsRed)
{
    const quotes::QuotePanelView view =
        quotes::quotePanelView(quotes::QuoteRow::parse(feedRecord(u"0"_qs, u"120"_qs)));
    EXPECT_EQ(view.changePercent, (quotes::LabelText{QStringLiteral("0"), quotes::riseRed}));
    EXPECT_EQ(view.latestPrice->colour, quotes::riseRed);
    EXPECT_EQ(view.change->colour, quotes::riseRed);
    EXPECT_EQ(view.lastTrade, (quotes::LabelText{QStringLiteral("买盘↑ 35手"), quotes::riseRed}));
}

TEST(QuotePanelTest, ShortRowWritesOnlyWhatArrivedAndPricesWaitForTheirVolume)
{
    // Fields 2..7 complete; field 8 (bid volume) never ends with a comma.
    const quotes::QuotePanelView view =
        quotes::quotePanelView(quotes::QuoteRow::parse(u"w,000001,平安银行,10.00,1.00%,0.10,9.99,50"));
    EXPECT_EQ(view.bid, (quotes::LabelText{QStringLiteral("9.99"), quotes::riseRed}));
    EXPECT_FALSE(view.ask.has_value());
    EXPECT_FALSE(view.volume.has_value());
    EXPECT_FALSE(view.lastTrade.has_value());

    const quotes::QuotePanelView priceOnly =
        quotes::quotePanelView(quotes::QuoteRow::parse(u"w,000001,平安银行,10.00,"));
    EXPECT_EQ(priceOnly.latestPrice, (quotes::LabelText{QStringLiteral("10.00元"), std::nullopt}));
}

TEST(AlertQuoteTableTest, SkipsFieldFourteenStoresZeroAsDecimalAndLeavesShortRowsOut)
{
    quotes::AlertQuoteTable table;
    EXPECT_TRUE(table.append(quotes::QuoteRow::parse(feedRecord(u"0"_qs))));
    EXPECT_FALSE(table.append(quotes::QuoteRow::parse(u"w,000001,平安银行,10.00,")));
    EXPECT_TRUE(table.append(quotes::QuoteRow::parse(feedRecord())));

    ASSERT_EQ(table.rowCount(), 2);
    for (int column = 1; column <= quotes::AlertQuoteTable::columnCount; ++column)
        EXPECT_EQ(table.column(column).size(), 2) << "column " << column;
    EXPECT_EQ(table.column(1), (QStringList{"600036", "600036"}));
    EXPECT_EQ(table.column(4), (QStringList{"0.0", "-1.25%"}));
    EXPECT_EQ(table.column(12), (QStringList{"12.50", "12.50"})); // field 13, open
    EXPECT_EQ(table.column(13), (QStringList{"12.60", "12.60"})); // field 15, high: 14 skipped
    EXPECT_EQ(table.column(16), (QStringList{"35", "35"}));

    table.clear();
    EXPECT_EQ(table.rowCount(), 0);
}

QString indexPage(const QString& shanghaiChange, const QString& shanghaiTurnover)
{
    return QStringLiteral("<html>var a=\"上证指数,3051.23,") + shanghaiChange
           + QStringLiteral(",-0.40%,") + shanghaiTurnover
           + QStringLiteral(",1,2,3,4\";var b=\"深证成指,10234.50,56.70,0.56%,987654,9\"</html>");
}

struct IndexLineCase {
    const char* change;
    const char* turnover;
    const char* line;
    quotes::Colour colour;
    const char* tickerTurnover;
};

void PrintTo(const IndexLineCase& c, std::ostream* os) { *os << c.change << " / " << c.turnover; }

class IndexLineTest : public ::testing::TestWithParam<IndexLineCase> {};

TEST_P(IndexLineTest, BuildsTheIndexBoxLineAndTickerCells)
{
    const IndexLineCase& c = GetParam();
    quotes::IndexBox box;
    quotes::applyIndexPage(indexPage(QString::fromUtf8(c.change), QString::fromUtf8(c.turnover)),
                           box);
    EXPECT_EQ(box.shanghai.line, QString::fromUtf8(c.line));
    EXPECT_EQ(box.shanghai.lineColour, c.colour);
    EXPECT_EQ(box.shanghai.value, (quotes::TickerCell{QStringLiteral("3051.23"), c.colour}));
    EXPECT_EQ(box.shanghai.change, (quotes::TickerCell{QString::fromUtf8(c.change), c.colour}));
    EXPECT_EQ(box.shanghai.percent, (quotes::TickerCell{QStringLiteral("-0.40%"), c.colour}));
    EXPECT_EQ(box.shanghai.turnover, (quotes::TickerCell{QString::fromUtf8(c.tickerTurnover), c.colour}));
    EXPECT_EQ(box.shenzhen.line, QStringLiteral("深成：10234.50  涨56.70↑ 成交99亿"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndexLineTest,
    ::testing::Values(
        IndexLineCase{"-12.34", "1234567.89", "上证：3051.23  跌-12.34↓ 成交123亿", quotes::fallGreen, "123亿元"},
        IndexLineCase{"12.34", "1234567.89", "上证：3051.23  涨12.34↑ 成交123亿", quotes::riseRed, "123亿元"},
        IndexLineCase{"12.34", "1235000", "上证：3051.23  涨12.34↑ 成交124亿", quotes::riseRed, "124亿元"},
        IndexLineCase{"12.34", "1225000", "上证：3051.23  涨12.34↑ 成交122亿", quotes::riseRed, "122亿元"}));

TEST(IndexQuotesTest, NonNumericTurnoverFailsAfterWritingWhatCameBefore)
{
    quotes::IndexBox box;
    EXPECT_THROW(quotes::applyIndexPage(indexPage(u"-1.00"_qs, u"n/a"_qs), box),
                 quotes::QuoteFormatError);
    EXPECT_EQ(box.shanghai.line, QStringLiteral("上证：3051.23  跌-1.00↓"));
    EXPECT_FALSE(box.shenzhen.line.has_value());
}

TEST(IndexQuotesTest, MissingIndexLeavesItsDisplayUntouched)
{
    quotes::IndexBox box;
    box.shenzhen.line = QStringLiteral("深成：earlier");
    quotes::applyIndexPage(u"x 上证指数,3000.00,1.00,0.03%,20000,", box);
    EXPECT_EQ(box.shanghai.line, QStringLiteral("上证：3000.00  涨1.00↑ 成交2亿"));
    EXPECT_EQ(box.shenzhen.line, QStringLiteral("深成：earlier"));
}

} // namespace
