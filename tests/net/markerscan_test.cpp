#include "net/markerscan.h"
#include "net/markerwalk.h"

#include "referencescan.h"
#include "support/namedcase.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <random>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;
using net::Cut;
using net::MarkerPair;
using net::Records;
using net::ScanOptions;
using net::Trim;

struct ScanCase {
    const char* name;
    QString text;
    std::vector<MarkerPair> pairs;
    ScanOptions options;
    std::vector<Cut> expected;
};

MarkerPair pair(const char16_t* start, const char16_t* end, int gate = -1)
{
    return MarkerPair{QString::fromUtf16(start), QString::fromUtf16(end), gate};
}

const ScanCase scanCases[] = {
    {"page without the start marker gives nothing", u"<p>nothing here</b>"_s,
     {pair(u"<b>", u"</b>")}, {}, {}},
    {"start twice before the end: the value starts after the second", u"<b>old<b>new</b>"_s,
     {pair(u"<b>", u"</b>")}, {}, {{0, u"new"_s}}},
    {"an end with no start before it is ignored", u"x</b>y<b>v</b>"_s,
     {pair(u"<b>", u"</b>")}, {}, {{0, u"v"_s}}},
    {"an end cut closes the pair until its next start", u"<b>1</b>2</b><b>3</b>"_s,
     {pair(u"<b>", u"</b>")}, {}, {{0, u"1"_s}, {0, u"3"_s}}},
    {"end marker cut short at the end of the text does not match", u"<b>abc</"_s,
     {pair(u"<b>", u"</b>")}, {}, {}},
    {"trim drops codes 0 to 32 only", u"[ \t\r\n\u0001a b\u3000\u0000]"_s,
     {pair(u"[", u"]")}, {.trim = Trim::Yes}, {{0, u"a b\u3000"_s}}},
    {"untrimmed values are kept as cut", u"[ a ]"_s, {pair(u"[", u"]")}, {}, {{0, u" a "_s}}},
    {"first record only", u"[a][b]"_s, {pair(u"[", u"]")}, {.records = Records::First},
     {{0, u"a"_s}}},
    {"all records in text order with their pair", u"<a>1</a><b>2</b><a>3</a>"_s,
     {pair(u"<a>", u"</a>"), pair(u"<b>", u"</b>")}, {},
     {{0, u"1"_s}, {1, u"2"_s}, {0, u"3"_s}}},
    {"a gated start counts only after its gate was seen", u"<t>0</t><c>x</c><t>1</t>"_s,
     {pair(u"<c>", u"</c>"), pair(u"<t>", u"</t>", 0)}, {}, {{0, u"x"_s}, {1, u"1"_s}}},
    {"a gate pair without an end opens the rest of the page", u"[a]HEAD[b]"_s,
     {pair(u"HEAD", u""), pair(u"[", u"]", 0)}, {}, {{1, u"b"_s}}},
    {"start and end at the same position cut an empty value, never a negative length",
     u"xa<y"_s, {pair(u"a<", u"a")}, {}, {{0, QString()}}},
    {"the same marker as start and end always cuts empty values", u"|a|b|"_s,
     {pair(u"|", u"|")}, {}, {{0, QString()}, {0, QString()}, {0, QString()}}},
    {"overlapping start occurrences are each seen", u"<<<x>"_s, {pair(u"<<", u">")}, {},
     {{0, u"x"_s}}},
    {"an end inside the start marker closes the pair with an empty value", u"ab]cd]"_s,
     {pair(u"ab]", u"]")}, {}, {{0, QString()}}},
    {"one end marker closes every open pair it ends", u"<a>1<b>2|"_s,
     {pair(u"<a>", u"|"), pair(u"<b>", u"|")}, {}, {{0, u"1<b>2"_s}, {1, u"2"_s}}},
    {"a shared cut start is moved by every start", u"<c>x<t>y</c>"_s,
     {pair(u"<c>", u"</c>"), pair(u"<t>", u"</t>")}, {.sharedStart = true}, {{0, u"y"_s}}},
    {"Chinese markers and values", u"前上证指数：3000.5点后"_s, {pair(u"上证指数：", u"点")},
     {}, {{0, u"3000.5"_s}}},
    {"online count between the body marker and </body>, trimmed",
     u"<html><body text=\"#000000\">\r\n 123 \r\n</body></html>"_s,
     {pair(u"text=\"#000000\">", u"</body>")}, {.trim = Trim::Yes}, {{0, u"123"_s}}},
    {"empty markers never match", u"abc"_s, {pair(u"", u"")}, {}, {}},
};

