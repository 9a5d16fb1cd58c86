#include "net/pagetext.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;
using net::Encoding;

struct GoodCase {
    const char* name;
    QByteArray bytes;
    Encoding encoding;
    QString text;
};

class ValidPages : public ::testing::TestWithParam<GoodCase> {};

TEST_P(ValidPages, decode)
{
    EXPECT_EQ(net::decodePage(GetParam().bytes, GetParam().encoding), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidPages,
    ::testing::Values(
        GoodCase{"GBK Chinese", "\xd5\xd0\xc9\xcc\xd2\xf8\xd0\xd0,35.1", Encoding::Gbk,
                 u"招商银行,35.1"_s},
        GoodCase{"GBK euro sign of code page 936", "\x80", Encoding::Gbk, u"€"_s},
        GoodCase{"empty reply", "", Encoding::Gbk, u""_s},
        GoodCase{"UTF-8 Chinese", "\xe4\xb8\x8a\xe8\xaf\x81\xe6\x8c\x87\xe6\x95\xb0",
                 Encoding::Utf8, u"上证指数"_s},
        // Characters outside GBK survive: UTF-8 is decoded straight to wide text.
        GoodCase{"UTF-8 outside GBK", "\xe2\x82\xa9\xf0\x9f\x98\x80\xea\xb0\x80", Encoding::Utf8,
                 u"₩😀가"_s},
        GoodCase{"UTF-8 byte order mark dropped", "\xef\xbb\xbf" "a", Encoding::Utf8, u"a"_s},
        GoodCase{"NUL bytes are text", QByteArray("a\0b", 3), Encoding::Gbk,
                 QString(u"a\0b"_s)}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(DecodePage, invalidBytesThrowDecodeError)
{
    const std::pair<QByteArray, Encoding> bad[] = {
        {"\x81\x30\x81\x30", Encoding::Gbk}, {"\xc4", Encoding::Gbk},
        {"\xff\xfe\xfd", Encoding::Utf8},    {"\xed\xa0\x80", Encoding::Utf8},
    };
    for (const auto& [bytes, encoding] : bad)
        EXPECT_THROW(net::decodePage(bytes, encoding), net::DecodeError) << bytes.toHex().data();
}

} // namespace
