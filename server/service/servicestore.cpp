#include "service/servicestore.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QVariant>

#include <atomic>

namespace service {

namespace {

std::atomic<int> g_connectionCount{0};

const char* const kSchema[] = {
    "CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE digests (id INTEGER PRIMARY KEY AUTOINCREMENT, text TEXT NOT NULL,"
    " title TEXT NOT NULL, extra3 TEXT NOT NULL, extra4 TEXT NOT NULL,"
    " published_at TEXT NOT NULL)",
    "CREATE TABLE picks (id INTEGER PRIMARY KEY AUTOINCREMENT, code TEXT NOT NULL,"
    " name TEXT NOT NULL, pick_date TEXT NOT NULL, pick_time TEXT NOT NULL)",
    "CREATE TABLE phones (sn TEXT PRIMARY KEY, remote_on INTEGER NOT NULL DEFAULT 0,"
    " registered_at TEXT NOT NULL)",
    "CREATE TABLE watch_rows (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " sn TEXT NOT NULL REFERENCES phones(sn), wave INTEGER NOT NULL, code TEXT NOT NULL,"
    " name TEXT NOT NULL, flags TEXT NOT NULL, big_trade TEXT NOT NULL, big_order TEXT NOT NULL,"
    " rise_fall TEXT NOT NULL, minutes TEXT NOT NULL)",
    "CREATE INDEX watch_rows_by_phone ON watch_rows (sn, wave)",
    "CREATE TABLE recommendations (id INTEGER PRIMARY KEY AUTOINCREMENT, ip TEXT NOT NULL,"
    " day TEXT NOT NULL, code TEXT NOT NULL, name TEXT NOT NULL, reason TEXT NOT NULL,"
    " posted_at TEXT NOT NULL)",
    "CREATE INDEX recommendations_by_ip ON recommendations (ip, day)",
    "CREATE TABLE channels (id INTEGER PRIMARY KEY AUTOINCREMENT, caption TEXT NOT NULL,"
    " address TEXT NOT NULL, category TEXT NOT NULL, grp TEXT NOT NULL, level TEXT NOT NULL)",
};

// Version 2 adds the outbox to a version 1 file.
const char* const kSchemaVersion2[] = {
    "CREATE TABLE outbox (id INTEGER PRIMARY KEY AUTOINCREMENT, phone TEXT NOT NULL,"
    " stock TEXT NOT NULL, kind TEXT NOT NULL, text TEXT NOT NULL, created_at TEXT NOT NULL,"
    " delivered_at TEXT, attempts INTEGER NOT NULL DEFAULT 0, next_attempt_at TEXT)",
    // The waiting messages without a scan of the delivered ones; no more indexes, so that the
    // rounds' inserts stay cheap.
    "CREATE INDEX outbox_waiting ON outbox (id) WHERE delivered_at IS NULL",
};

constexpr int kSchemaVersion = 2;

// A null QString would be bound as SQL NULL; an empty text is what is meant.
QVariant bound(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant bound(int value)
{
    return value;
}

QVariant bound(qint64 value)
{
    return value;
}

QString text(const QSqlQuery& query, int column)
{
    return query.value(column).toString();
}

} // namespace

QString outboxTime(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

ServiceStore::ServiceStore(const QString& folder)
    : m_connection(QStringLiteral("lantuo-server-store-%1").arg(++g_connectionCount))
{
    m_open = openFile(folder) && createSchema();
}

ServiceStore::~ServiceStore()
{
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString ServiceStore::fileIn(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("lantuo-server.sqlite"));
}

bool ServiceStore::openFile(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        m_error = QStringLiteral("cannot create the data folder %1").arg(folder);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(fileIn(folder));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    return runConstant(QStringLiteral("PRAGMA journal_mode=WAL"))
        && runConstant(QStringLiteral("PRAGMA synchronous=NORMAL"))
        && runConstant(QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool ServiceStore::createSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!runConstant(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        m_error = version.lastError().text();
        runConstant(QStringLiteral("ROLLBACK"));
        return false;
    }
    const int found = version.value(0).toInt();
    if (found >= kSchemaVersion)
        return runConstant(QStringLiteral("COMMIT"));
    const auto runAll = [this](const auto& statements) {
        for (const char* statement : statements) {
            if (!runConstant(QString::fromLatin1(statement)))
                return false;
        }
        return true;
    };
    if ((found < 1 && !runAll(kSchema)) || (found < 2 && !runAll(kSchemaVersion2))
        || !runConstant(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion))
        || !runConstant(QStringLiteral("COMMIT"))) {
        runConstant(QStringLiteral("ROLLBACK"));
        return false;
    }
    m_new = found < 1;
    return true;
}

bool ServiceStore::inTransaction(const std::function<bool()>& work)
{
    if (!runConstant(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && runConstant(QStringLiteral("COMMIT")))
        return true;
    runConstant(QStringLiteral("ROLLBACK"));
    return false;
}

bool ServiceStore::runConstant(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    if (query.exec(sql))
        return true;
    m_error = query.lastError().text();
    qWarning("lantuo-server: database: %s", qPrintable(m_error));
    return false;
}

QSqlQuery& ServiceStore::prepared(const QString& sql)
{
    auto& slot = m_statements[sql];
    if (!slot) {
        slot = std::make_shared<QSqlQuery>(QSqlDatabase::database(m_connection));
        if (!slot->prepare(sql)) {
            m_error = slot->lastError().text();
            qWarning("lantuo-server: database: %s", qPrintable(m_error));
        }
    }
    return *slot;
}

bool ServiceStore::run(QSqlQuery& query)
{
    if (query.exec())
        return true;
    m_error = query.lastError().text();
    qWarning("lantuo-server: database: %s", qPrintable(m_error));
    query.finish();
    return false;
}

QString ServiceStore::setting(const QString& key, const QString& fallback)
{
    QSqlQuery& query = prepared(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.bindValue(0, bound(key));
    QString value = fallback;
    if (run(query) && query.next())
        value = text(query, 0);
    query.finish();
    return value;
}

bool ServiceStore::setSetting(const QString& key, const QString& value)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "INSERT INTO settings (key, value) VALUES (?, ?)"
        " ON CONFLICT(key) DO UPDATE SET value = excluded.value"));
    query.bindValue(0, bound(key));
    query.bindValue(1, bound(value));
    return run(query);
}

app::ServiceStatus ServiceStore::status()
{
    app::ServiceStatus status;
    status.startStatus = setting(QStringLiteral("startStatus"), QStringLiteral("1"));
    status.pageUrl = setting(QStringLiteral("pageUrl"), QStringLiteral("{base}/download.html"));
    status.runStatus = setting(QStringLiteral("runStatus"), QStringLiteral("8"));
    status.noticeUrl = setting(QStringLiteral("noticeUrl"), QStringLiteral("{base}/notice.html"));
    return status;
}

bool ServiceStore::setStatus(const app::ServiceStatus& status)
{
    if (!runConstant(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const bool written = setSetting(QStringLiteral("startStatus"), status.startStatus)
                      && setSetting(QStringLiteral("runStatus"), status.runStatus)
                      && setSetting(QStringLiteral("pageUrl"), status.pageUrl)
                      && setSetting(QStringLiteral("noticeUrl"), status.noticeUrl);
    if (written && runConstant(QStringLiteral("COMMIT")))
        return true;
    runConstant(QStringLiteral("ROLLBACK"));
    return false;
}

QString ServiceStore::notice()
{
    return setting(QStringLiteral("notice"), QString());
}

bool ServiceStore::setNotice(const QString& html)
{
    return setSetting(QStringLiteral("notice"), html);
}

qint64 ServiceStore::countStart()
{
    QSqlQuery& bump = prepared(QStringLiteral(
        "INSERT INTO settings (key, value) VALUES ('starts', '1')"
        " ON CONFLICT(key) DO UPDATE SET value = CAST(value AS INTEGER) + 1"));
    if (!run(bump))
        return -1;
    return setting(QStringLiteral("starts"), QStringLiteral("-1")).toLongLong();
}

std::optional<info::DigestRecord> ServiceStore::latestDigest()
{
    const auto latest = digests(1);
    if (latest.empty())
        return std::nullopt;
    return latest.front();
}

std::vector<info::DigestRecord> ServiceStore::digests(int limit)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT text, title, extra3, extra4 FROM digests ORDER BY id DESC LIMIT ?"));
    query.bindValue(0, bound(limit));
    std::vector<info::DigestRecord> records;
    if (run(query)) {
        while (query.next())
            records.push_back({text(query, 0), text(query, 1), text(query, 2), text(query, 3)});
    }
    query.finish();
    return records;
}

bool ServiceStore::addDigest(const info::DigestRecord& record, const QDateTime& at)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "INSERT INTO digests (text, title, extra3, extra4, published_at) VALUES (?, ?, ?, ?, ?)"));
    query.bindValue(0, bound(record.text));
    query.bindValue(1, bound(record.title));
    query.bindValue(2, bound(record.extra3));
    query.bindValue(3, bound(record.extra4));
    query.bindValue(4, bound(at.toString(Qt::ISODate)));
    return run(query);
}

