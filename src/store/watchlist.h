#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The alert settings in memory: nine parallel lists of text, entry i of each belonging to
// watched stock i, loaded from the three wave tables paired by position.
struct WatchList {
    // First wave: "1" broadcasts the stock's price at the opening, midday and close.
    QStringList watchBroadcast;
    QStringList watchCodes;
    QStringList watchNames;
    // Second wave: four "0"/"1" characters: limit, rise/fall, big trade, big order.
    QStringList watchFlags;
    QStringList watchBigTrade;  // digits that make a trade big: 4-6
    QStringList watchBigOrder;  // digits that make an order at the best bid or ask big: 4-6
    QStringList watchRiseFall;  // percentage of the rise/fall alert: 2-9
    // Third wave: the phone's periodic price report.
    QStringList watchReportMinutes; // 10, 20, 30 or 60
    QStringList watchReport;        // "1" or "0"

    // Stocks every list holds an entry for; once the list is fitted to its first wave, all of
    // them.
    int completeCount() const;
    int size() const { return int(watchCodes.size()); }
    bool operator==(const WatchList&) const = default;
};

// Characters of a stock's name the tables keep; a longer name is cut to it when the stock is
// added, so every copy of the list names the stock alike.
constexpr int stockNameWidth = 10;

// What a newly added stock gets: broadcast on, no event alerts, 5 %, trades and orders of 4
// digits, no phone report, every 10 minutes.
namespace newstock {
inline const QString broadcast = QStringLiteral("1");
inline const QString flags = QStringLiteral("0000");
inline const QString riseFall = QStringLiteral("5");
inline const QString bigTrade = QStringLiteral("4");
inline const QString bigOrder = QStringLiteral("4");
inline const QString reportMinutes = QStringLiteral("10");
inline const QString report = QStringLiteral("0");
} // namespace newstock

// Makes every list as long as the first wave's: the watched stocks are those of the first wave;
// one whose second- or third-wave row is missing (a file cut short, or written by another
// program) takes a new stock's settings there, and rows beyond the first wave's are dropped.
void fitToFirstWave(WatchList& watch);

// The phone record: the number that receives text messages and the two delivery switches.
struct PhoneRecord {
    QString number; // empty when none is registered
    bool localAlerts = false;
    bool remoteAlerts = false;
};

} // namespace store