class ScanTable : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanTable, textScan)
{
    const ScanCase& c = GetParam();
    SCOPED_TRACE(c.name);
    EXPECT_EQ(net::scan(c.text, c.pairs, c.options), c.expected);
}

// The byte scan follows the same rules: every case again over its GBK bytes.
TEST_P(ScanTable, byteScan)
{
    const ScanCase& c = GetParam();
    SCOPED_TRACE(c.name);
    auto gbk = [](const QString& s) { return QByteArray(QStringEncoder("GBK").encode(s)); };
    std::vector<net::ByteMarkerPair> pairs;
    for (const MarkerPair& p : c.pairs)
        pairs.push_back({gbk(p.start), gbk(p.end), p.gate});
    std::vector<net::ByteCut> expected;
    for (const Cut& cut : c.expected)
        expected.push_back({cut.pair, gbk(cut.value)});
    EXPECT_EQ(net::scan(QByteArrayView(gbk(c.text)), pairs, c.options), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScanTable, ::testing::ValuesIn(scanCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CutHelpers, onePairOneLiners)
{
    const QString page = u"<td> 1 </td><td>2</td>"_s;
    EXPECT_EQ(net::cutAll(page, u"<td>", u"</td>", Trim::Yes), QStringList({"1", "2"}));
    EXPECT_EQ(net::cutFirst(page, u"<td>", u"</td>"), std::optional<QString>(u" 1 "_s));
    EXPECT_EQ(net::cutFirst(page, u"<th>", u"</th>"), std::nullopt);
    const QByteArray bytes = "<p>x</p><p>y</p>";
    EXPECT_EQ(net::cutAll(bytes, "<p>", "</p>"), QList<QByteArray>({"x", "y"}));
    EXPECT_EQ(net::cutFirst(bytes, "<p>", "</p>"), std::optional<QByteArray>("x"));
}

TEST(CutHelpers, handlerCanEndTheScan)
{
    const MarkerPair pairs[] = {pair(u"[", u"]")};
    QStringList seen;
    net::scan(u"[a][b][c]", pairs, {}, [&](int, QStringView value) {
        seen.append(value.toString());
        return value != u"b";
    });
    EXPECT_EQ(seen, QStringList({"a", "b"}));
}

TEST(CutHelpers, aGateMustNameAnotherPair)
{
    for (int gate : {0, 2, -5}) {
        const MarkerPair pairs[] = {pair(u"[", u"]", gate), pair(u"<", u">")};
        EXPECT_THROW(net::scan(u"[a]", pairs), std::invalid_argument) << gate;
    }
}

// --- the fast scans against the literal reference, over generated inputs -----------------

// A small alphabet, so markers collide and overlap all the time; 上 and š share a skip-table
// hash with ASCII letters, which must not hide an occurrence.
const char16_t alphabet[] = u"ab</>\n 上š";
const char16_t markerAlphabet[] = u"ab</上";

QString randomText(std::mt19937& random, const char16_t* letters, int maxLength)
{
    const int size = int(std::char_traits<char16_t>::length(letters));
    const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(letters[std::uniform_int_distribution<int>(0, size - 1)(random)]);
    return text;
}

QString randomMarker(std::mt19937& random)
{
    QString marker;
    while (marker.isEmpty())
        marker = randomText(random, markerAlphabet, 4);
    return marker;
}

std::vector<MarkerPair> randomPairs(std::mt19937& random)
{
    const int count = std::uniform_int_distribution<int>(1, 3)(random);
    std::vector<MarkerPair> pairs;
    for (int i = 0; i < count; ++i) {
        int gate = -1;
        if (count > 1 && random() % 3 == 0) {
            gate = int(random() % unsigned(count - 1));
            gate += gate >= i ? 1 : 0;
        }
        pairs.push_back({randomMarker(random), randomMarker(random), gate});
    }
    return pairs;
}

ScanOptions randomOptions(std::mt19937& random)
{
    return ScanOptions{random() % 2 ? Trim::Yes : Trim::No,
                       random() % 4 == 0 ? Records::First : Records::All, random() % 3 == 0};
}

TEST(ScanEquivalence, walkFindsExactlyTheHitsOfTestingEveryPosition)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        // Longer texts now and then, so whole vector registers and their tails are searched.
        const QString text = randomText(random, alphabet, round % 4 ? 60 : 300);
        std::vector<QString> owned;
        for (int i = 0, n = 1 + int(random() % 5); i < n; ++i)
            owned.push_back(randomMarker(random));
        const std::vector<QStringView> markers(owned.begin(), owned.end());
        net::MarkerWalk walk(text, markers);
        std::vector<reference::Hit> found;
        for (net::MarkerWalk::Hit hit; walk.next(hit);)
            found.push_back({hit.position, hit.marker});
        ASSERT_EQ(found, reference::hits(QStringView(text), markers)) << text.toStdString();
    }
}

