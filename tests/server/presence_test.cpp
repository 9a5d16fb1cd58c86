// Who counts as online: installations by their id, other clients by their address.
#include "service/presence.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QDateTime kNoon(QDate(2024, 5, 10), QTime(12, 0));

struct Visit {
    QString address;
    QString id;
    int secondsBefore;
};

struct PresenceCase {
    const char* label;
    std::vector<Visit> visits;
    int online;
};

std::ostream& operator<<(std::ostream& out, const PresenceCase& c)
{
    return out << c.label;
}

class PresenceTest : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(PresenceTest, CountsInstallationsOfTheLastTenMinutes)
{
    service::Presence presence;
    for (const Visit& v : GetParam().visits)
        presence.seen(v.address, v.id, kNoon.addSecs(-v.secondsBefore));
    EXPECT_EQ(presence.onlineCount(kNoon), GetParam().online);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresenceTest,
    ::testing::Values(
        PresenceCase{"nobody", {}, 0},
        PresenceCase{"one address, no id", {{"10.0.0.1", "", 5}, {"10.0.0.1", "", 1}}, 1},
        PresenceCase{"an id and the same address's other requests", {{"10.0.0.1", "", 5}, {"10.0.0.1", "77", 3}}, 1},
        PresenceCase{"two installations behind one address", {{"10.0.0.1", "77", 3}, {"10.0.0.1", "78", 2}}, 2},
        PresenceCase{"two addresses", {{"10.0.0.1", "", 3}, {"10.0.0.2", "", 2}}, 2},
        PresenceCase{"older than ten minutes", {{"10.0.0.1", "77", 601}, {"10.0.0.2", "", 700}}, 0},
        PresenceCase{"an id gone stale leaves its address counted", {{"10.0.0.1", "77", 900}, {"10.0.0.1", "", 10}}, 1}));

} // namespace