std::vector<info::StockPick> ServiceStore::latestPicks(int limit)
{
    // The newest picks, oldest first, so a new pick is the last record.
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT code, name, pick_date, pick_time FROM"
        " (SELECT id, code, name, pick_date, pick_time FROM picks ORDER BY id DESC LIMIT ?)"
        " ORDER BY id ASC"));
    query.bindValue(0, bound(limit));
    std::vector<info::StockPick> picks;
    if (run(query)) {
        while (query.next())
            picks.push_back({text(query, 0), text(query, 1), text(query, 2), text(query, 3)});
    }
    query.finish();
    return picks;
}

bool ServiceStore::addPick(const info::StockPick& pick)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "INSERT INTO picks (code, name, pick_date, pick_time) VALUES (?, ?, ?, ?)"));
    query.bindValue(0, bound(pick.code));
    query.bindValue(1, bound(pick.name));
    query.bindValue(2, bound(pick.date));
    query.bindValue(3, bound(pick.time));
    return run(query);
}

bool ServiceStore::phoneKnown(const QString& sn, bool& failed)
{
    QSqlQuery& query = prepared(QStringLiteral("SELECT 1 FROM phones WHERE sn = ?"));
    query.bindValue(0, bound(sn));
    failed = !run(query);
    const bool known = !failed && query.next();
    query.finish();
    return known;
}

