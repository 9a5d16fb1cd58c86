// Posted forms: what the client's own encoder sends is read back exactly; anything else is refused.
#include "net/httpclient.h"
#include "service/formbody.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using service::FormBody;

TEST(FormBodyTest, ReadsBackWhatTheClientPosts)
{
    const net::FormFields fields = {{QStringLiteral("sn"), QStringLiteral("13900000000")},
                                    {QStringLiteral("gpmc"), QStringLiteral("招商银行")},
                                    {QStringLiteral("tjly"), QStringLiteral(" 低估 & 高息 = 好+股 ")}};
    const auto parsed = FormBody::parse(net::HttpClient::encodeForm(fields),
                                        "application/x-www-form-urlencoded; charset=GBK");
    ASSERT_TRUE(std::holds_alternative<FormBody>(parsed));
    const FormBody& form = std::get<FormBody>(parsed);
    for (const auto& [key, value] : fields)
        EXPECT_EQ(form.value(key), value) << qPrintable(key);
}

TEST(FormBodyTest, PlusIsABlankAndAnEmptyValueIsKept)
{
    const auto parsed = FormBody::parse("a=x+y&b=", "");
    ASSERT_TRUE(std::holds_alternative<FormBody>(parsed));
    EXPECT_EQ(std::get<FormBody>(parsed).value(QStringLiteral("a")), QStringLiteral("x y"));
    EXPECT_TRUE(std::get<FormBody>(parsed).has(QStringLiteral("b")));
}

struct RefusedCase {
    const char* label;
    QByteArray body;
    QByteArray contentType;
    int status;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c)
{
    return out << c.label;
}

class FormBodyRefusalTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(FormBodyRefusalTest, RefusesTheWholeForm)
{
    const auto parsed = FormBody::parse(GetParam().body, GetParam().contentType);
    ASSERT_TRUE(std::holds_alternative<FormBody::Error>(parsed)) << GetParam().label;
    EXPECT_EQ(std::get<FormBody::Error>(parsed).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormBodyRefusalTest,
    ::testing::Values(
        RefusedCase{"lone byte 0xFF", "a=%FF", "", 400},
        RefusedCase{"lead byte without trail", "a=%D5", "", 400},
        RefusedCase{"bad trail byte", "a=%D5%20", "", 400},
        RefusedCase{"user-defined area", "a=%FE%FE", "", 400},
        RefusedCase{"raw non-GBK byte", "a=\xff", "", 400},
        RefusedCase{"bad escape", "a=%zz", "", 400},
        RefusedCase{"escape cut short", "a=%A", "", 400},
        RefusedCase{"no equals", "abc", "", 400},
        RefusedCase{"empty key", "=1", "", 400},
        RefusedCase{"duplicate key", "a=1&a=2", "", 400},
        RefusedCase{"other content type", "a=1", "multipart/form-data; boundary=x", 415},
        RefusedCase{"too big", QByteArray("a=") + QByteArray(FormBody::kMaxBytes, 'x'), "", 413}));

} // namespace
