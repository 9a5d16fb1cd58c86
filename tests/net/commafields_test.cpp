#include "net/commafields.h"
#include "net/market.h"

#include "referencescan.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;

struct FieldsCase {
    const char* name;
    QString text;
    QStringList fields;
};

const FieldsCase fieldsCases[] = {
    {"empty reply has no fields", u""_s, {}},
    {"text without a comma has no complete field", u"var x=\"\""_s, {}},
    {"field 1 holds the wrapper text",
     u"var hq=\"1,600036,招商银行,35.10,"_s, {u"var hq=\"1"_s, u"600036"_s, u"招商银行"_s, u"35.10"_s}},
    {"text after the last comma is not a field", u"a,b,c"_s, {u"a"_s, u"b"_s}},
    {"empty fields count", u",,x,"_s, {u""_s, u""_s, u"x"_s}},
};

class FieldsTable : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(FieldsTable, fieldsEndedByCommas)
{
    SCOPED_TRACE(GetParam().name);
    EXPECT_EQ(net::commaFields(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldsTable, ::testing::ValuesIn(fieldsCases));

// A record with fewer commas than a field number: that field and every later one is missing.
TEST(CommaFields, shortRecordLeavesTheLaterFieldsUnset)
{
    // Field 3 needs a third comma: the name after the last one is no field.
    EXPECT_EQ(net::commaFields(u"x,600036,招商银行"_s), (QStringList{u"x"_s, u"600036"_s}));
    EXPECT_EQ(net::commaFields(u"x,600036,招商银行,"_s), (QStringList{u"x"_s, u"600036"_s, u"招商银行"_s}));
}

TEST(CommaFieldsAfter, eachNameStartsARecordCountedAfresh)
{
    const std::vector<QString> names{u"上证指数"_s, u"深证成指"_s};
    const auto records = net::commaFieldsAfter(
        u"head,1,2,上证指数,3000.1,-12.3,-0.4%,1234567.89,x,深证成指,10000,5,0.1%,99"_s, names);
    const std::vector<net::FieldRecord> expected{
        {0, {u"上证指数"_s, u"3000.1"_s, u"-12.3"_s, u"-0.4%"_s, u"1234567.89"_s, u"x"_s}},
        {1, {u"深证成指"_s, u"10000"_s, u"5"_s, u"0.1%"_s}},
    };
    EXPECT_EQ(records, expected);
    EXPECT_TRUE(net::commaFieldsAfter(u"a,b,c"_s, names).empty());
}

TEST(CommaFieldsAfter, matchesTheReference)
{
    std::mt19937 random(3);
    const char16_t letters[] = u"ab,上指";
    for (int round = 0; round < 20000; ++round) {
        auto draw = [&](int maxLength) {
            QString s;
            for (int i = std::uniform_int_distribution<int>(0, maxLength)(random); i > 0; --i)
                s += QChar(letters[random() % 5]);
            return s;
        };
        const QString text = draw(50);
        std::vector<QString> names;
        for (int i = 0, n = 1 + int(random() % 3); i < n; ++i) {
            QString name;
            while (name.isEmpty())
                name = draw(3);
            names.push_back(name);
        }
        ASSERT_EQ(net::commaFieldsAfter(text, names), reference::fieldsAfter(text, names))
            << text.toStdString();
    }
}

struct LinesCase {
    const char* name;
    QString text;
    QStringList lines;
};

const LinesCase linesCases[] = {
    {"lines end at line feeds", u"a\nb\n"_s, {u"a"_s, u"b"_s}},
    {"a carriage return before the line feed is dropped", u"a,1\r\nb,2\r\n"_s,
     {u"a,1"_s, u"b,2"_s}},
    {"a carriage return elsewhere stays", u"a\rb\n"_s, {u"a\rb"_s}},
    {"text after the last line feed is not a line", u"a\nrest"_s, {u"a"_s}},
    {"empty lines count", u"\n\n"_s, {u""_s, u""_s}},
    {"no line feed, no line", u"abc"_s, {}},
};

class LinesTable : public ::testing::TestWithParam<LinesCase> {};

TEST_P(LinesTable, splitAtLineFeeds)
{
    SCOPED_TRACE(GetParam().name);
    EXPECT_EQ(net::lines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinesTable, ::testing::ValuesIn(linesCases));

TEST(CommaLines, holdingsLinesSplitIntoSixFieldsWithTheRestInTheLast)
{
    const auto rows = net::commaLines(u"2024-6-3 0:00:00,41.5,1,2,3,58.5\r\n"
                                      u"2024-6-4 0:00:00,40,1,2,3,59,9\n"
                                      u"2024-6-5 0:00:00,39\n"_s,
                                      6);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QStringList({"2024-6-3 0:00:00", "41.5", "1", "2", "3", "58.5"}));
    EXPECT_EQ(rows[1].last(), u"59,9"_s);
    EXPECT_EQ(rows[2], QStringList({"2024-6-5 0:00:00", "39"}));
    EXPECT_EQ(net::splitAtCommas(u""_s), QStringList({""}));
    EXPECT_EQ(net::splitAtCommas(u"a,,b"_s), QStringList({"a", "", "b"}));
}

TEST(MarketPrefix, sixIsShanghaiEverythingElseShenzhen)
{
    const std::pair<QString, QString> cases[] = {
        {u"600036"_s, u"sh"_s}, {u"601398"_s, u"sh"_s}, {u"000001"_s, u"sz"_s},
        {u"300750"_s, u"sz"_s}, {u"900901"_s, u"sz"_s}, {u""_s, u"sz"_s},
    };
    for (const auto& [code, prefix] : cases)
        EXPECT_EQ(net::marketPrefix(code), prefix) << code.toStdString();
}

} // namespace