ServiceStore::Outcome ServiceStore::registerPhone(const QString& sn, const QDateTime& at,
                                                  const std::optional<OutboxMessage>& invitation)
{
    Outcome outcome = Outcome::Failed;
    const bool done = inTransaction([&] {
        QSqlQuery& query = prepared(QStringLiteral(
            "INSERT INTO phones (sn, remote_on, registered_at) VALUES (?, 0, ?)"
            " ON CONFLICT(sn) DO NOTHING"));
        query.bindValue(0, bound(sn));
        query.bindValue(1, bound(at.toString(Qt::ISODate)));
        if (!run(query))
            return false;
        outcome = query.numRowsAffected() == 1 ? Outcome::Done : Outcome::Known;
        return outcome == Outcome::Known || !invitation || insertOutbox(*invitation, outboxTime(at));
    });
    return done ? outcome : Outcome::Failed;
}

ServiceStore::Outcome ServiceStore::setRemote(const QString& sn, bool on)
{
    QSqlQuery& query = prepared(QStringLiteral("UPDATE phones SET remote_on = ? WHERE sn = ?"));
    query.bindValue(0, bound(on ? 1 : 0));
    query.bindValue(1, bound(sn));
    if (!run(query))
        return Outcome::Failed;
    return query.numRowsAffected() == 1 ? Outcome::Done : Outcome::UnknownPhone;
}

