// --speed: the server clock runs N times as fast from --at, so a simulated trading day can be
// watched in minutes; the phone alerts tick every 5 s of server time.
#include "app/clock.h"
#include "server/phonekit.h"
#include "server/serverprocess.h"
#include "service/servicestore.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QDateTime start(QDate(2026, 12, 10), QTime(9, 20));

// Bounds taken from the system clock around the reading, so a slow machine cannot fail them.
TEST(SpeedClockTest, AFastClockRunsThatManyTimesAsFast)
{
    app::Clock clock;
    const QDateTime realStart = QDateTime::currentDateTime();
    clock.startAt(start, 100);
    EXPECT_EQ(clock.speed(), 100);
    QThread::msleep(20);
    const qint64 ran = start.msecsTo(clock.now());
    const qint64 realRan = realStart.msecsTo(QDateTime::currentDateTime());
    EXPECT_GE(ran, 20 * 100);
    EXPECT_LE(ran, realRan * 100 + 100);
    clock.advance(60000);
    EXPECT_GE(start.msecsTo(clock.now()), ran + 60000);
}

TEST(SpeedClockTest, SpeedOneAndFrozenKeepTheirBehaviour)
{
    app::Clock clock;
    const QDateTime realStart = QDateTime::currentDateTime();
    clock.startAt(start, 1.0);
    EXPECT_EQ(clock.speed(), 1.0);
    const qint64 ran = start.msecsTo(clock.now());
    EXPECT_GE(ran, 0);
    EXPECT_LE(ran, realStart.msecsTo(QDateTime::currentDateTime()) + 1);
    clock.freezeAt(start);
    EXPECT_EQ(clock.speed(), 0.0);
    EXPECT_EQ(clock.now(), start);
    clock.startAt(start, 50);
    clock.reset();
    EXPECT_EQ(clock.speed(), 1.0);
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime reading = clock.now();
    EXPECT_GE(reading, before);
    EXPECT_LE(reading, QDateTime::currentDateTime());
}

std::vector<service::OutboxEntry> broadcastsIn(const QString& dataDir)
{
    service::ServiceStore store(dataDir);
    std::vector<service::OutboxEntry> found;
    for (service::OutboxEntry& entry : store.outbox()) {
        if (entry.message.kind == QLatin1String("broadcast"))
            found.push_back(std::move(entry));
    }
    return found;
}

TEST(SpeedClockTest, TheRealServerBroadcastsOnItsFastClock)
{
    QTemporaryDir dir;
    const QString sn = QStringLiteral("13800000021");
    {
        // The copy is in the file before the fast day starts.
        servertest::ServerProcess setup(dir.path(), {QStringLiteral("--at"), QStringLiteral("2026-12-10 09:00:00"),
                                                     QStringLiteral("--frozen")});
        ASSERT_TRUE(setup.start());
        const servertest::PhoneClient client(setup.base());
        client.registerPhone(sn);
        client.save(sn, {{QStringLiteral("600036"), QStringLiteral("招商银行")},
                         {QStringLiteral("000001"), QStringLiteral("平安银行")}});
        EXPECT_EQ(setup.stop(), 0);
    }
    // At 20 times the speed 9:28 is 3 s away: a clock at real speed would not get there before
    // the deadline. The opening broadcast's minutes then last 9 s, rounds come every 250 ms.
    servertest::ServerProcess server(dir.path(), {QStringLiteral("--market"), QStringLiteral("--at"),
                                                  QStringLiteral("2026-12-10 09:27:00"), QStringLiteral("--speed"),
                                                  QStringLiteral("20")});
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(servertest::waitUntil([&] { return broadcastsIn(dir.path()).size() >= 2; }, 30000));
    EXPECT_EQ(server.stop(), 0);

    const auto broadcasts = broadcastsIn(dir.path());
    ASSERT_EQ(broadcasts.size(), 2u) << "one opening broadcast, a message per stock";
    for (const service::OutboxEntry& entry : broadcasts) {
        EXPECT_EQ(entry.message.phone, sn);
        EXPECT_GE(entry.createdAt, QStringLiteral("2026-12-10 09:28:00"));
        EXPECT_LE(entry.createdAt, QStringLiteral("2026-12-10 09:30:59"));
        EXPECT_TRUE(entry.message.text.contains(QStringLiteral("播报开盘价："))) << qPrintable(entry.message.text);
    }
    QByteArray listing;
    servertest::ServerProcess::admin(dir.path(), {QStringLiteral("outbox"), QStringLiteral("--phone"), sn}, &listing);
    EXPECT_EQ(QString::fromUtf8(listing).count(QStringLiteral(" broadcast waiting(0) ")), 2) << listing.constData();
}

} // namespace
