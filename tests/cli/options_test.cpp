// The one option parser of lantuo-cli, before the command and in every command: each bad command
// line exits 64 with its reason and the usage line of what was being parsed.
#include "clifixture.h"
#include "support/namedcase.h"

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

struct OptionCase {
    const char* name;
    QStringList arguments;
    const char* reason;
    const char* usage; // the end of the usage line shown: the command's, or "COMMAND" for the program's
};

class CliOptionTest : public CliTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(CliOptionTest, BadOptionsAreUsageErrors)
{
    const OptionCase& c = GetParam();
    const CliRun r = run(withConfig(c.arguments));

    EXPECT_EQ(r.exitCode, 64) << r.standardError.toStdString();
    const QString expected = QStringLiteral("lantuo-cli: ") + QString::fromUtf8(c.reason)
                             + QStringLiteral("\nusage: lantuo-cli [--config SITES.INI] [--at \"YYYY-MM-DD HH:MM:SS\"] ")
                             + QString::fromUtf8(c.usage);
    EXPECT_TRUE(r.standardError.startsWith(expected)) << r.standardError.toStdString();
    EXPECT_EQ(r.standardOutput, QString());
    EXPECT_TRUE(server.requests().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliOptionTest,
    ::testing::Values(
        OptionCase{"unknownOption", {"switches", "--loud", "1"}, "unknown option --loud",
                   "switches [--local 0|1] [--remote 0|1]"},
        OptionCase{"anotherCommandsOption", {"quote", "600036", "--ticks", "3"}, "unknown option --ticks",
                   "quote CODE"},
        OptionCase{"optionOfACommandWithoutOptions", {"status", "--now"}, "unknown option --now", "status"},
        OptionCase{"repeatedOption", {"switches", "--local", "1", "--local", "0"}, "repeated option --local",
                   "switches [--local 0|1] [--remote 0|1]"},
        OptionCase{"repeatedFlag", {"alerts", "--follow", "--follow"}, "repeated option --follow",
                   "alerts [--ticks N | --follow]"},
        OptionCase{"missingValueAtTheEnd", {"watch", "set", "600036", "--rise"}, "--rise needs a value",
                   "watch [add CODE"},
        OptionCase{"missingValueBeforeAnOption", {"switches", "--local", "--remote", "1"},
                   "--local needs a value", "switches [--local 0|1] [--remote 0|1]"},
        OptionCase{"ticksAndFollow", {"alerts", "--ticks", "2", "--follow"},
                   "alerts takes --ticks N or --follow, not both", "alerts [--ticks N | --follow]"},
        OptionCase{"noTicks", {"alerts", "--ticks", "0"}, "--ticks wants a number of ticks from 1 to 100000",
                   "alerts [--ticks N | --follow]"},
        OptionCase{"strayArgument", {"switches", "on"}, "switches takes no arguments",
                   "switches [--local 0|1] [--remote 0|1]"},
        OptionCase{"optionsOnlyWithSet", {"watch", "add", "600036", "--flags", "1111"},
                   "watch takes nothing, add CODE, remove CODE or set CODE with options", "watch [add CODE"},
        OptionCase{"verbWithoutCode", {"watch", "remove"}, "watch remove needs a stock code", "watch [add CODE"},
        OptionCase{"phoneNumberMissing", {"register"}, "register takes the phone number", "register NUMBER"},
        OptionCase{"unknownProgramOption", {"--verbose", "index"}, "unknown option --verbose", "COMMAND\n"},
        OptionCase{"repeatedProgramOption", {"--config", "other.ini", "index"}, "repeated option --config",
                   "COMMAND\n"},
        OptionCase{"programOptionWithoutValue", {"--at"}, "--at needs a value", "COMMAND\n"}),
    testsupport::CaseName());

} // namespace