ServiceStore::Outcome ServiceStore::clearWave(const QString& sn, int wave)
{
    bool failed = false;
    if (!phoneKnown(sn, failed))
        return failed ? Outcome::Failed : Outcome::UnknownPhone;
    QSqlQuery& query = prepared(QStringLiteral("DELETE FROM watch_rows WHERE sn = ? AND wave = ?"));
    query.bindValue(0, bound(sn));
    query.bindValue(1, bound(wave));
    return run(query) ? Outcome::Done : Outcome::Failed;
}

ServiceStore::Outcome ServiceStore::addWatchStock(const QString& sn, int wave,
                                                  const WatchStock& stock)
{
    bool failed = false;
    if (!phoneKnown(sn, failed))
        return failed ? Outcome::Failed : Outcome::UnknownPhone;
    QSqlQuery& count = prepared(QStringLiteral(
        "SELECT COUNT(*) FROM watch_rows WHERE sn = ? AND wave = ?"));
    count.bindValue(0, bound(sn));
    count.bindValue(1, bound(wave));
    if (!run(count) || !count.next())
        return Outcome::Failed;
    const int rows = count.value(0).toInt();
    count.finish();
    if (rows >= kMaxRowsPerWave)
        return Outcome::Full;
    QSqlQuery& insert = prepared(QStringLiteral(
        "INSERT INTO watch_rows (sn, wave, code, name, flags, big_trade, big_order, rise_fall,"
        " minutes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    insert.bindValue(0, bound(sn));
    insert.bindValue(1, bound(wave));
    insert.bindValue(2, bound(stock.code));
    insert.bindValue(3, bound(stock.name));
    insert.bindValue(4, bound(stock.flags));
    insert.bindValue(5, bound(stock.bigTrade));
    insert.bindValue(6, bound(stock.bigOrder));
    insert.bindValue(7, bound(stock.riseFall));
    insert.bindValue(8, bound(stock.minutes));
    return run(insert) ? Outcome::Done : Outcome::Failed;
}

std::vector<WatchStock> ServiceStore::waveRows(const QString& sn, int wave)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT code, name, flags, big_trade, big_order, rise_fall, minutes FROM watch_rows"
        " WHERE sn = ? AND wave = ? ORDER BY id"));
    query.bindValue(0, bound(sn));
    query.bindValue(1, bound(wave));
    std::vector<WatchStock> rows;
    if (run(query)) {
        while (query.next()) {
            rows.push_back({text(query, 0), text(query, 1), text(query, 2), text(query, 3),
                            text(query, 4), text(query, 5), text(query, 6)});
        }
    }
    query.finish();
    return rows;
}

std::optional<WatchCopy> ServiceStore::watchCopy(const QString& sn)
{
    QSqlQuery& query = prepared(QStringLiteral("SELECT remote_on FROM phones WHERE sn = ?"));
    query.bindValue(0, bound(sn));
    if (!run(query) || !query.next()) {
        query.finish();
        return std::nullopt;
    }
    WatchCopy copy;
    copy.remoteOn = query.value(0).toInt() != 0;
    query.finish();
    copy.wave1 = waveRows(sn, 1);
    copy.wave2 = waveRows(sn, 2);
    copy.wave3 = waveRows(sn, 3);
    return copy;
}

