// The recommendation list: the service's writer and the client's reader, through the service
// envelope as GBK bytes, and the lists the main window keeps (padding, repeats, new first).
#include "community/recommendationlist.h"
#include "net/pagetext.h"
#include "support/namedcase.h"
#include "support/servedpage.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using community::RecommendationList;
using community::RecommendationRecord;
using testsupport::PrintTo;

const RecommendationRecord zhaoshang{u"127.0.0.1"_s, u"招商银行(600036)"_s, u"业绩稳健"_s,
                                     u"2024-05-10 10:30:00"_s};
const RecommendationRecord st{u"10.1.2.3"_s, u"*ST海润(600401)"_s, u"博反弹"_s, u"2024-05-10 10:31:00"_s};

TEST(RecommendationsRoundTripTest, EveryWritableRecordComesBackInOrder)
{
    const std::vector<RecommendationRecord> records = {
        zhaoshang,
        st,
        {u"::1"_s, u"平安银行(000001)"_s, QString(), QString()}, // empty reason and time
        {u"192.168.0.1"_s, u"万科A(000002)"_s, u"  两个空格在前"_s, u"今天"_s},
        {u"10.0.0.9"_s, u"贵州茅台(600519)"_s, u"$a 不是标记 &1 也不是"_s, u"t"_s},
    };
    EXPECT_EQ(community::parseRecommendations(testsupport::servedPage(community::recommendationsPayload(records))),
              records);
}

TEST(RecommendationsRoundTripTest, TenThousandRecords)
{
    std::vector<RecommendationRecord> records;
    for (int i = 0; i < 10000; ++i)
        records.push_back({u"10.0.%1.%2"_s.arg(i / 256).arg(i % 256), u"股票(%1)"_s.arg(600000 + i),
                           u"理由%1"_s.arg(i), u"2024-05-10 10:%1:00"_s.arg(i % 60)});
    EXPECT_EQ(community::parseRecommendations(testsupport::servedPage(community::recommendationsPayload(records))),
              records);
}

TEST(RecommendationsRoundTripTest, ARecordTheReaderWouldChangeIsLeftOutAndTheOthersStay)
{
    const std::vector<RecommendationRecord> records = {
        zhaoshang,
        {u"1.2.3.4"_s, u"s"_s, u"理由$a2里"_s, u"t"_s},
        {u"1.2.3.4"_s, u"s$a4"_s, u"r"_s, u"t"_s},
        {u"1.2.3.4"_s, u"s"_s, u"r"_s, u"t$a0"_s},
        {u" 1.2.3.4"_s, u"s"_s, u"r"_s, u"t"_s},
        {u"1.2.3.4"_s, u"s"_s, u"r"_s, u"t\t"_s},
        st,
    };
    EXPECT_EQ(community::parseRecommendations(testsupport::servedPage(community::recommendationsPayload(records))),
              (std::vector<RecommendationRecord>{zhaoshang, st}));
}

struct ReadCase {
    const char* name;
    QString page;
    std::vector<RecommendationRecord> expected;
};

class RecommendationsReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RecommendationsReadTest, CutsEachRecord)
{
    EXPECT_EQ(community::parseRecommendations(GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RecommendationsReadTest,
    ::testing::Values(
        ReadCase{"RecordTrimmedFieldsNot", testsupport::servedPage(u"$a0\r\n 1.2.3.4 $a1 s $a2 r $a3 t \r\n$a4"_s),
                 {{u"1.2.3.4 "_s, u" s "_s, u" r "_s, u" t"_s}}},
        ReadCase{"NothingBeforeTheMarker", u"$a0a$a1b$a2c$a3d$a4<body text=\"#000000\">$a0e$a1f$a2g$a3h$a4"_s,
                 {{u"e"_s, u"f"_s, u"g"_s, u"h"_s}}},
        ReadCase{"NoMarkerNoRecords", u"<body>$a0e$a1f$a2g$a3h$a4</body>"_s, {}},
        ReadCase{"ALaterStartWins", testsupport::servedPage(u"$a0old$a0e$a1f$a2g$a3h$a4"_s), {{u"e"_s, u"f"_s, u"g"_s, u"h"_s}}},
        ReadCase{"AnEndWithoutAStartIsIgnored", testsupport::servedPage(u"x$a1y$a2z$a3w$a4$a0e$a1f$a2g$a3h$a4$a4"_s),
                 {{u"e"_s, u"f"_s, u"g"_s, u"h"_s}}},
        ReadCase{"ARecordLackingAMarkIsSkipped", testsupport::servedPage(u"$a0e$a1f$a2g h$a4$a0i$a1j$a2k$a3l$a4"_s),
                 {{u"i"_s, u"j"_s, u"k"_s, u"l"_s}}}),
    testsupport::CaseName());

struct PaddingCase {
    const char* name;
    QString ip;
    QString stock;
    QString storedIp;
    QString storedStock;
};

class RecommendationPaddingTest : public ::testing::TestWithParam<PaddingCase> {};

TEST_P(RecommendationPaddingTest, StoresTheColumnsPadded)
{
    EXPECT_EQ(RecommendationList::storedIp(GetParam().ip), GetParam().storedIp);
    EXPECT_EQ(RecommendationList::storedStock(GetParam().stock), GetParam().storedStock);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RecommendationPaddingTest,
    ::testing::Values(
        // 招商银行(600036): four characters of two bytes and eight of one, exactly 16 bytes.
        PaddingCase{"SixteenBytes", u"123.123.123.1"_s, u"招商银行(600036)"_s, u"123.123.123.1   "_s, u"招商银行(600036)"_s},
        PaddingCase{"Star", u"1.2.3.4"_s, u"*ST海润(600401)"_s, u"1.2.3.4         "_s, u"*ST海润(600401) "_s},
        PaddingCase{"Other", u"255.255.255.255"_s, u"万科A(000002)"_s, u"255.255.255.255 "_s, u"万科A(000002)  "_s},
        PaddingCase{"LongAddress", u"2001:db8::1:2:3:4"_s, QString(), u"2001:db8::1:2:3:4"_s, u"  "_s}),
    testsupport::CaseName());

TEST(RecommendationListTest, TheFirstLoadKeepsPageOrderAndLaterNewRecordsComeFirst)
{
    const RecommendationRecord a{u"1.1.1.1"_s, u"a"_s, u"ra"_s, u"ta"_s};
    const RecommendationRecord b{u"2.2.2.2"_s, u"b"_s, u"rb"_s, u"tb"_s};
    const RecommendationRecord c{u"3.3.3.3"_s, u"c"_s, u"rc"_s, u"tc"_s};
    const RecommendationRecord d{u"4.4.4.4"_s, u"d"_s, u"rd"_s, u"td"_s};
    RecommendationList list;
    EXPECT_FALSE(list.loaded());
    EXPECT_EQ(list.merge({a, b, a}), 2);
    EXPECT_TRUE(list.loaded());
    EXPECT_EQ(list.merge({a, b}), 0) << "the same reply again adds nothing";
    EXPECT_EQ(list.merge({c, d, a}), 2);
    EXPECT_EQ(list.reasons(), (QStringList{u"rd"_s, u"rc"_s, u"ra"_s, u"rb"_s}));
    EXPECT_EQ(list.ips().front(), u"4.4.4.4         "_s);
    EXPECT_EQ(list.stocks().front(), u"d  "_s);
    EXPECT_EQ(list.times(), (QStringList{u"td"_s, u"tc"_s, u"ta"_s, u"tb"_s}));
    EXPECT_EQ(list.size(), 4);
}

TEST(RecommendationListTest, AnEmptyFirstLoadStillCountsAsLoaded)
{
    RecommendationList list;
    EXPECT_EQ(list.merge({}), 0);
    const RecommendationRecord a{u"1.1.1.1"_s, u"a"_s, u"ra"_s, u"ta"_s};
    const RecommendationRecord b{u"2.2.2.2"_s, u"b"_s, u"rb"_s, u"tb"_s};
    list.merge({a, b});
    EXPECT_EQ(list.reasons(), (QStringList{u"rb"_s, u"ra"_s}));
}

} // namespace
