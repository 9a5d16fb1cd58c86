#include "net/serviceenvelope.h"

#include "referencescan.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;

QString page(const QString& payload)
{
    return u"<html><head><title>gp</title></head><body bgcolor=\"#FFFFFF\" text=\"#000000\">"_s
        + payload + u"</body></html>"_s;
}

struct PayloadCase {
    const char* name;
    QString page;
    std::optional<QString> payload;
};

const PayloadCase payloadCases[] = {
    {"payload up to </body>", page(u" 17 "_s), u" 17 "_s},
    {"no marker, no payload", u"<html><body>17</body></html>"_s, std::nullopt},
    {"without </body> the payload runs to the end", u"<body text=\"#000000\">17"_s, u"17"_s},
    {"a second marker before </body> replaces the first",
     u"<body text=\"#000000\">old<p text=\"#000000\">new</body>"_s, u"new"_s},
    {"a </body> before the marker is ignored", u"</body><body text=\"#000000\">9</body>"_s,
     u"9"_s},
    {"only the first </body> after the marker ends it",
     u"<body text=\"#000000\">1</body>2</body>"_s, u"1"_s},
};

class PayloadTable : public ::testing::TestWithParam<PayloadCase> {};

TEST_P(PayloadTable, payloadOfTheEnvelope)
{
    EXPECT_EQ(net::envelopePayload(GetParam().page), GetParam().payload);
}

INSTANTIATE_TEST_SUITE_P(Cases, PayloadTable, ::testing::ValuesIn(payloadCases));

// The status reply: segments ended by "&2", trimmed; empty ones do not count.
struct SegmentsCase {
    const char* name;
    QString page;
    QStringList segments;
};

const SegmentsCase segmentsCases[] = {
    {"two segments", page(u"2::http://example.test/start&2 8::http://example.test/notice &2"_s),
     {u"2::http://example.test/start"_s, u"8::http://example.test/notice"_s}},
    {"one segment", page(u"2::http://example.test/start&2"_s), {u"2::http://example.test/start"_s}},
    {"no marker, no segments", u"<html><body>2::x&28::y&2</body></html>"_s, {}},
    {"text after the last mark is not a segment", page(u"2::a&28::b"_s), {u"2::a"_s}},
    {"empty and blank segments do not count", page(u"&2&2 \r\n&22::a&2&28::b&2"_s),
     {u"2::a"_s, u"8::b"_s}},
    {"a later marker moves the segment start, segments already cut stay",
     u"<body text=\"#000000\">1::a&2<p text=\"#000000\">junk&2"_s + page(u"8::b&2"_s),
     {u"1::a"_s, u"junk"_s, u"8::b"_s}},
    {"marks after </body> are not read", page(u"2::a&2"_s) + u"8::b&2"_s, {u"2::a"_s}},
};

class SegmentsTable : public ::testing::TestWithParam<SegmentsCase> {};

TEST_P(SegmentsTable, statusSegments)
{
    EXPECT_EQ(net::envelopeSegments(GetParam().page, u"&2"), GetParam().segments);
}

INSTANTIATE_TEST_SUITE_P(Cases, SegmentsTable, ::testing::ValuesIn(segmentsCases));

TEST(EnvelopePieces, digestFieldsCarryTheirMark)
{
    const QString marks[] = {u"&1"_s, u"&2"_s, u"&3"_s, u"&4"_s};
    const auto pieces =
        net::envelopePieces(page(u" 全文 &1标题&2x&3y&4 tail"_s), marks, u"#000000\">");
    const std::vector<net::MarkedPiece> expected{
        {0, u" 全文 "_s}, {1, u"标题"_s}, {2, u"x"_s}, {3, u"y"_s}};
    EXPECT_EQ(pieces, expected);
}

TEST(EnvelopePieces, channelRecordsThenTheirFields)
{
    const QString recordMark[] = {u"***"_s};
    const auto records = net::envelopePieces(page(u"a&1b&2c&3d&4***e&1f&2g&3h&4***left"_s),
                                             recordMark);
    ASSERT_EQ(records.size(), 2u);
    const QString fieldMarks[] = {u"&1"_s, u"&2"_s, u"&3"_s, u"&4"_s};
    const auto fields = net::splitAtMarks(records[1].text, fieldMarks);
    const std::vector<net::MarkedPiece> expected{
        {0, u"e"_s}, {1, u"f"_s}, {2, u"g"_s}, {3, u"h"_s}};
    EXPECT_EQ(fields, expected);
}

TEST(EnvelopePieces, matchesTheReference)
{
    std::mt19937 random(5);
    const char16_t letters[] = u"&12*#>/<body";
    const int letterCount = int(std::char_traits<char16_t>::length(letters));
    auto draw = [&](int maxLength) {
        QString s;
        for (int i = std::uniform_int_distribution<int>(0, maxLength)(random); i > 0; --i)
            s += QChar(letters[random() % unsigned(letterCount)]);
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        QString text = draw(40);
        // Now and then a real envelope marker or end, so both paths are walked.
        if (random() % 2)
            text.insert(int(random() % unsigned(text.size() + 1)), u"#>"_s);
        if (random() % 2)
            text.insert(int(random() % unsigned(text.size() + 1)), net::envelopeEnd);
        std::vector<QString> marks;
        for (int i = 0, n = 1 + int(random() % 3); i < n; ++i) {
            QString mark;
            while (mark.isEmpty())
                mark = draw(2);
            marks.push_back(mark);
        }
        ASSERT_EQ(net::envelopePieces(text, marks, u"#>"),
                  reference::envelopePieces(text, marks, u"#>"))
            << text.toStdString();
    }
}

} // namespace
