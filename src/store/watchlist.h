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

    // Stocks every list holds an entry for; a hand-edited file may pair fewer rows in one table.
    int completeCount() const;
    int size() const { return int(watchCodes.size()); }
    bool operator==(const WatchList&) const = default;
};

// The phone record: the number that receives text messages and the two delivery switches.
struct PhoneRecord {
    QString number; // empty when none is registered
    bool localAlerts = false;
    bool remoteAlerts = false;
};

} // namespace store