// Markers switched on and off between hits: the walk reports exactly the hits of testing every
// position whose marker is on when the scan reaches them.
TEST(ScanEquivalence, walkWithMarkersSwitchedOnAndOff)
{
    std::mt19937 random(99);
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, alphabet, round % 4 ? 60 : 300);
        std::vector<QString> owned;
        for (int i = 0, n = 1 + int(random() % 5); i < n; ++i)
            owned.push_back(random() % 3 ? randomMarker(random)
                                         : (owned.empty() ? randomMarker(random) : owned.back()));
        const std::vector<QStringView> markers(owned.begin(), owned.end());
        const int count = int(markers.size());
        std::vector<bool> enabled(std::size_t(count), true);
        net::MarkerWalk walk(text, markers);
        const unsigned toggleSeed = random();
        auto toggle = [count](std::mt19937& toggles, auto&& apply) {
            for (int i = 0; i < count; ++i)
                if (toggles() % 4 == 0)
                    apply(i);
        };
        std::mt19937 walkToggles(toggleSeed);
        std::mt19937 referenceToggles(toggleSeed);
        toggle(walkToggles, [&](int i) { walk.setEnabled(i, !walk.isEnabled(i)); });
        toggle(referenceToggles, [&](int i) { enabled[std::size_t(i)] = !enabled[std::size_t(i)]; });

        std::vector<reference::Hit> expected;
        for (const reference::Hit& hit : reference::hits(QStringView(text), markers)) {
            if (!enabled[std::size_t(hit.marker)])
                continue;
            expected.push_back(hit);
            toggle(referenceToggles,
                   [&](int i) { enabled[std::size_t(i)] = !enabled[std::size_t(i)]; });
        }
        std::vector<reference::Hit> found;
        for (net::MarkerWalk::Hit hit; walk.next(hit);) {
            found.push_back({hit.position, hit.marker});
            toggle(walkToggles, [&](int i) { walk.setEnabled(i, !walk.isEnabled(i)); });
        }
        ASSERT_EQ(found, expected) << "round " << round << " text " << text.toStdString();
    }
}

TEST(ScanEquivalence, textScanMatchesTheReference)
{
    std::mt19937 random(7);
    for (int round = 0; round < 30000; ++round) {
        const QString text = randomText(random, alphabet, round % 4 ? 80 : 300);
        const std::vector<MarkerPair> pairs = randomPairs(random);
        const ScanOptions options = randomOptions(random);
        std::vector<std::pair<int, QString>> fast;
        for (const Cut& cut : net::scan(text, pairs, options))
            fast.emplace_back(cut.pair, cut.value);
        const auto expected =
            reference::scan<QStringView, MarkerPair, QString>(text, pairs, options);
        ASSERT_EQ(fast, expected) << "round " << round << " text " << text.toStdString();
    }
}

TEST(ScanEquivalence, byteScanMatchesTheReference)
{
    std::mt19937 random(11);
    for (int round = 0; round < 30000; ++round) {
        const QByteArray text =
            randomText(random, u"ab</> \n\x01", round % 4 ? 80 : 300).toLatin1();
        std::vector<net::ByteMarkerPair> pairs;
        for (const MarkerPair& p : randomPairs(random))
            pairs.push_back({p.start.toUtf8(), p.end.toUtf8(), p.gate});
        const ScanOptions options = randomOptions(random);
        std::vector<std::pair<int, QByteArray>> fast;
        for (const net::ByteCut& cut : net::scan(QByteArrayView(text), pairs, options))
            fast.emplace_back(cut.pair, cut.value);
        const auto expected = reference::scan<QByteArrayView, net::ByteMarkerPair, QByteArray>(
            text, pairs, options);
        ASSERT_EQ(fast, expected) << "round " << round << " text " << text.toStdString();
    }
}

} // namespace
