#include "server/phonekit.h"

#include "market/stockcatalog.h"
#include "server/servicetestkit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace servertest {

std::vector<Watched> wholeMarket()
{
    std::vector<Watched> stocks;
    for (const market::StockInfo& info : market::StockCatalog::stocks())
        stocks.push_back({info.code, info.name});
    return stocks;
}

bool waitUntil(const std::function<bool()>& condition, int msecs)
{
    const QDeadlineTimer deadline(msecs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QString PhoneClient::post(const QString& path, const Fields& fields) const
{
    return postForm(m_base + path, fields);
}

QString PhoneClient::registerPhone(const QString& sn) const
{
    return post(QStringLiteral("/gpaddsj.asp"), {{QStringLiteral("sn"), sn}});
}

void PhoneClient::save(const QString& sn, const std::vector<Watched>& stocks, bool remoteOn) const
{
    const auto number = std::make_pair(QStringLiteral("sn"), sn);
    post(QStringLiteral("/gpycf.asp"), {number, {QStringLiteral("ycf"), remoteOn ? QStringLiteral("1") : QStringLiteral("0")}});
    if (!remoteOn)
        return;
    post(QStringLiteral("/gpdel1.asp"), {number});
    for (const Watched& s : stocks) {
        if (s.broadcast)
            post(QStringLiteral("/gpadd1.asp"), {number, {QStringLiteral("gpmc"), s.name}, {QStringLiteral("gpdm"), s.code}});
    }
    post(QStringLiteral("/gpdel2.asp"), {number});
    for (const Watched& s : stocks) {
        post(QStringLiteral("/gpadd2.asp"), {number,
                                             {QStringLiteral("zh"), s.flags},
                                             {QStringLiteral("ddcj"), s.bigTrade},
                                             {QStringLiteral("ddmm"), s.bigOrder},
                                             {QStringLiteral("zdf"), s.riseFall},
                                             {QStringLiteral("gpmc"), s.name},
                                             {QStringLiteral("gpdm"), s.code}});
    }
    post(QStringLiteral("/gpdel3.asp"), {number});
    for (const Watched& s : stocks) {
        if (!s.reportMinutes.isEmpty())
            post(QStringLiteral("/gpadd3.asp"), {number,
                                                 {QStringLiteral("sjjg"), s.reportMinutes},
                                                 {QStringLiteral("gpdm"), s.code},
                                                 {QStringLiteral("gpmc"), s.name}});
    }
}

service::LantuoServer::Options InProcessServer::marketOptions()
{
    service::LantuoServer::Options options;
    options.market = true;
    options.phoneTicks = false;
    return options;
}

InProcessServer::InProcessServer(service::LantuoServer::Options options)
{
    m_clock.freezeAt(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    options.dataDir = m_dir.path();
    m_server = std::make_unique<service::LantuoServer>(options, m_clock);
    m_started = m_server->start();
}

service::PhoneAlerts::Round InProcessServer::roundAt(const QDateTime& at)
{
    m_clock.freezeAt(at);
    bool done = false;
    service::PhoneAlerts::Round result;
    if (!alerts().runRound([&](const service::PhoneAlerts::Round& round) {
            result = round;
            done = true;
        }))
        return result;
    waitUntil([&] { return done; }, 30000);
    return result;
}

std::vector<service::OutboxEntry> InProcessServer::newMessages()
{
    std::vector<service::OutboxEntry> fresh;
    for (service::OutboxEntry& entry : store().outbox()) {
        if (entry.id > m_seen) {
            m_seen = entry.id;
            fresh.push_back(std::move(entry));
        }
    }
    return fresh;
}

QStringList kindsOf(const std::vector<service::OutboxEntry>& entries)
{
    QStringList kinds;
    for (const service::OutboxEntry& entry : entries)
        kinds << entry.message.kind;
    return kinds;
}

} // namespace servertest