std::optional<std::vector<PhoneCopy>> ServiceStore::remoteCopies(const QStringList& only)
{
    // The numbers asked for travel as one JSON array, so any number of them is one statement.
    QSqlQuery& query = prepared(only.isEmpty()
        ? QStringLiteral(
              "SELECT p.sn, w.wave, w.code, w.name, w.flags, w.big_trade, w.big_order, w.rise_fall,"
              " w.minutes FROM phones p LEFT JOIN watch_rows w ON w.sn = p.sn"
              " WHERE p.remote_on = 1 ORDER BY p.sn, w.id")
        : QStringLiteral(
              "SELECT p.sn, w.wave, w.code, w.name, w.flags, w.big_trade, w.big_order, w.rise_fall,"
              " w.minutes FROM phones p LEFT JOIN watch_rows w ON w.sn = p.sn"
              " WHERE p.remote_on = 1 AND p.sn IN (SELECT value FROM json_each(?)) ORDER BY p.sn, w.id"));
    if (!only.isEmpty())
        query.bindValue(0, QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(only)).toJson(QJsonDocument::Compact)));
    if (!run(query))
        return std::nullopt;
    std::vector<PhoneCopy> copies;
    while (query.next()) {
        const QString sn = text(query, 0);
        if (copies.empty() || copies.back().sn != sn)
            copies.push_back({sn, WatchCopy{true, {}, {}, {}}});
        if (query.value(1).isNull())
            continue; // a phone without rows
        WatchCopy& copy = copies.back().copy;
        std::vector<WatchStock>* waves[] = {&copy.wave1, &copy.wave2, &copy.wave3};
        const int wave = query.value(1).toInt();
        if (wave < 1 || wave > 3)
            continue;
        waves[wave - 1]->push_back({text(query, 2), text(query, 3), text(query, 4), text(query, 5),
                                    text(query, 6), text(query, 7), text(query, 8)});
    }
    query.finish();
    return copies;
}

bool ServiceStore::insertOutbox(const OutboxMessage& message, const QString& at)
{
    QSqlQuery& insert = prepared(QStringLiteral(
        "INSERT INTO outbox (phone, stock, kind, text, created_at, attempts) VALUES (?, ?, ?, ?, ?, 0)"));
    insert.bindValue(0, bound(message.phone));
    insert.bindValue(1, bound(message.stock));
    insert.bindValue(2, bound(message.kind));
    insert.bindValue(3, bound(message.text));
    insert.bindValue(4, bound(at));
    return run(insert);
}

bool ServiceStore::addOutbox(const std::vector<OutboxMessage>& messages, const QDateTime& at)
{
    if (messages.empty())
        return true;
    const QString time = outboxTime(at);
    return inTransaction([&] {
        for (const OutboxMessage& message : messages) {
            if (!insertOutbox(message, time))
                return false;
        }
        return true;
    });
}

std::vector<OutboxEntry> ServiceStore::outboxRows(QSqlQuery& query)
{
    std::vector<OutboxEntry> entries;
    if (run(query)) {
        while (query.next()) {
            entries.push_back({query.value(0).toLongLong(),
                               {text(query, 1), text(query, 2), text(query, 3), text(query, 4)},
                               text(query, 5), text(query, 6), query.value(7).toInt(), text(query, 8)});
        }
    }
    query.finish();
    return entries;
}

std::vector<OutboxEntry> ServiceStore::outbox(const QString& phone, const QString& since)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT id, phone, stock, kind, text, created_at, delivered_at, attempts, next_attempt_at"
        " FROM outbox WHERE (? = '' OR phone = ?) AND created_at >= ? ORDER BY id"));
    query.bindValue(0, bound(phone));
    query.bindValue(1, bound(phone));
    query.bindValue(2, bound(since));
    return outboxRows(query);
}

std::vector<OutboxEntry> ServiceStore::undelivered(int limit)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT id, phone, stock, kind, text, created_at, delivered_at, attempts, next_attempt_at"
        " FROM outbox WHERE delivered_at IS NULL ORDER BY id LIMIT ?"));
    query.bindValue(0, bound(limit));
    return outboxRows(query);
}

