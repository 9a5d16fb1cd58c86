// The outbox in the service's SQLite file: written a round at a time, read in order, listed by
// "lantuo-server admin outbox"; a new number's invitation; a version 1 file gains the table.
#include "server/serverprocess.h"
#include "server/servicetestkit.h"
#include "service/servicestore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using service::OutboxEntry;
using service::OutboxMessage;
using service::ServiceStore;

const QDateTime nine(QDate(2026, 12, 10), QTime(9, 30));

OutboxMessage message(const char* phone, const char* stock, const char* kind, const char* text)
{
    return {QString::fromLatin1(phone), QString::fromLatin1(stock), QString::fromLatin1(kind),
            QString::fromUtf8(text)};
}

TEST(OutboxStoreTest, ARoundIsStoredInOrderAndReadBackByPhoneAndTime)
{
    QTemporaryDir dir;
    ServiceStore store(dir.path());
    ASSERT_TRUE(store.isOpen());
    ASSERT_TRUE(store.addOutbox({message("13800000001", "600036", "broadcast", "甲"),
                                 message("13800000002", "600036", "broadcast", "乙"),
                                 message("13800000001", "000001", "limit", "丙")},
                                nine));
    ASSERT_TRUE(store.addOutbox({message("13800000001", "600036", "report", "丁")}, nine.addSecs(600)));
    ASSERT_TRUE(store.addOutbox({}, nine)) << "an empty round stores nothing and succeeds";

    const auto all = store.outbox();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_LT(all[0].id, all[1].id);
    EXPECT_EQ(all[2].message.text, QStringLiteral("丙"));
    EXPECT_EQ(all[2].createdAt, QStringLiteral("2026-12-10 09:30:00"));
    EXPECT_EQ(all[3].createdAt, QStringLiteral("2026-12-10 09:40:00"));
    EXPECT_TRUE(all[0].deliveredAt.isEmpty());
    EXPECT_EQ(all[0].attempts, 0);

    EXPECT_EQ(store.outbox(QStringLiteral("13800000001")).size(), 3u);
    EXPECT_EQ(store.outbox(QStringLiteral("13800000002")).size(), 1u);
    EXPECT_EQ(store.outbox(QString(), QStringLiteral("2026-12-10 09:35:00")).size(), 1u);
    EXPECT_EQ(store.outbox(QStringLiteral("13800000002"), QStringLiteral("2026-12-10 09:35:00")).size(), 0u);
}

TEST(OutboxStoreTest, DeliveryMarksAndAttemptsAreKept)
{
    QTemporaryDir dir;
    ServiceStore store(dir.path());
    ASSERT_TRUE(store.addOutbox({message("13800000001", "600036", "limit", "a"),
                                 message("13800000001", "600036", "bigTrade", "b")},
                                nine));
    auto waiting = store.undelivered(10);
    ASSERT_EQ(waiting.size(), 2u);
    ASSERT_TRUE(store.noteFailedAttempt(waiting[0].id, nine.addSecs(1)));
    ASSERT_TRUE(store.noteFailedAttempt(waiting[0].id, nine.addSecs(3)));
    ASSERT_TRUE(store.markDelivered(waiting[0].id, nine.addSecs(5)));
    waiting = store.undelivered(10);
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].message.text, QStringLiteral("b"));
    const auto all = store.outbox();
    EXPECT_EQ(all[0].attempts, 3);
    EXPECT_EQ(all[0].deliveredAt, QStringLiteral("2026-12-10 09:30:05"));
    EXPECT_TRUE(all[0].nextAttemptAt.isEmpty());
    EXPECT_EQ(store.undelivered(1).size(), 1u);
}

