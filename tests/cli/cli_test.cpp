// The program as scripts meet it: exit codes, the usage line and every command's --help.
#include "clifixture.h"
#include "support/namedcase.h"

#include <QDir>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

const QString programForm = u"usage: lantuo-cli [--config SITES.INI] [--at \"YYYY-MM-DD HH:MM:SS\"] "_qs;

struct ExitCase {
    const char* name;
    QStringList arguments;
    bool unreachable;
    int exitCode;
    const char* standardError; // a part of it; null: nothing at all
};

class CliExitTest : public CliTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(CliExitTest, FailuresAndBadUsageExitWithTheirCodes)
{
    if (GetParam().unreachable)
        writeConfig(u"http://127.0.0.1:1"_qs);
    const CliRun r = run(withConfig(GetParam().arguments));
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << GetParam().name;
    if (!GetParam().standardError)
        EXPECT_EQ(r.standardError, QString()) << GetParam().name;
    else
        EXPECT_TRUE(r.standardError.contains(QString::fromUtf8(GetParam().standardError)))
            << GetParam().name << ": " << r.standardError.toStdString();
}

// The quote panel and the index box have no message of their own when their page fails: the
// exit code alone says so, and no other loader's message may stand in for it.
INSTANTIATE_TEST_SUITE_P(
    Cases, CliExitTest,
    ::testing::Values(
        ExitCase{"lookup offline", {u"lookup"_qs, u"600036"_qs}, true, 2, "网络错误,请稍后再试。"},
        ExitCase{"status offline", {u"status"_qs}, true, 2, "当前有故障"},
        ExitCase{"quote offline", {u"quote"_qs, u"600036"_qs}, true, 2, nullptr},
        ExitCase{"index offline", {u"index"_qs}, true, 2, nullptr},
        ExitCase{"five digits", {u"lookup"_qs, u"60003"_qs}, false, 2, "必须输入六位股票代码!"},
        ExitCase{"not a Shanghai or Shenzhen code", {u"lookup"_qs, u"900001"_qs}, false, 2,
                 "必须输入沪深股票及创业板代码"},
        ExitCase{"unknown code", {u"lookup"_qs, u"600999"_qs}, false, 2, "您输入的股票不存在,请重新输入！"},
        ExitCase{"gates takes nothing", {u"gates"_qs, u"now"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"unknown command", {u"frobnicate"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"missing code", {u"quote"_qs}, false, 64, "usage: lantuo-cli"},
        ExitCase{"bad --at", {u"--at"_qs, u"yesterday"_qs, u"index"_qs}, false, 64, "usage:"}));

// A folder is not a sites file: taking it would leave every site at its compiled-in default.
TEST_F(CliTest, AConfigThatIsAFolderIsRefused)
{
    const CliRun r = run({u"--config"_qs, dir.path(), u"index"_qs});
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_TRUE(r.standardError.contains(u"no such file: "_qs + dir.path())) << r.standardError.toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
}

// The usage line on standard output, every command in the table's order; without a command the
// same line is bad usage.
TEST_F(CliTest, HelpListsEveryCommandAndNoCommandIsBadUsage)
{
    const CliRun help = run({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.standardError, QString());
    ASSERT_TRUE(help.standardOutput.startsWith(programForm + u"COMMAND\ncommands:\n"_qs))
        << help.standardOutput.toStdString();
    QStringList listed;
    for (const QString& line : help.standardOutput.split(u'\n'))
        if (line.startsWith(u"  "_qs))
            listed << line.mid(2).section(u' ', 0, 0);
    EXPECT_EQ(listed, (QStringList{u"status"_qs, u"lookup"_qs, u"gates"_qs, u"quote"_qs, u"index"_qs,
                                   u"bigorder"_qs, u"flow"_qs, u"tenday"_qs, u"capflow"_qs,
                                   u"holdings"_qs, u"watch"_qs, u"switches"_qs, u"alerts"_qs, u"register"_qs,
                                   u"save"_qs}));

    const CliRun none = run(withConfig({}));
    EXPECT_EQ(none.exitCode, 64);
    EXPECT_TRUE(none.standardError.contains(u"lantuo-cli: no command\n"_qs + programForm + u"COMMAND"_qs))
        << none.standardError.toStdString();
    EXPECT_EQ(none.standardOutput, QString());
}

struct HelpCase {
    const char* name;
    QStringList arguments;
    const char* usage; // the command's part of its usage line
};

class CliHelpTest : public CliTest, public ::testing::WithParamInterface<HelpCase> {};

// "COMMAND --help", wherever --help stands among the arguments, prints the command's usage line
// and what it does, and runs nothing: no request, no settings database, no endless --follow.
TEST_P(CliHelpTest, HelpPrintsTheUsageAndRunsNothing)
{
    const CliRun r = run(withConfig(GetParam().arguments));

    EXPECT_EQ(r.exitCode, 0) << r.standardError.toStdString();
    EXPECT_EQ(r.standardError, QString());
    const QStringList lines = r.standardOutput.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << r.standardOutput.toStdString();
    EXPECT_EQ(lines[0], programForm + QString::fromUtf8(GetParam().usage));
    EXPECT_FALSE(lines[1].trimmed().isEmpty());
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QDir(dataFolder()).exists());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliHelpTest,
    ::testing::Values(
        HelpCase{"status", {"status", "--help"}, "status"},
        HelpCase{"lookup", {"lookup", "--help"}, "lookup CODE"},
        HelpCase{"gates", {"gates", "--help"}, "gates"},
        HelpCase{"quote", {"quote", "--help"}, "quote CODE"},
        HelpCase{"index", {"index", "--help"}, "index"},
        HelpCase{"watch", {"watch", "--help"},
                 "watch [add CODE | remove CODE | set CODE [--broadcast 0|1] [--flags XXXX] [--rise N] "
                 "[--trade D] [--order D] [--report 0|1] [--minutes M]]"},
        HelpCase{"switches", {"switches", "--help"}, "switches [--local 0|1] [--remote 0|1]"},
        HelpCase{"alerts", {"alerts", "--help"}, "alerts [--ticks N | --follow]"},
        HelpCase{"register", {"register", "--help"}, "register NUMBER"},
        HelpCase{"save", {"save", "--help"}, "save"},
        HelpCase{"afterArguments", {"register", "13812345678", "--help"}, "register NUMBER"},
        HelpCase{"withFollow", {"alerts", "--follow", "--help"}, "alerts [--ticks N | --follow]"},
        HelpCase{"besideAnUnknownOption", {"switches", "--loud", "--help"},
                 "switches [--local 0|1] [--remote 0|1]"},
        HelpCase{"watchSet", {"watch", "set", "600036", "--flags", "1111", "--help"},
                 "watch [add CODE | remove CODE | set CODE [--broadcast 0|1] [--flags XXXX] [--rise N] "
                 "[--trade D] [--order D] [--report 0|1] [--minutes M]]"}),
    testsupport::CaseName());

} // namespace