bool ServiceStore::markDelivered(qint64 id, const QDateTime& at)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "UPDATE outbox SET delivered_at = ?, attempts = attempts + 1, next_attempt_at = NULL"
        " WHERE id = ?"));
    query.bindValue(0, bound(outboxTime(at)));
    query.bindValue(1, bound(id));
    return run(query);
}

bool ServiceStore::noteFailedAttempt(qint64 id, const QDateTime& next)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "UPDATE outbox SET attempts = attempts + 1, next_attempt_at = ? WHERE id = ?"));
    query.bindValue(0, bound(outboxTime(next)));
    query.bindValue(1, bound(id));
    return run(query);
}

ServiceStore::Outcome ServiceStore::addRecommendation(const Recommendation& recommendation,
                                                      const QDate& day)
{
    if (!runConstant(QStringLiteral("BEGIN IMMEDIATE")))
        return Outcome::Failed;
    const QString dayText = day.toString(Qt::ISODate);
    QSqlQuery& count = prepared(QStringLiteral(
        "SELECT COUNT(*) FROM recommendations WHERE ip = ? AND day = ?"));
    count.bindValue(0, bound(recommendation.ip));
    count.bindValue(1, bound(dayText));
    if (!run(count) || !count.next()) {
        runConstant(QStringLiteral("ROLLBACK"));
        return Outcome::Failed;
    }
    const int today = count.value(0).toInt();
    count.finish();
    if (today >= kRecommendationsPerDay) {
        runConstant(QStringLiteral("ROLLBACK"));
        return Outcome::LimitReached;
    }
    QSqlQuery& insert = prepared(QStringLiteral(
        "INSERT INTO recommendations (ip, day, code, name, reason, posted_at)"
        " VALUES (?, ?, ?, ?, ?, ?)"));
    insert.bindValue(0, bound(recommendation.ip));
    insert.bindValue(1, bound(dayText));
    insert.bindValue(2, bound(recommendation.code));
    insert.bindValue(3, bound(recommendation.name));
    insert.bindValue(4, bound(recommendation.reason));
    insert.bindValue(5, bound(recommendation.postedAt));
    if (!run(insert) || !runConstant(QStringLiteral("COMMIT"))) {
        runConstant(QStringLiteral("ROLLBACK"));
        return Outcome::Failed;
    }
    return Outcome::Done;
}

std::vector<Recommendation> ServiceStore::latestRecommendations(int limit)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT ip, code, name, reason, posted_at FROM recommendations ORDER BY id DESC LIMIT ?"));
    query.bindValue(0, bound(limit));
    std::vector<Recommendation> list;
    if (run(query)) {
        while (query.next()) {
            list.push_back({text(query, 0), text(query, 1), text(query, 2), text(query, 3),
                            text(query, 4)});
        }
    }
    query.finish();
    return list;
}

std::vector<video::ChannelRecord> ServiceStore::channels()
{
    QSqlQuery& query = prepared(QStringLiteral(
        "SELECT caption, address, category, grp, level FROM channels ORDER BY id"));
    std::vector<video::ChannelRecord> entries;
    if (run(query)) {
        while (query.next()) {
            entries.push_back({text(query, 0), text(query, 1), text(query, 2), text(query, 3),
                               text(query, 4)});
        }
    }
    query.finish();
    return entries;
}

bool ServiceStore::addChannel(const video::ChannelRecord& entry)
{
    QSqlQuery& query = prepared(QStringLiteral(
        "INSERT INTO channels (caption, address, category, grp, level) VALUES (?, ?, ?, ?, ?)"));
    query.bindValue(0, bound(entry.caption));
    query.bindValue(1, bound(entry.address));
    query.bindValue(2, bound(entry.category));
    query.bindValue(3, bound(entry.group));
    query.bindValue(4, bound(entry.level));
    return run(query);
}

bool ServiceStore::clearChannels()
{
    QSqlQuery& query = prepared(QStringLiteral("DELETE FROM channels"));
    return run(query);
}

} // namespace service
