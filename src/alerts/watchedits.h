#pragma once

#include "quotes/direction.h"
#include "store/watchlist.h"

#include <QString>

#include <optional>

namespace app {
class Prompter;
}

namespace net {
class HttpClient;
}

namespace alerts {

// What may change in one stock's settings; a value left out stays as it is.
struct StockSettings {
    std::optional<QString> broadcast;     // "0" or "1"
    std::optional<QString> flags;         // four characters "0"/"1": limit, rise/fall, trade, order
    std::optional<QString> riseFall;      // 2-9
    std::optional<QString> bigTrade;      // 4-6
    std::optional<QString> bigOrder;      // 4-6
    std::optional<QString> report;        // "0" or "1"
    std::optional<QString> reportMinutes; // 10, 20, 30 or 60
};

// Why the settings cannot be stored; nothing when every value is one the settings offer.
std::optional<QString> settingsRefusal(const StockSettings& settings);

// The messages of the stock list.
QString codeLengthMessage();
QString alreadyWatchedMessage();
QString unknownCodeMessage();
QString lookupFailedMessage();

// What the settings window shows of a code it looked up.
struct LookedUpStock {
    QString name;      // empty when the feed does not know the code
    QString priceText; // "最新价:" + latest price + "元"
    quotes::Direction direction = quotes::Direction::Up;
};

// The name a code gets in the stock list: field 3 of its quote row; empty when the feed does not
// know the code. A failed fetch, or a row that ends between the name and the change percent
// (field 5), shows "获取股票信息失败，请检查网络!" and ends with a silent abort.
LookedUpStock lookupWatchStock(net::HttpClient& client, const QString& quoteSite,
                               const QString& code, app::Prompter& prompter);
QString lookupWatchName(net::HttpClient& client, const QString& quoteSite, const QString& code,
                        app::Prompter& prompter);

// Index of the code in the list, or -1.
int indexOfCode(const store::WatchList& watch, const QString& code);
// A new stock at the end with the defaults: broadcast on, no event alerts, 5 %, 4 digits for
// trades and orders, no phone report, every 10 minutes. The name is cut to what the tables
// keep.
void appendStock(store::WatchList& watch, const QString& code, const QString& name);
void removeStock(store::WatchList& watch, int index);
// Writes the given values at index; check them with settingsRefusal first.
void applySettings(store::WatchList& watch, int index, const StockSettings& settings);

} // namespace alerts
