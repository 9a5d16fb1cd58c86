// The service's phone alerts at scale: 10 000 registered phones with delivery on, 10 stocks each
// (all four alerts on, every stock broadcast, three of them reported every 10 minutes), on the
// simulated market of 2026-12-10. Prints, for the rounds of the day that matter (the opening
// broadcast, the first alert pass of the busy spell, a steady alert pass, a report mark), the
// wall and CPU time of one round (copies loaded, re-armed, planned, quotes fetched in-process,
// evaluated, messages stored in one transaction) and the outbox insert rate. A round has 5 s.
// The server ticks every 5 s; where the benchmark jumps ahead, a round first re-arms the held-back
// alerts for every second skipped, which the rounds marked "re-arms" show apart.
//
//   bench/bench_phonealerts [phones]
#include "app/clock.h"
#include "market/stockcatalog.h"
#include "service/lantuoserver.h"
#include "service/phonealerts.h"
#include "service/servicestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kStocksPerPhone = 10;
constexpr int kReportedPerPhone = 3;

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The phones' copies written straight into the file in one transaction (the setup, not measured;
// the service itself takes them one post at a time).
bool registerPhones(const QString& folder, int phones)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-setup"));
        db.setDatabaseName(service::ServiceStore::fileIn(folder));
        if (!db.open())
            return false;
        const auto& stocks = market::StockCatalog::stocks();
        db.transaction();
        QSqlQuery phone(db);
        phone.prepare(QStringLiteral("INSERT INTO phones (sn, remote_on, registered_at) VALUES (?, 1, '2026-12-10T09:00:00')"));
        QSqlQuery row(db);
        row.prepare(QStringLiteral("INSERT INTO watch_rows (sn, wave, code, name, flags, big_trade, big_order,"
                                   " rise_fall, minutes) VALUES (?, ?, ?, ?, ?, '4', '5', '5', ?)"));
        ok = true;
        for (int p = 0; p < phones && ok; ++p) {
            const QString sn = QString::number(13000000000LL + p);
            phone.bindValue(0, sn);
            ok = phone.exec();
            for (int wave = 1; wave <= 3 && ok; ++wave) {
                const int count = wave == 3 ? kReportedPerPhone : kStocksPerPhone;
                for (int k = 0; k < count && ok; ++k) {
                    const auto& stock = stocks[std::size_t((p * 7 + k * 5) % int(stocks.size()))];
                    row.bindValue(0, sn);
                    row.bindValue(1, wave);
                    row.bindValue(2, stock.code);
                    row.bindValue(3, stock.name);
                    row.bindValue(4, wave == 2 ? QStringLiteral("1111") : QStringLiteral("-"));
                    row.bindValue(5, wave == 3 ? QStringLiteral("10") : QStringLiteral("-"));
                    ok = row.exec();
                }
            }
        }
        ok = ok && db.commit();
        if (!ok)
            std::fprintf(stderr, "setup failed: %s %s %s\n", qPrintable(db.lastError().text()),
                         qPrintable(phone.lastError().text()), qPrintable(row.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-setup"));
    return ok;
}

struct Timed {
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename Work>
Timed timed(Work work)
{
    QElapsedTimer wall;
    const double cpu = cpuSeconds();
    wall.start();
    work();
    return {double(wall.nsecsElapsed()) / 1e6, (cpuSeconds() - cpu) * 1000.0};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int phones = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 10000;
    QTemporaryDir dir;
    app::Clock clock;
    clock.freezeAt(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    service::LantuoServer::Options options;
    options.dataDir = dir.path();
    options.market = true;
    options.phoneTicks = false;
    {
        service::ServiceStore schema(dir.path()); // the file and its tables
    }
    const Timed setup = timed([&] {
        if (!registerPhones(dir.path(), phones))
            std::exit(1);
    });
    service::LantuoServer server(options, clock);
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorText()));
        return 1;
    }
    std::printf("phones: %d with %d stocks each (%d reported every 10 min); setup %.0f ms\n", phones,
                kStocksPerPhone, kReportedPerPhone, setup.wallMs);
    std::printf("%-34s %10s %10s %8s %8s %10s\n", "round", "wall ms", "cpu ms", "phones", "codes", "messages");

    service::PhoneAlerts& alerts = *server.phoneAlerts();
    const struct {
        const char* name;
        QTime time;
    } rounds[] = {
        {"09:25:00 first (copies loaded)", QTime(9, 25)},
        {"09:30:00 opening broadcast", QTime(9, 30)},
        {"10:30:00 alert pass, busy spell", QTime(10, 30)},
        {"10:30:05 alert pass, held back", QTime(10, 30, 5)},
        {"10:39:55 (re-arms 590 s at once)", QTime(10, 39, 55)},
        {"10:40:00 alert pass + reports", QTime(10, 40)},
        {"11:29:55 (re-arms 2995 s at once)", QTime(11, 29, 55)},
        {"11:33:00 midday broadcast", QTime(11, 33)},
        {"12:00:00 lunch (nothing fetched)", QTime(12, 0)},
    };
    double worst = 0;
    for (const auto& r : rounds) {
        clock.freezeAt(QDateTime(QDate(2026, 12, 10), r.time));
        service::PhoneAlerts::Round result;
        const Timed t = timed([&] { alerts.runRound([&](const service::PhoneAlerts::Round& round) { result = round; }); });
        worst = std::max(worst, t.wallMs);
        std::printf("%-34s %10.1f %10.1f %8d %8d %10d%s\n", r.name, t.wallMs, t.cpuMs, result.phones, result.codes,
                    result.messages, result.stored ? "" : "  (store failed)");
    }

    // The outbox insert rate: rounds of 1 000, 10 000 and 100 000 messages, one transaction each.
    service::ServiceStore& store = server.store();
    for (int count : {1000, 10000, 100000}) {
        std::vector<service::OutboxMessage> messages;
        messages.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            messages.push_back({QString::number(13000000000LL + i % phones), QStringLiteral("600036"),
                                QStringLiteral("riseFall"),
                                QStringLiteral("【岚拓股票】注意:招商银行(600036) 涨幅超过5.12%，最新价:32.01 涨:1.56元 幅度:5.12% ↑ 成交量:325795手")});
        }
        bool ok = false;
        const Timed t = timed([&] { ok = store.addOutbox(messages, clock.now()); });
        std::printf("outbox insert %6d messages: %8.1f ms wall, %8.1f ms cpu, %9.0f messages/s%s\n", count,
                    t.wallMs, t.cpuMs, count / (t.wallMs / 1000.0), ok ? "" : " (failed)");
    }
    std::printf("slowest round: %.1f ms of the 5000 ms tick\n", worst);
    return 0;
}
