#pragma once

#include "app/servicestatus.h"
#include "info/digestrecord.h"
#include "info/stockpick.h"
#include "video/channellist.h"

#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace service {

// The status, the digests, the picks and the channels are kept in the form their replies carry
// (the types of their readers). Addresses of the status and the channels may hold "{base}",
// replaced by the service's own address when a reply is built.

struct Recommendation {
    QString ip;
    QString code;
    QString name;
    QString reason;
    QString postedAt;
};

struct WatchStock {
    QString code;
    QString name;
    QString flags;
    QString bigTrade;
    QString bigOrder;
    QString riseFall;
    QString minutes;
};

struct WatchCopy {
    bool remoteOn = false;
    std::vector<WatchStock> wave1;
    std::vector<WatchStock> wave2;
    std::vector<WatchStock> wave3;
};

struct PhoneCopy {
    QString sn;
    WatchCopy copy;
};

// A message for a phone, as it goes into the outbox.
struct OutboxMessage {
    QString phone;
    QString stock; // empty for a message about no stock (the invitation)
    QString kind;
    QString text;
};

// A message in the outbox. Times are the server clock's, "yyyy-MM-dd HH:mm:ss"; deliveredAt is
// empty while the message waits.
struct OutboxEntry {
    qint64 id = 0;
    OutboxMessage message;
    QString createdAt;
    QString deliveredAt;
    int attempts = 0;
    QString nextAttemptAt;
};

// The time format of the outbox columns; text order is time order.
QString outboxTime(const QDateTime& at);

// The service's SQLite file, "lantuo-server.sqlite" in the data folder. One named connection,
// every statement prepared with bound values, every write committed at once (WAL journal), the
// schema created inside one transaction. Two processes may share the file: the running server
// and the admin command.
//
// Tables: settings(key, value); digests(id, text, title, extra3, extra4, published_at);
// picks(id, code, name, pick_date, pick_time); phones(sn, remote_on, registered_at);
// watch_rows(id, sn, wave, code, name, flags, big_trade, big_order, rise_fall, minutes);
// recommendations(id, ip, day, code, name, reason, posted_at);
// channels(id, caption, address, category, grp, level);
// outbox(id, phone, stock, kind, text, created_at, delivered_at, attempts, next_attempt_at) —
// schema version 2, added to a version 1 file when it is opened.
class ServiceStore final {
public:
    static constexpr int kMaxRowsPerWave = 500;
    static constexpr int kRecommendationsPerDay = 2;

    enum class Outcome { Done, Known, UnknownPhone, Full, LimitReached, Failed };

    explicit ServiceStore(const QString& folder);
    ~ServiceStore();
    Q_DISABLE_COPY_MOVE(ServiceStore)

    static QString fileIn(const QString& folder);

    bool isOpen() const { return m_open; }
    // True when this opening created the file's tables.
    bool isNew() const { return m_new; }
    QString errorText() const { return m_error; }

    app::ServiceStatus status();
    bool setStatus(const app::ServiceStatus& status);
    QString notice();
    bool setNotice(const QString& html);
    // Counts one start of a client; returns the count so far, -1 on failure.
    qint64 countStart();

    std::optional<info::DigestRecord> latestDigest();
    std::vector<info::DigestRecord> digests(int limit);
    bool addDigest(const info::DigestRecord& record, const QDateTime& at);

    std::vector<info::StockPick> latestPicks(int limit);
    bool addPick(const info::StockPick& pick);

    // With an invitation: put into the outbox in the same transaction when the number is new.
    Outcome registerPhone(const QString& sn, const QDateTime& at,
                          const std::optional<OutboxMessage>& invitation = std::nullopt);
    Outcome setRemote(const QString& sn, bool on);
    Outcome clearWave(const QString& sn, int wave);
    Outcome addWatchStock(const QString& sn, int wave, const WatchStock& stock);
    std::optional<WatchCopy> watchCopy(const QString& sn);
    // Every phone whose delivery is on (or those of them in `only`), with its copy, in one
    // query; ordered by number, each wave's rows in the order they were added. nullopt when the
    // query failed.
    std::optional<std::vector<PhoneCopy>> remoteCopies(const QStringList& only = {});

    // All messages in one transaction: all are stored or none.
    bool addOutbox(const std::vector<OutboxMessage>& messages, const QDateTime& at);
    // The outbox in order, optionally of one phone and from a time on ("yyyy-MM-dd HH:mm:ss").
    std::vector<OutboxEntry> outbox(const QString& phone = {}, const QString& since = {});
    // The oldest messages not yet delivered, oldest first.
    std::vector<OutboxEntry> undelivered(int limit);
    bool markDelivered(qint64 id, const QDateTime& at);
    // A failed delivery: one attempt more, the next one not before `next`.
    bool noteFailedAttempt(qint64 id, const QDateTime& next);

    // At most kRecommendationsPerDay per address and day; the check and the insert are one
    // transaction.
    Outcome addRecommendation(const Recommendation& recommendation, const QDate& day);
    std::vector<Recommendation> latestRecommendations(int limit);

    std::vector<video::ChannelRecord> channels();
    bool addChannel(const video::ChannelRecord& entry);
    bool clearChannels();

private:
    bool openFile(const QString& folder);
    bool createSchema();
    bool inTransaction(const std::function<bool()>& work);
    bool insertOutbox(const OutboxMessage& message, const QString& at);
    std::vector<OutboxEntry> outboxRows(QSqlQuery& query);
    QSqlQuery& prepared(const QString& sql);
    bool run(QSqlQuery& query);
    bool runConstant(const QString& sql);
    QString setting(const QString& key, const QString& fallback);
    bool setSetting(const QString& key, const QString& value);
    bool phoneKnown(const QString& sn, bool& failed);
    std::vector<WatchStock> waveRows(const QString& sn, int wave);

    QString m_connection;
    bool m_open = false;
    bool m_new = false;
    QString m_error;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
};

} // namespace service
