// The digest record: the service's writer and the client's reader, through the service
// envelope as GBK bytes.
#include "info/digestrecord.h"
#include "net/pagetext.h"
#include "support/namedcase.h"
#include "support/servedpage.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using info::DigestRecord;
using testsupport::PrintTo;

// The payload as the client receives it: in the envelope, sent as GBK, decoded the client's way.
struct RoundTripCase {
    const char* name;
    DigestRecord record;
};

class DigestRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DigestRoundTripTest, TheReaderGivesBackWhatWasWritten)
{
    const auto payload = info::digestPayload(GetParam().record);
    ASSERT_TRUE(payload.has_value());
    EXPECT_EQ(info::parseDigestRecord(testsupport::servedPage(*payload)), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DigestRoundTripTest,
    ::testing::Values(
        RoundTripCase{"Chinese", {u"午间两市小幅震荡，成交温和。"_s, u"午间快评"_s, u"2024-5-10"_s, u"11:35:00"_s}},
        RoundTripCase{"EmptyFields", {u"全文"_s, QString(), QString(), u"尾"_s}},
        RoundTripCase{"NoRecord", {}},
        RoundTripCase{"InnerBlanksAndAmpersands", {u"A & B  &&0 C"_s, u"1&&5"_s, u"&"_s, u"x&"_s}}),
    testsupport::CaseName());

struct UnwritableCase {
    const char* name;
    DigestRecord record;
};

class DigestUnwritableTest : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(DigestUnwritableTest, ARecordTheReaderWouldChangeIsNotWritten)
{
    EXPECT_FALSE(info::digestPayload(GetParam().record).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Records, DigestUnwritableTest,
    ::testing::Values(UnwritableCase{"MarkInText", {u"涨&2跌"_s, u"t"_s, {}, {}}},
                      UnwritableCase{"EndMarkInTitle", {u"t"_s, u"a&4b"_s, {}, {}}},
                      UnwritableCase{"Marker", {u"x#000000\">y"_s, u"t"_s, {}, {}}},
                      UnwritableCase{"BodyEnd", {u"x</body>y"_s, u"t"_s, {}, {}}},
                      UnwritableCase{"LeadingBlank", {u" text"_s, u"t"_s, {}, {}}},
                      UnwritableCase{"TrailingLineBreak", {u"text"_s, u"t\r\n"_s, {}, {}}}),
    testsupport::CaseName());

struct ReadCase {
    const char* name;
    QString page;
    DigestRecord expected;
};

class DigestReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DigestReadTest, CutsTheFirstRecord)
{
    EXPECT_EQ(info::parseDigestRecord(GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DigestReadTest,
    ::testing::Values(
        ReadCase{"FieldsTrimmed", testsupport::servedPage(u" 正文 &1\r\n标题&2 c &3d\t&4"_s), {u"正文"_s, u"标题"_s, u"c"_s, u"d"_s}},
        ReadCase{"WithoutTheFourthMarkTheFieldsFoundStay", testsupport::servedPage(u"正文&1标题&2c"_s), {u"正文"_s, u"标题"_s, {}, {}}},
        ReadCase{"OnlyTheFirstRecord", testsupport::servedPage(u"a&1b&2c&3d&4e&1f&2g&3h&4"_s), {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        ReadCase{"MarksBeforeTheMarkerDoNotCount", u"<title>x&1y&2</title><p text=\"#000000\">a&1b&2c&3d&4"_s,
                 {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        ReadCase{"NoMarker", u"<body>a&1b&2c&3d&4</body>"_s, {}},
        ReadCase{"EmptyPayload", testsupport::servedPage(QString()), {}}),
    testsupport::CaseName());

} // namespace
