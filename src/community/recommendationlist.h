#pragma once

// The reply of "/gpjgshow.asp": the shared recommendations, each enclosed in "$a0" … "$a4" and
// split by "$a1", "$a2", "$a3" into recommender's address, stock, reason and time:
//
//   <body bgcolor="#FFFFFF" text="#000000">$a0127.0.0.1$a1招商银行(600036)$a2业绩稳健$a3
//   2024-05-10 10:30:00$a4</body>
//
// Everything before the first text="#000000"> is ignored. After it, every "$a0" moves the record
// start to just after itself, and a "$a4" while a record is open cuts it (a "$a4" with no "$a0"
// before it is ignored); the record text is trimmed of characters of code 0 to 32 at both ends,
// its fields are not. Inside it each of "$a1", "$a2", "$a3" ends its field (the text since the
// previous mark, or since the record start) and the time is the rest after "$a3"; a record that
// lacks one of the three is skipped, so the four lists stay parallel and no field is left over
// from another record.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace community {

// One recommendation as the service sends it.
struct RecommendationRecord {
    QString ip;
    QString stock; // the name with the code in brackets: 招商银行(600036)
    QString reason;
    QString time;
    friend bool operator==(const RecommendationRecord&, const RecommendationRecord&) = default;
};

std::vector<RecommendationRecord> parseRecommendations(QStringView page);

// The payload of the reply (the service wraps it in its envelope), one record a line, in the
// given order. A record the reader would not give back unchanged (a field holding one of the
// marks, an address beginning or a time ending with a blank) is left out.
QString recommendationsPayload(const std::vector<RecommendationRecord>& records);

// The recommendations the main window keeps for the whole run: four parallel lists, entry i of
// each belonging to record i, in the stored form (padded for the window's columns).
class RecommendationList final {
public:
    const QStringList& ips() const { return m_ips; }
    const QStringList& stocks() const { return m_stocks; }
    const QStringList& reasons() const { return m_reasons; }
    const QStringList& times() const { return m_times; }
    int size() const { return int(m_ips.size()); }
    bool loaded() const { return m_loaded; }

    // Takes a load's records: each one whose stored fields are not yet in the lists goes to the
    // end on the run's first load and to the front on every later one (so several new records of
    // one load stand in the reverse of their page order). Returns how many were added.
    int merge(const std::vector<RecommendationRecord>& records);

    // The stored form: the address padded with blanks to 16 bytes (GBK); the stock with one blank
    // added when it begins with "*", else two unless it is exactly 16 bytes long.
    static QString storedIp(const QString& ip);
    static QString storedStock(const QString& stock);

private:
    QStringList m_ips;
    QStringList m_stocks;
    QStringList m_reasons;
    QStringList m_times;
    QSet<QString> m_identities; // the four stored fields of each record, joined
    bool m_loaded = false;
};

} // namespace community
