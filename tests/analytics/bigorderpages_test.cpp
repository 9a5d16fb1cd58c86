// The big-order site's three pages: their addresses by market and what each reader cuts out of
// the page as the site sends it.
#include "analytics/bigorderpages.h"
#include "fixturepage.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using analytics::BigOrderPage;
using analyticstest::fixturePage;
using testsupport::PrintTo;

struct AddressCase {
    const char* name;
    QString code;
    BigOrderPage page;
    QString address;
};

class BigOrderPageAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(BigOrderPageAddressTest, TheMarketFollowsTheFirstDigit)
{
    const AddressCase& c = GetParam();
    EXPECT_EQ(analytics::bigOrderPageAddress(u"http://dd.example"_s, c.code, c.page), c.address);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BigOrderPageAddressTest,
    ::testing::Values(
        AddressCase{"ShanghaiBar", u"600000"_s, BigOrderPage::SingleBar,
                    u"http://dd.example/stock/sh/600000/single-bar.htm"_s},
        AddressCase{"ShenzhenDay", u"000001"_s, BigOrderPage::SingleBarDay,
                    u"http://dd.example/stock/sz/000001/single-barDay.htm"_s},
        AddressCase{"GrowthBoardPie", u"300750"_s, BigOrderPage::SinglePie,
                    u"http://dd.example/stock/sz/300750/single-pie.htm"_s}),
    testsupport::CaseName());

TEST(SingleBarReadTest, BuyAndSellPerHalfHour)
{
    const analytics::SingleBarRead read = analytics::readSingleBar(fixturePage(u"bigorder/single-bar.htm"_s));
    EXPECT_FALSE(read.noDataYet);
    EXPECT_EQ(read.buy, (QStringList{u"100"_s, u"50"_s}));
    EXPECT_EQ(read.sell, (QStringList{u"20"_s, u"80"_s}));
}

TEST(SingleBarReadTest, AnEmptyValueAnywhereMeansNoDataYet)
{
    for (const QString& page : {fixturePage(u"bigorder/single-bar-nodata.htm"_s),
                                u"values=1,2&values_2=3,4&tip=values=&"_s}) {
        const analytics::SingleBarRead read = analytics::readSingleBar(page);
        EXPECT_TRUE(read.noDataYet);
        EXPECT_TRUE(read.buy.isEmpty() && read.sell.isEmpty());
    }
}

TEST(SingleBarReadTest, APageWithoutParametersGivesEmptyListsWithData)
{
    const analytics::SingleBarRead read = analytics::readSingleBar(u"<p>404 页面不存在</p>"_s);
    EXPECT_FALSE(read.noDataYet);
    EXPECT_TRUE(read.buy.isEmpty() && read.sell.isEmpty());
}

TEST(SingleBarDayReadTest, TenDaysWithTheirLabels)
{
    const analytics::SingleBarDayRead read =
        analytics::readSingleBarDay(fixturePage(u"bigorder/single-barDay.htm"_s));
    ASSERT_EQ(read.buy.size(), 10);
    EXPECT_EQ(read.buy[3], u"12345"_s);
    EXPECT_EQ(read.sell.size(), 10);
    EXPECT_EQ(read.labels.first(), u"4月25日"_s);
    EXPECT_EQ(read.labels.last(), u"5月13日"_s);
}

TEST(SingleBarDayReadTest, AnEmptyValueIsNoStopSignOnTheDailyPage)
{
    const analytics::SingleBarDayRead read = analytics::readSingleBarDay(u"values=&values_2=&x_labels=&"_s);
    EXPECT_EQ(read.buy, QStringList{QString()});
    EXPECT_EQ(read.labels, QStringList{QString()});
}

TEST(SinglePieReadTest, TheFirstValuesOnlyAndEveryColourList)
{
    const analytics::SinglePieRead read = analytics::readSinglePie(fixturePage(u"bigorder/single-pie.htm"_s));
    EXPECT_EQ(read.values, (QStringList{u"12"_s, u"8"_s, u"30"_s, u"10"_s, u"15"_s, u"5"_s, u"12"_s, u"8"_s}));
    EXPECT_EQ(read.colours.size(), 8);
    EXPECT_EQ(read.colours.first(), u"#FF6666"_s);
    EXPECT_EQ(read.colours.last(), u"#336600"_s);

    const analytics::SinglePieRead twice = analytics::readSinglePie(u"colours=#FF6666&colours=#336600&"_s);
    EXPECT_TRUE(twice.values.isEmpty());
    EXPECT_EQ(twice.colours, (QStringList{u"#FF6666"_s, u"#336600"_s}));
}

} // namespace
