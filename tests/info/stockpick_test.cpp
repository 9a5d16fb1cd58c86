// The selected stocks: the service's writer and the client's reader, through the service
// envelope as GBK bytes, and the merge into the picks of the run.
#include "info/stockpick.h"
#include "net/pagetext.h"
#include "support/namedcase.h"
#include "support/servedpage.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using info::StockPick;
using testsupport::PrintTo;

const StockPick zhaoshang{u"600036"_s, u"招商银行"_s, u"2024-5-10"_s, u"10:30:00"_s};
const StockPick ningde{u"300750"_s, u"宁德时代"_s, u"2024-5-10"_s, u"14:00:00"_s};

TEST(StockPicksRoundTripTest, EveryWritablePickComesBackInOrder)
{
    const std::vector<StockPick> picks = {
        zhaoshang,
        {u"000001"_s, QString(), QString(), QString()}, // empty fields
        {u"900901"_s, u"云赛Ｂ股 & 1"_s, u"今天"_s, u"盘中"_s},
        zhaoshang, // a repeat is the reader's to keep; the merge drops it
    };
    EXPECT_EQ(info::parseStockPicks(testsupport::servedPage(info::stockPicksPayload(picks))), picks);
}

TEST(StockPicksRoundTripTest, TenThousandPicks)
{
    std::vector<StockPick> picks;
    for (int i = 0; i < 10000; ++i)
        picks.push_back({QString::number(600000 + i), u"股票%1"_s.arg(i), u"2024-5-10"_s, u"10:%1"_s.arg(i % 60)});
    EXPECT_EQ(info::parseStockPicks(testsupport::servedPage(info::stockPicksPayload(picks))), picks);
}

TEST(StockPicksRoundTripTest, APickTheReaderWouldChangeIsLeftOutAndTheOthersStay)
{
    const std::vector<StockPick> picks = {
        zhaoshang,
        {u"600519"_s, u"贵州&4茅台"_s, u"d"_s, u"t"_s},
        {u"600519"_s, u"贵州茅台"_s, u"d&3"_s, u"t"_s},
        {u" 600519"_s, u"贵州茅台"_s, u"d"_s, u"t"_s},
        {u"600519"_s, u"贵州茅台"_s, u"d"_s, u"t</body>"_s},
        {u"600519"_s, u"\"#000000\">"_s, u"d"_s, u"t"_s},
        ningde,
    };
    EXPECT_EQ(info::parseStockPicks(testsupport::servedPage(info::stockPicksPayload(picks))),
              (std::vector<StockPick>{zhaoshang, ningde}));
}

struct ReadCase {
    const char* name;
    QString page;
    std::vector<StockPick> expected;
};

class StockPicksReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StockPicksReadTest, CutsEachRecord)
{
    EXPECT_EQ(info::parseStockPicks(GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, StockPicksReadTest,
    ::testing::Values(
        ReadCase{"RecordTrimmedFieldsNot", testsupport::servedPage(u"\r\n 600036&1 招商银行 &22024-5-10&310:30:00 \r\n&4"_s),
                 {{u"600036"_s, u" 招商银行 "_s, u"2024-5-10"_s, u"10:30:00"_s}}},
        ReadCase{"ARecordWithoutTheDateMarkAddsNothing",
                 testsupport::servedPage(u"600036&1招商银行&22024-5-10 10:30:00&4300750&1宁德时代&2d&3t&4"_s),
                 {{u"300750"_s, u"宁德时代"_s, u"d"_s, u"t"_s}}},
        ReadCase{"TheMarkerStartsARecordAfresh",
                 testsupport::servedPage(u"junk&1x<p text=\"#000000\">600036&1招商银行&2d&3t&4"_s),
                 {{u"600036"_s, u"招商银行"_s, u"d"_s, u"t"_s}}},
        ReadCase{"TextAfterTheLastEndMarkIsNoRecord", testsupport::servedPage(u"600036&1招商银行&2d&3t&4000001&1平安&2d&3t"_s),
                 {{u"600036"_s, u"招商银行"_s, u"d"_s, u"t"_s}}},
        ReadCase{"NoMarker", u"<body>600036&1招商银行&2d&3t&4</body>"_s, {}},
        ReadCase{"NoRecords", testsupport::servedPage(QString()), {}}),
    testsupport::CaseName());

TEST(StockPicksMergeTest, APickAlreadySeenIsNotAddedAgain)
{
    std::vector<StockPick> run;
    EXPECT_EQ(info::mergeStockPicks(run, {zhaoshang, ningde, zhaoshang}), 2);
    EXPECT_EQ(info::mergeStockPicks(run, {zhaoshang, ningde}), 0) << "the same list on the next tick";
    // Split differently between the fields, the joined text is the same pick.
    const StockPick resplit{u"6000"_s, u"36招商银行"_s, u"2024-5-1"_s, u"010:30:00"_s};
    EXPECT_EQ(info::mergeStockPicks(run, {resplit}), 0);
    const StockPick added{u"000001"_s, u"平安银行"_s, u"2024-5-11"_s, u"09:45:00"_s};
    EXPECT_EQ(info::mergeStockPicks(run, {zhaoshang, added}), 1);
    EXPECT_EQ(run, (std::vector<StockPick>{zhaoshang, ningde, added})) << "the new pick comes last";
}

} // namespace
