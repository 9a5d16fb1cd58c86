#include "community/recommendationlist.h"

#include "net/markerscan.h"
#include "net/markerwalk.h"
#include "net/serviceenvelope.h"

#include <QStringEncoder>

#include <optional>

namespace community {

namespace {

constexpr QStringView recordStart = u"$a0";
constexpr QStringView ipEnd = u"$a1";
constexpr QStringView stockEnd = u"$a2";
constexpr QStringView reasonEnd = u"$a3";
constexpr QStringView recordEnd = u"$a4";
constexpr qsizetype kMarkLength = 3;
constexpr qsizetype kColumnBytes = 16;

std::optional<RecommendationRecord> splitRecord(QStringView record)
{
    RecommendationRecord split;
    QString* const fields[] = {&split.ip, &split.stock, &split.reason};
    bool seen[] = {false, false, false};
    qsizetype from = 0;
    net::MarkerWalk walk(record, {ipEnd, stockEnd, reasonEnd});
    net::MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        *fields[hit.marker] =
            record.sliced(from, std::max<qsizetype>(0, hit.position - from)).toString();
        seen[hit.marker] = true;
        from = hit.position + kMarkLength;
        if (hit.marker == 2)
            split.time = record.sliced(from).toString();
    }
    if (!(seen[0] && seen[1] && seen[2]))
        return std::nullopt;
    return split;
}

QString recordOf(const RecommendationRecord& record)
{
    return recordStart.toString() + record.ip + ipEnd.toString() + record.stock
         + stockEnd.toString() + record.reason + reasonEnd.toString() + record.time
         + recordEnd.toString();
}

bool readsBack(const RecommendationRecord& record)
{
    const auto read = parseRecommendations(net::envelopeMarker.toString() + recordOf(record));
    return read.size() == 1 && read.front() == record;
}

qsizetype gbkBytes(const QString& text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder(text);
    return bytes.size();
}

} // namespace

std::vector<RecommendationRecord> parseRecommendations(QStringView page)
{
    // Pair 0 only gates: nothing counts before the first envelope marker.
    const net::MarkerPair pairs[] = {
        {net::envelopeMarker.toString(), QString()},
        {recordStart.toString(), recordEnd.toString(), 0},
    };
    std::vector<RecommendationRecord> records;
    net::scan(page, pairs, net::ScanOptions{.trim = net::Trim::Yes},
              [&](int, QStringView record) {
                  if (auto split = splitRecord(record))
                      records.push_back(std::move(*split));
                  return true;
              });
    return records;
}

QString recommendationsPayload(const std::vector<RecommendationRecord>& records)
{
    return net::recordLines(records, recordOf, readsBack);
}

QString RecommendationList::storedIp(const QString& ip)
{
    return ip + QString(std::max<qsizetype>(0, kColumnBytes - gbkBytes(ip)), QLatin1Char(' '));
}

QString RecommendationList::storedStock(const QString& stock)
{
    if (stock.startsWith(QLatin1Char('*')))
        return stock + QLatin1Char(' ');
    if (gbkBytes(stock) != kColumnBytes)
        return stock + QLatin1String("  ");
    return stock;
}

int RecommendationList::merge(const std::vector<RecommendationRecord>& records)
{
    int added = 0;
    for (const RecommendationRecord& record : records) {
        const QString ip = storedIp(record.ip);
        const QString stock = storedStock(record.stock);
        const QString identity = ip + stock + record.reason + record.time;
        if (m_identities.contains(identity))
            continue;
        m_identities.insert(identity);
        const qsizetype at = m_loaded ? 0 : m_ips.size();
        m_ips.insert(at, ip);
        m_stocks.insert(at, stock);
        m_reasons.insert(at, record.reason);
        m_times.insert(at, record.time);
        ++added;
    }
    m_loaded = true;
    return added;
}

} // namespace community
