#pragma once

// Helpers of the phone delivery tests: a lantuo-server in the test process on a clock the test
// sets, the client's registration and save as real HTTP posts, and waiting with the event loop
// running (the in-process servers answer only while it runs).

#include "app/clock.h"
#include "service/lantuoserver.h"
#include "service/phonealerts.h"
#include "service/servicestore.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace servertest {

using Fields = std::vector<std::pair<QString, QString>>;

// A watched stock as the settings window saves it.
struct Watched {
    Watched(QString code, QString name) : code(std::move(code)), name(std::move(name)) {}

    QString code;
    QString name;
    QString flags = QStringLiteral("1111");
    QString bigTrade = QStringLiteral("4");
    QString bigOrder = QStringLiteral("5");
    QString riseFall = QStringLiteral("5");
    bool broadcast = true;
    QString reportMinutes; // empty: not reported
};

// Every stock of the simulated market, all alerts on, broadcast, not reported.
std::vector<Watched> wholeMarket();

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int msecs = 15000);

// The client's side of the service, by HTTP posts to base.
class PhoneClient {
public:
    explicit PhoneClient(QString base) : m_base(std::move(base)) {}
    // "/gpaddsj.asp"; the reply text.
    QString registerPhone(const QString& sn) const;
    // The save with phone delivery on (gpycf ycf=1, then the three waves), or off (ycf=0 only).
    void save(const QString& sn, const std::vector<Watched>& stocks, bool remoteOn = true) const;

private:
    QString post(const QString& path, const Fields& fields) const;
    QString m_base;
};

// lantuo-server in this process on a frozen clock: its phone alerts run a round only when asked.
class InProcessServer {
public:
    explicit InProcessServer(service::LantuoServer::Options options = marketOptions());
    static service::LantuoServer::Options marketOptions();

    bool started() const { return m_started; }
    app::Clock& clock() { return m_clock; }
    service::LantuoServer& server() { return *m_server; }
    service::ServiceStore& store() { return m_server->store(); }
    service::PhoneAlerts& alerts() { return *m_server->phoneAlerts(); }
    PhoneClient client() const { return PhoneClient(m_server->baseUrl()); }
    QString dataDir() const { return m_dir.path(); }

    // One round at this instant, waited for.
    service::PhoneAlerts::Round roundAt(const QDateTime& at);
    // The outbox messages stored since the last call.
    std::vector<service::OutboxEntry> newMessages();

private:
    QTemporaryDir m_dir;
    app::Clock m_clock;
    std::unique_ptr<service::LantuoServer> m_server;
    bool m_started = false;
    qint64 m_seen = 0;
};

// The kinds of the messages, in order.
QStringList kindsOf(const std::vector<service::OutboxEntry>& entries);

} // namespace servertest
