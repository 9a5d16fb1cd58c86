// The channel list: the service's writer with its scrambling and the client's reader with its
// descrambling, through the service envelope as GBK bytes.
#include "net/pagetext.h"
#include "support/namedcase.h"
#include "support/servedpage.h"
#include "video/channellist.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using testsupport::PrintTo;
using video::ChannelRecord;
using video::ChannelRecords;

ChannelRecords recordsOf(const std::vector<ChannelRecord>& list)
{
    ChannelRecords records;
    for (const ChannelRecord& record : list)
        records.append(record);
    return records;
}

const ChannelRecord news{u"新闻"_s, QString(), u"0"_s, u"1"_s, u"0"_s};
const ChannelRecord cctv{u"央视新闻"_s, u"http://127.0.0.1:8856/tv/cctv-news"_s, u"1"_s, u"11"_s, u"0"_s};

struct DescrambleCase {
    const char* name;
    QString field;
    QString address;
};

class JiemiTest : public ::testing::TestWithParam<DescrambleCase> {};

TEST_P(JiemiTest, RaisesTheFirstEighteenAndKeepsTheRest)
{
    EXPECT_EQ(video::jiemi(GetParam().field), GetParam().address);
    EXPECT_EQ(video::scramble(GetParam().address), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JiemiTest,
    ::testing::Values(DescrambleCase{"Seventeen", u"abcdefghijklmnopq"_s, u"abcdefghijklmnopq"_s},
                      DescrambleCase{"Eighteen", u"abcdefghijklmnopqr"_s, u"bcdefghijklmnopqrs"_s},
                      DescrambleCase{"Thirty", u"abcdefghijklmnopqrXYZ012345678"_s, u"bcdefghijklmnopqrsXYZ012345678"_s},
                      DescrambleCase{"StreamAddress", u"gsso9..016-/-/-097856/tv/news"_s, u"http://127.0.0.1:8856/tv/news"_s},
                      DescrambleCase{"Empty", QString(), QString()}),
    testsupport::CaseName());

TEST(ChannelListRoundTripTest, EveryWritableRecordComesBackInOrder)
{
    const std::vector<ChannelRecord> list = {
        news,
        cctv,
        {u"短址"_s, u"http://a.b/c/d/ef"_s, u"1"_s, u"11"_s, u"0"_s},                   // 17: sent plain
        {u"财经频道 * 直播"_s, u"http://127.0.0.1:8856/tv/finance"_s, u"1"_s, u"12"_s, u"0"_s},
        {u"分组"_s, QString(), u"1"_s, u"13"_s, u"0"_s},
        {u"分组一"_s, u"http://127.0.0.1:8856/tv/a?x=1&y=2"_s, u"1"_s, u"13"_s, u"1"_s}, // "&" after the 18th
        {u"空级"_s, u"http://127.0.0.1:8856/tv/b"_s, QString(), QString(), QString()},
    };
    EXPECT_EQ(video::parseChannelList(testsupport::servedPage(video::channelListPayload(list))), recordsOf(list));
}

TEST(ChannelListRoundTripTest, TenThousandRecords)
{
    std::vector<ChannelRecord> list;
    for (int i = 0; i < 10000; ++i)
        list.push_back({u"频道%1"_s.arg(i), u"http://127.0.0.1:8856/tv/%1"_s.arg(i), QString::number(i % 7 + 1),
                        QString::number(i % 13), QString::number(i % 2)});
    EXPECT_EQ(video::parseChannelList(testsupport::servedPage(video::channelListPayload(list))), recordsOf(list));
}

TEST(ChannelListRoundTripTest, ARecordTheReaderWouldChangeIsLeftOutAndTheOthersStay)
{
    const std::vector<ChannelRecord> list = {
        news,
        // The 18th character "'" is sent as "&", which makes "&2" with the 19th.
        {u"坏"_s, u"http://host.test/'2x/more"_s, u"1"_s, u"2"_s, u"0"_s},
        {u"坏&3"_s, QString(), u"0"_s, u"3"_s, u"0"_s},
        {u"坏"_s, QString(), u"0"_s, u"3"_s, u"0*"_s}, // its last "*" would join the record end
        {u"坏"_s, QString(), u"0"_s, u"3"_s, u"***"_s},
        {u" 坏"_s, QString(), u"0"_s, u"3"_s, u"0"_s},
        {u"坏"_s, u"http://host.test/x</body>"_s, u"0"_s, u"3"_s, u"0"_s},
        cctv,
    };
    EXPECT_FALSE(video::fitsChannelList(list[1]));
    EXPECT_TRUE(video::fitsChannelList(cctv));
    EXPECT_EQ(video::parseChannelList(testsupport::servedPage(video::channelListPayload(list))), recordsOf({news, cctv}));
}

struct ReadCase {
    const char* name;
    QString page;
    std::vector<ChannelRecord> expected;
};

class ChannelListReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ChannelListReadTest, CutsEachRecord)
{
    EXPECT_EQ(video::parseChannelList(GetParam().page), recordsOf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ChannelListReadTest,
    ::testing::Values(
        ReadCase{"RecordsTrimmedLevelRunsToTheEnd", testsupport::servedPage(u"\r\n 新闻&1&20&37&4任意 ***\r\n"_s),
                 {{u"新闻"_s, QString(), u"0"_s, u"7"_s, u"任意"_s}}},
        ReadCase{"TextAfterTheLastEndIsNoRecord", testsupport::servedPage(u"新闻&1&20&31&40***尾&1&20&32&40"_s),
                 {{u"新闻"_s, QString(), u"0"_s, u"1"_s, u"0"_s}}},
        ReadCase{"ARecordLackingAMarkIsSkipped", testsupport::servedPage(u"缺&1&20&31 0***新闻&1&20&31&40***"_s),
                 {{u"新闻"_s, QString(), u"0"_s, u"1"_s, u"0"_s}}},
        ReadCase{"AddressesAreDescrambled", testsupport::servedPage(u"台&1gsso9..016-/-/-097856/tv/news&21&311&40***"_s),
                 {{u"台"_s, u"http://127.0.0.1:8856/tv/news"_s, u"1"_s, u"11"_s, u"0"_s}}},
        ReadCase{"NoMarker", u"<body>新闻&1&20&31&40***</body>"_s, {}},
        ReadCase{"NothingAfterTheBodyEnd", testsupport::servedPage(u"新闻&1&20&31&40***"_s) + u"后&1&20&31&40***"_s,
                 {{u"新闻"_s, QString(), u"0"_s, u"1"_s, u"0"_s}}}),
    testsupport::CaseName());

} // namespace
