// The channel list's address scrambling against the client's descrambling rule.
#include "server/servicetestkit.h"
#include "service/channellist.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using service::ChannelList;

struct AddressCase {
    const char* label;
    QString address;
};

std::ostream& operator<<(std::ostream& out, const AddressCase& c)
{
    return out << c.label;
}

class ScrambleTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ScrambleTest, TheClientGetsTheAddressBack)
{
    const QString sent = ChannelList::scramble(GetParam().address);
    EXPECT_EQ(servertest::clientDescramble(sent), GetParam().address);
    if (GetParam().address.size() >= 18) {
        EXPECT_NE(sent.left(18), GetParam().address.left(18)) << "long addresses are not sent plain";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrambleTest,
    ::testing::Values(AddressCase{"17 characters go plain", QStringLiteral("http://a.b/c/d/ef")},
                      AddressCase{"exactly 18", QStringLiteral("http://a.b/c/d/efg")},
                      AddressCase{"30 characters", QStringLiteral("http://127.0.0.1:8856/tv/news1")},
                      AddressCase{"empty", QString()}));

TEST(ChannelListTest, ARecordThatWouldCarryAMarkIsLeftOut)
{
    const std::vector<service::ChannelEntry> channels = {
        {QStringLiteral("好"), QStringLiteral("{base}/tv/a"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")},
        // "'2" scrambles to "&1", a field mark.
        {QStringLiteral("坏"), QStringLiteral("http://host.test/'2x/more"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")},
        {QStringLiteral("坏&3"), QString(), QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("0")},
    };
    const QString payload = ChannelList::payload(channels, QStringLiteral("http://127.0.0.1:8856"));
    EXPECT_EQ(payload.count(QStringLiteral("***")), 1);
    EXPECT_TRUE(payload.startsWith(QStringLiteral("好&1")));
}

} // namespace
