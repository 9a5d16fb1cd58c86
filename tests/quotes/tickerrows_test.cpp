#include "quotes/tickerrows.h"

#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace quotes {

void PrintTo(const TickerCell& cell, std::ostream* os)
{
    *os << '"' << cell.text.toStdString() << '"';
    if (cell.background)
        *os << " on " << int(cell.background->red) << ',' << int(cell.background->green) << ','
            << int(cell.background->blue);
}

} // namespace quotes

namespace {

using testsupport::PrintTo;

using quotes::fallGreen;
using quotes::riseRed;
using quotes::RowsMadeBy;
using quotes::TickerCell;

struct HeightCase {
    const char* name;
    int stocks;
    RowsMadeBy madeBy;
    int height;
};

class TickerHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(TickerHeightTest, GrowsPerStockByWhoMadeTheRows)
{
    EXPECT_EQ(quotes::tickerHeight(GetParam().stocks, GetParam().madeBy), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickerHeightTest,
    ::testing::Values(HeightCase{"NoStockByToggle", 0, RowsMadeBy::Toggle, 120},
                      HeightCase{"NoStockBySave", 0, RowsMadeBy::SettingsSave, 120},
                      HeightCase{"ThreeByToggle", 3, RowsMadeBy::Toggle, 174},
                      HeightCase{"ThreeBySave", 3, RowsMadeBy::SettingsSave, 165},
                      HeightCase{"TwentyByToggle", 20, RowsMadeBy::Toggle, 480}),
    testsupport::CaseName());

TEST(TickerRowTopTest, RowsLieTwentyPixelsApartFromNinety)
{
    EXPECT_EQ(quotes::tickerRowTop(0), 90);
    EXPECT_EQ(quotes::tickerRowTop(1), 110);
    EXPECT_EQ(quotes::tickerRowTop(2), 130);
    EXPECT_EQ(quotes::tickerRowTop(10), 290);
}

struct ClockCase {
    const char* name;
    QDateTime now;
    const char* line;
};

class TickerClockLineTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(TickerClockLineTest, ShortDateWithoutLeadingZerosAndLongTime)
{
    EXPECT_EQ(quotes::tickerClockLine(GetParam().now), QString::fromUtf8(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickerClockLineTest,
    ::testing::Values(
        ClockCase{"SingleDigits", QDateTime(QDate(2026, 1, 5), QTime(9, 5, 7)), "2026-1-5 09:05:07"},
        ClockCase{"TwoDigits", QDateTime(QDate(2026, 12, 10), QTime(10, 30, 0)),
                  "2026-12-10 10:30:00"},
        ClockCase{"Midnight", QDateTime(QDate(2027, 2, 28), QTime(0, 0, 0)), "2027-2-28 00:00:00"}),
    testsupport::CaseName());

struct CursorCase {
    const char* name;
    int stocks;
    // The row each tick fetches, -1 for a tick that fetches nothing.
    std::vector<int> rows;
};

class TickerCursorTest : public ::testing::TestWithParam<CursorCase> {};

TEST_P(TickerCursorTest, OneStockPerTickAndARestingTickAfterTheLast)
{
    quotes::TickerRows cursor;
    for (std::size_t tick = 0; tick < GetParam().rows.size(); ++tick) {
        const std::optional<int> row = cursor.next(GetParam().stocks);
        EXPECT_EQ(row.value_or(-1), GetParam().rows[tick]) << "tick " << tick;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickerCursorTest,
    ::testing::Values(CursorCase{"NoStockNeverFetches", 0, {-1, -1, -1}},
                      CursorCase{"OneStockEveryOtherTick", 1, {0, -1, 0, -1}},
                      CursorCase{"ThreeStocksRestEveryFourthTick", 3, {0, 1, 2, -1, 0, 1, 2, -1, 0}}),
    testsupport::CaseName());

TEST(TickerCursorTest, ShrunkListStartsOverAtTheNextTick)
{
    quotes::TickerRows cursor;
    for (int tick = 0; tick < 4; ++tick)
        cursor.next(5);
    EXPECT_EQ(cursor.cursor(), 4);
    EXPECT_EQ(cursor.next(2), std::nullopt);
    EXPECT_EQ(cursor.next(2), 0);
}

// A record as the feed sends it, cut after the given number of commas.
QString feedRecord(const QString& change, int commas = 18)
{
    const QStringList fields = {QStringLiteral("var q=\"1"), QStringLiteral("600036"),
                                QStringLiteral("招商银行"), QStringLiteral("30.47"), change,
                                QStringLiteral("0.26"), QStringLiteral("30.46"), QStringLiteral("179"),
                                QStringLiteral("30.47"), QStringLiteral("2586"), QStringLiteral("325795"),
                                QStringLiteral("98956.18"), QStringLiteral("30.39"), QStringLiteral("x"),
                                QStringLiteral("30.55"), QStringLiteral("30.14"), QStringLiteral("84"),
                                QStringLiteral("84")};
    return fields.mid(0, commas).join(u',') + u',' + QStringLiteral("tail\"");
}

struct RowCase {
    const char* name;
    QString record;
    quotes::TickerStockRow cells;
};

class TickerStockRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(TickerStockRowTest, EachCellOnlyWhenItsFieldArrived)
{
    const quotes::TickerStockRow cells =
        quotes::tickerStockRow(quotes::QuoteRow::parse(GetParam().record));
    EXPECT_EQ(cells.name, GetParam().cells.name);
    EXPECT_EQ(cells.price, GetParam().cells.price);
    EXPECT_EQ(cells.change, GetParam().cells.change);
    EXPECT_EQ(cells.high, GetParam().cells.high);
    EXPECT_EQ(cells.low, GetParam().cells.low);
    EXPECT_EQ(cells.volume, GetParam().cells.volume);
}

quotes::TickerStockRow fullRow(const QString& change, quotes::Colour ground)
{
    return {.name = QStringLiteral("招商银行"),
            .price = TickerCell{QStringLiteral("30.47"), ground},
            .change = TickerCell{change, ground},
            .high = TickerCell{QStringLiteral("30.55"), ground},
            .low = TickerCell{QStringLiteral("30.14"), ground},
            .volume = TickerCell{QStringLiteral("325795手"), ground}};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickerStockRowTest,
    ::testing::Values(
        RowCase{"RiseIsRed", feedRecord(u"0.85%"_qs), fullRow(u"0.85%"_qs, riseRed)},
        RowCase{"FallIsGreen", feedRecord(u"-0.39%"_qs), fullRow(u"-0.39%"_qs, fallGreen)},
        RowCase{"UnchangedZeroIsRed", feedRecord(u"0"_qs), fullRow(u"0"_qs, riseRed)},
        RowCase{"MinusAnywhereIsGreen", feedRecord(u"0.0-"_qs), fullRow(u"0.0-"_qs, fallGreen)},
        RowCase{"UnknownCodeWritesNothing", u"var quote_zhou=\"\";"_qs, {}},
        RowCase{"NameOnly", feedRecord(u"1%"_qs, 3), {.name = u"招商银行"_qs}},
        // The price arrives before the change that decides its ground.
        RowCase{"PriceWithoutChangeKeepsItsGround",
                feedRecord(u"1%"_qs, 4),
                {.name = u"招商银行"_qs, .price = TickerCell{u"30.47"_qs, std::nullopt}}},
        RowCase{"CutBeforeTheHigh",
                feedRecord(u"-1%"_qs, 14),
                {.name = u"招商银行"_qs,
                 .price = TickerCell{u"30.47"_qs, fallGreen},
                 .change = TickerCell{u"-1%"_qs, fallGreen},
                 .volume = TickerCell{u"325795手"_qs, fallGreen}}},
        RowCase{"CutBeforeTheLow",
                feedRecord(u"1%"_qs, 15),
                {.name = u"招商银行"_qs,
                 .price = TickerCell{u"30.47"_qs, riseRed},
                 .change = TickerCell{u"1%"_qs, riseRed},
                 .high = TickerCell{u"30.55"_qs, riseRed},
                 .volume = TickerCell{u"325795手"_qs, riseRed}}}),
    testsupport::CaseName());

} // namespace
