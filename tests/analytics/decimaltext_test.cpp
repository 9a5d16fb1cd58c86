// The numbers of the pages: strict decimal integers and decimal numbers.
#include "analytics/decimaltext.h"
#include "support/namedcase.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using testsupport::PrintTo;

struct NumberCase {
    const char* name;
    QString text;
    std::optional<int> integer;
    std::optional<double> number;
};

class DecimalTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DecimalTextTest, ReadsOnlyWhatIsWholly)
{
    EXPECT_EQ(analytics::decimalInteger(GetParam().text), GetParam().integer);
    EXPECT_EQ(analytics::decimalNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalTextTest,
    ::testing::Values(NumberCase{"Integer", u"12345"_s, 12345, 12345.0},
                      NumberCase{"Negative", u"-400"_s, -400, -400.0},
                      NumberCase{"Plus", u"+7"_s, 7, 7.0},
                      NumberCase{"Fraction", u"45.2"_s, std::nullopt, 45.2},
                      NumberCase{"NoWholePart", u".5"_s, std::nullopt, 0.5},
                      NumberCase{"Exponent", u"1e3"_s, std::nullopt, 1000.0},
                      NumberCase{"Empty", QString(), std::nullopt, std::nullopt},
                      NumberCase{"SignAlone", u"-"_s, std::nullopt, std::nullopt},
                      NumberCase{"LeadingBlank", u" 12"_s, std::nullopt, std::nullopt},
                      NumberCase{"TrailingCarriageReturn", u"18.7\r"_s, std::nullopt, std::nullopt},
                      NumberCase{"Hex", u"0x10"_s, std::nullopt, std::nullopt},
                      NumberCase{"WideDigits", u"１２"_s, std::nullopt, std::nullopt},
                      NumberCase{"ThousandsSeparator", u"1,200"_s, std::nullopt, std::nullopt},
                      NumberCase{"BeyondThirtyTwoBits", u"2147483648"_s, std::nullopt, 2147483648.0},
                      NumberCase{"LowestThirtyTwoBits", u"-2147483648"_s, -2147483647 - 1, -2147483648.0},
                      NumberCase{"Infinite", u"1e999"_s, std::nullopt, std::nullopt},
                      NumberCase{"NotANumber", u"nan"_s, std::nullopt, std::nullopt}),
    testsupport::CaseName());

} // namespace
