// --speed: the server clock runs N times as fast from --at, so a simulated trading day can be
// watched in minutes; the phone alerts tick every 5 s of server time.
#include "app/clock.h"
#include "server/phonekit.h"
#include "server/serverprocess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QDateTime start(QDate(2026, 12, 10), QTime(9, 20));

TEST(SpeedClockTest, AFastClockRunsThatManyTimesAsFast)
{
    app::Clock clock;
    clock.startAt(start, 100);
    EXPECT_EQ(clock.speed(), 100);
    QThread::msleep(100);
    const qint64 ran = start.msecsTo(clock.now());
    EXPECT_GE(ran, 9000);
    EXPECT_LT(ran, 40000);
    clock.advance(60000);
    EXPECT_GE(start.msecsTo(clock.now()), ran + 60000);
}

TEST(SpeedClockTest, SpeedOneAndFrozenKeepTheirBehaviour)
{
    app::Clock clock;
    clock.startAt(start, 1.0);
    EXPECT_EQ(clock.speed(), 1.0);
    EXPECT_LT(std::abs(start.msecsTo(clock.now())), 1000);
    clock.freezeAt(start);
    EXPECT_EQ(clock.speed(), 0.0);
    EXPECT_EQ(clock.now(), start);
    clock.startAt(start, 50);
    clock.reset();
    EXPECT_EQ(clock.speed(), 1.0);
    EXPECT_LT(std::abs(QDateTime::currentDateTime().msecsTo(clock.now())), 1000);
}

// Polls "admin outbox" until a line holds the text.
bool outboxShows(const QString& dataDir, const QString& text, int msecs)
{
    return servertest::waitUntil(
        [&] {
            QByteArray listing;
            servertest::ServerProcess::admin(dataDir, {QStringLiteral("outbox")}, &listing);
            return QString::fromUtf8(listing).contains(text);
        },
        msecs);
}

TEST(SpeedClockTest, TheRealServerBroadcastsAndReportsOnAFastDay)
{
    QTemporaryDir dir;
    servertest::ServerProcess server(dir.path(), {QStringLiteral("--market"), QStringLiteral("--at"),
                                                  QStringLiteral("2026-12-10 09:20:00"), QStringLiteral("--speed"),
                                                  QStringLiteral("120")});
    ASSERT_TRUE(server.start());
    const servertest::PhoneClient client(server.base());
    const QString sn = QStringLiteral("13800000021");
    client.registerPhone(sn);
    servertest::Watched reported(QStringLiteral("600036"), QStringLiteral("招商银行"));
    reported.reportMinutes = QStringLiteral("10");
    client.save(sn, {reported, {QStringLiteral("000001"), QStringLiteral("平安银行")}});

    // 9:28 is 4 s away, 9:40 ten.
    EXPECT_TRUE(outboxShows(dir.path(), QStringLiteral("播报开盘价：平安银行(000001)"), 15000));
    EXPECT_TRUE(outboxShows(dir.path(), QStringLiteral("600036 report waiting(0) 【岚拓股票】招商银行(600036) 09:40:"), 25000));
    QByteArray listing;
    servertest::ServerProcess::admin(dir.path(), {QStringLiteral("outbox"), QStringLiteral("--phone"), sn}, &listing);
    const QString text = QString::fromUtf8(listing);
    EXPECT_EQ(text.count(QStringLiteral(" broadcast ")), 2) << listing.constData();
    static const QRegularExpression broadcastLine(
        QStringLiteral("^2026-12-10 09:(28|29|30):\\d\\d 13800000021 \\d{6} broadcast "), QRegularExpression::MultilineOption);
    EXPECT_EQ(text.count(broadcastLine), 2) << "in the opening broadcast's minutes of server time";
    EXPECT_EQ(server.stop(), 0);
}

} // namespace
