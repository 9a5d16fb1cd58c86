// The chart parameters of the big-order pages: every occurrence or the first, items untrimmed.
#include "analytics/chartparameters.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using testsupport::PrintTo;

struct ParameterCase {
    const char* name;
    QString text;
    QString parameter;
    QStringList every;
    QStringList first;
};

class ChartParametersTest : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ChartParametersTest, CutsTheItemsOfTheParameter)
{
    const ParameterCase& c = GetParam();
    EXPECT_EQ(analytics::parameterItems(c.text, c.parameter), c.every);
    EXPECT_EQ(analytics::firstParameterItems(c.text, c.parameter), c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChartParametersTest,
    ::testing::Values(
        ParameterCase{"ItemsUpToTheAmpersand", u"a=1&values=12,30,7&values_2=5"_s, u"values="_s,
                      {u"12"_s, u"30"_s, u"7"_s}, {u"12"_s, u"30"_s, u"7"_s}},
        ParameterCase{"ItemsKeepTheirBlanks", u"values= 1 ,2&"_s, u"values="_s,
                      {u" 1 "_s, u"2"_s}, {u" 1 "_s, u"2"_s}},
        ParameterCase{"AValueWithoutACommaIsOneItem", u"x_labels=5月6日&"_s, u"x_labels="_s,
                      {u"5月6日"_s}, {u"5月6日"_s}},
        ParameterCase{"AnEmptyValueIsOneEmptyItem", u"values=&values_2=&"_s, u"values="_s,
                      {QString()}, {QString()}},
        ParameterCase{"WithoutALaterAmpersandTheValueRunsToTheEnd", u"values=1,2"_s, u"values="_s,
                      {u"1"_s, u"2"_s}, {u"1"_s, u"2"_s}},
        ParameterCase{"EveryOccurrenceInTextOrder", u"values=1,2&x&values=3&"_s, u"values="_s,
                      {u"1"_s, u"2"_s, u"3"_s}, {u"1"_s, u"2"_s}},
        ParameterCase{"TheSellNameIsNotTheBuyName", u"values_2=4,5&"_s, u"values="_s, {}, {}},
        ParameterCase{"NamesCompareCaseSensitively", u"Values=1&VALUES=2&"_s, u"values="_s, {}, {}},
        ParameterCase{"ANameInsideAValueCounts", u"colours=#FF6666,xcolours=#336600&"_s,
                      u"colours="_s, {u"#FF6666"_s, u"xcolours=#336600"_s, u"#336600"_s},
                      {u"#FF6666"_s, u"xcolours=#336600"_s}},
        ParameterCase{"ATextWithoutTheNameGivesNothing", u"<html></html>"_s, u"values="_s, {}, {}},
        ParameterCase{"AnEmptyNameGivesNothing", u"values=1&"_s, QString(), {}, {}}),
    testsupport::CaseName());

} // namespace