TEST(OutboxStoreTest, AFileOfTheFirstSchemaGainsTheOutboxAndKeepsItsData)
{
    QTemporaryDir dir;
    {
        ServiceStore store(dir.path());
        ASSERT_EQ(store.registerPhone(QStringLiteral("13800000001"), nine), ServiceStore::Outcome::Done);
    }
    {
        // Back to version 1, as a server before the outbox left it.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(ServiceStore::fileIn(dir.path()));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE outbox")));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version=1")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    ServiceStore store(dir.path());
    ASSERT_TRUE(store.isOpen());
    EXPECT_FALSE(store.isNew());
    EXPECT_TRUE(store.watchCopy(QStringLiteral("13800000001")).has_value());
    EXPECT_TRUE(store.addOutbox({message("13800000001", "", "invite", "x")}, nine));
    EXPECT_EQ(store.outbox().size(), 1u);
}

TEST(OutboxStoreTest, RemoteCopiesComeInOneQueryWithTheirWaves)
{
    QTemporaryDir dir;
    ServiceStore store(dir.path());
    for (const char* sn : {"13800000002", "13800000001", "13800000003"})
        store.registerPhone(QString::fromLatin1(sn), nine);
    store.setRemote(QStringLiteral("13800000001"), true);
    store.setRemote(QStringLiteral("13800000002"), true);
    const auto stock = [](const char* code, const char* flags, const char* minutes) {
        return service::WatchStock{QString::fromLatin1(code), QStringLiteral("名称"), QString::fromLatin1(flags),
                                   QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("5"),
                                   QString::fromLatin1(minutes)};
    };
    store.addWatchStock(QStringLiteral("13800000001"), 2, stock("600036", "1111", ""));
    store.addWatchStock(QStringLiteral("13800000001"), 1, stock("600036", "", ""));
    store.addWatchStock(QStringLiteral("13800000001"), 3, stock("600036", "", "30"));
    store.addWatchStock(QStringLiteral("13800000003"), 2, stock("000001", "0000", ""));
    const auto copies = store.remoteCopies();
    ASSERT_TRUE(copies.has_value());
    ASSERT_EQ(copies->size(), 2u) << "only the phones with delivery on";
    EXPECT_EQ((*copies)[0].sn, QStringLiteral("13800000001"));
    EXPECT_EQ((*copies)[0].copy.wave1.size(), 1u);
    ASSERT_EQ((*copies)[0].copy.wave2.size(), 1u);
    EXPECT_EQ((*copies)[0].copy.wave2[0].flags, QStringLiteral("1111"));
    ASSERT_EQ((*copies)[0].copy.wave3.size(), 1u);
    EXPECT_EQ((*copies)[0].copy.wave3[0].minutes, QStringLiteral("30"));
    EXPECT_EQ((*copies)[1].sn, QStringLiteral("13800000002"));
    EXPECT_TRUE((*copies)[1].copy.wave2.empty());
}

// The real binary: registration puts the invitation into the outbox; the admin lists it.
class OutboxServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        servertest::SharedServer::startShared({QStringLiteral("--at"), QStringLiteral("2026-12-10 09:00:00"),
                                               QStringLiteral("--frozen")});
    }
    static void TearDownTestSuite() { servertest::SharedServer::stopShared(); }

    static QString registerPhone(const QString& sn)
    {
        return servertest::postForm(servertest::SharedServer::server().url(QStringLiteral("/gpaddsj.asp")),
                                    {{QStringLiteral("sn"), sn}});
    }
    static QString admin(const QStringList& arguments, int* code = nullptr)
    {
        QByteArray output;
        const int exit = servertest::ServerProcess::admin(servertest::SharedServer::dataDir(),
                                                          QStringList{QStringLiteral("outbox")} + arguments, &output);
        if (code)
            *code = exit;
        return QString::fromUtf8(output);
    }
};

TEST_F(OutboxServerTest, ANewNumberGetsOneInvitationAndAKnownOneNone)
{
    const QString sn = QStringLiteral("13912340001");
    EXPECT_FALSE(registerPhone(sn).contains(QStringLiteral("存在")));
    EXPECT_TRUE(registerPhone(sn).contains(QStringLiteral("存在")));
    const QStringList lines = admin({QStringLiteral("--phone"), sn}).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("2026-12-10 09:00:00 13912340001 - invite waiting(0) ")))
        << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("岚拓股票")));
}

TEST_F(OutboxServerTest, AHostileNumberIsRefusedAndGetsNoMessage)
{
    const QString before = admin({});
    for (const QString& sn : {QStringLiteral("1391234000"), QStringLiteral("139123400011"),
                              QStringLiteral("1391234000a"), QStringLiteral("13912340&1;"),
                              QStringLiteral("<script>1</s"), QString()}) {
        try {
            EXPECT_FALSE(registerPhone(sn).contains(QStringLiteral("成功"))) << qPrintable(sn);
        } catch (const std::exception&) {
            // Refused with a 4xx status: the client's loader fails.
        }
    }
    EXPECT_EQ(admin({}), before);
    EXPECT_TRUE(servertest::SharedServer::server().running());
}

TEST_F(OutboxServerTest, TheAdminListsByPhoneAndTime)
{
    {
        ServiceStore store(servertest::SharedServer::dataDir());
        ASSERT_TRUE(store.addOutbox({message("13912340002", "600036", "report", "报价一")}, nine.addSecs(3600)));
        ASSERT_TRUE(store.addOutbox({message("13912340003", "000001", "limit", "涨停二")}, nine.addSecs(7200)));
    }
    const QString later = admin({QStringLiteral("--since"), QStringLiteral("2026-12-10 10:00:00")});
    EXPECT_TRUE(later.contains(QStringLiteral("2026-12-10 10:30:00 13912340002 600036 report waiting(0) 报价一\n")))
        << qPrintable(later);
    EXPECT_TRUE(later.contains(QStringLiteral("2026-12-10 11:30:00 13912340003 000001 limit waiting(0) 涨停二\n")));
    EXPECT_FALSE(later.contains(QStringLiteral("invite")));
    const QString one = admin({QStringLiteral("--phone"), QStringLiteral("13912340003")});
    EXPECT_EQ(one.count(u'\n'), 1);
    EXPECT_TRUE(admin({QStringLiteral("--phone"), QStringLiteral("13912340003"), QStringLiteral("--since"),
                       QStringLiteral("2026-12-10 11:30:01")})
                    .isEmpty());

    int code = 0;
    admin({QStringLiteral("--phone"), QStringLiteral("12345")}, &code);
    EXPECT_EQ(code, 2);
    admin({QStringLiteral("--since"), QStringLiteral("yesterday")}, &code);
    EXPECT_EQ(code, 2);
}

} // namespace
