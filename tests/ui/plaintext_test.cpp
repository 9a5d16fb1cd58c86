#include "ui/plaintext.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class PlainToolTipTest : public ::testing::TestWithParam<const char*> {};

// What a tool tip shows is the text itself, markup and all, never what the markup would draw.
TEST_P(PlainToolTipTest, ShowsTheTextAsItStands)
{
    const QString text = QString::fromUtf8(GetParam());
    QTextDocument shown;
    shown.setHtml(ui::plainToolTip(text));
    EXPECT_EQ(shown.toPlainText(), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainToolTipTest,
                         ::testing::Values("今日尚无留言", "<b>利好</b>", "<img src=\"http://x/a.gif\">",
                                           "a &amp; b", "两个  空格"));

TEST(PlainToolTipTest, EmptyTextMeansNoToolTip)
{
    EXPECT_TRUE(ui::plainToolTip(QString()).isEmpty());
}

} // namespace
