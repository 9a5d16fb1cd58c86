// lantuo-cli status, lookup and gates: the service status, the stock lookup and the clock's gates.
#include "clifixture.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

TEST_F(CliTest, StatusAndLookup)
{
    const CliRun status = run(withConfig({u"status"_qs}));
    ASSERT_EQ(status.exitCode, 0) << status.standardError.toStdString();
    EXPECT_EQ(status.json[u"runStatus"_qs].toString(), u"8"_qs);
    EXPECT_EQ(status.json[u"noticeUrl"_qs].toString(), u"http://s/notice"_qs);
    EXPECT_FALSE(status.json[u"programEnds"_qs].toBool());

    const CliRun lookup = run(withConfig({u"lookup"_qs, u"600036"_qs}));
    ASSERT_EQ(lookup.exitCode, 0);
    EXPECT_EQ(lookup.json[u"code"_qs].toString(), u"600036"_qs);
    EXPECT_EQ(lookup.json[u"currentName"_qs].toString(), u"招商银行"_qs);
}

// The same command at two moments: --at is the clock of every command.
TEST_F(CliTest, GatesFollowTheMomentGivenWithAt)
{
    const auto runs = [this](const char* at) {
        const CliRun r = run(withConfig({u"--at"_qs, QString::fromLatin1(at), u"gates"_qs}));
        EXPECT_EQ(r.exitCode, 0) << r.standardError.toStdString();
        QList<bool> open;
        for (const QJsonValue& gate : r.json[u"gates"_qs].toArray())
            open << gate[u"runs"_qs].toBool();
        return std::pair{r.json, open};
    };
    const auto [thursday, thursdayGates] = runs("2026-12-10 10:00:00");
    EXPECT_EQ(thursday[u"now"_qs].toString(), u"2026-12-10 10:00:00"_qs);
    EXPECT_EQ(thursday[u"weekday"_qs].toString(), u"星期四"_qs);
    // Weekend quote panel, off-hours quotes, quote panel refresh, index refresh; the big-order
    // reload (strictly after 10:00:00); the engine on a weekday, its morning and afternoon
    // sessions, the opening, midday and closing broadcast minutes; the flow monitor (from
    // 10:00:00); the service's phone reports.
    EXPECT_EQ(thursdayGates, (QList<bool>{false, false, true, true, false, true, true, false, false,
                                          false, false, true, true}));

    const auto [saturday, saturdayGates] = runs("2026-12-12 20:00:00");
    EXPECT_EQ(saturday[u"weekday"_qs].toString(), u"星期六"_qs);
    EXPECT_EQ(saturdayGates, (QList<bool>{true, true, false, true, false, false, false, false,
                                          false, false, false, false, false}));

    // The closed second 13:00:00 stays closed while the clock runs on into it.
    const auto [one, oneGates] = runs("2026-12-09 13:00:00");
    EXPECT_FALSE(oneGates.value(6) || oneGates.value(7));
}

} // namespace
