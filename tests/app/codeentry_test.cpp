#include "app/codeentry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct KeyCase {
    char16_t key;
    bool kept;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << "key " << int(c.key);
}

class CodeKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CodeKeyTest, KeepsOnlyDigitsAndBackspace)
{
    EXPECT_EQ(app::codeKeyAccepted(QChar(GetParam().key)), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Keys, CodeKeyTest,
                         ::testing::Values(KeyCase{u'0', true}, KeyCase{u'9', true},
                                           KeyCase{8, true},       // backspace
                                           KeyCase{13, false},     // Enter
                                           KeyCase{u' ', false}, KeyCase{u'a', false},
                                           KeyCase{u'/', false},   // just below '0'
                                           KeyCase{u':', false},   // just above '9'
                                           KeyCase{u'-', false},
                                           KeyCase{u'\uff11', false}, // full-width 1
                                           KeyCase{u'\u0663', false}, // Arabic-Indic 3
                                           KeyCase{127, false}));

struct TextCase {
    const char* text;
    bool acceptable;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << "text " << c.text;
}

class CodeTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CodeTextTest, OnlyUpToSixDigitsMayStand)
{
    EXPECT_EQ(app::codeTextAcceptable(QString::fromUtf8(GetParam().text)), GetParam().acceptable);
}

INSTANTIATE_TEST_SUITE_P(Texts, CodeTextTest,
                         ::testing::Values(TextCase{"", true}, TextCase{"600", true},
                                           TextCase{"600036", true}, TextCase{"6000361", false},
                                           TextCase{"60a003", false}, TextCase{"60 003", false},
                                           TextCase{"６００００３", false}));

} // namespace
