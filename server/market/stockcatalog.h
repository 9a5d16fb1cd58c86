#pragma once

#include <QString>

#include <vector>

namespace market {

struct StockInfo {
    QString code;
    QString name;
    double basePrice = 0;      // 元, the level the price wanders around
    double dailyAmount = 0;    // 元, a typical day's turnover
    double volatility = 0;     // typical intraday spread of the log price
};

enum class IndexId { Shanghai, Shenzhen };

struct IndexInfo {
    IndexId id;
    QString code;
    QString name;
    double baseLevel = 0;
    // Our few dozen stocks stand for the whole exchange: turnover and volume are scaled up.
    double marketScale = 1;
};

// The stocks and indices of the simulated market.
class StockCatalog final {
public:
    static const std::vector<StockInfo>& stocks();
    static const StockInfo* find(const QString& code);
    static const std::vector<IndexInfo>& indices();
    static const IndexInfo& index(IndexId id);
    // Shanghai codes begin with 6; every other code trades in Shenzhen.
    static bool belongsTo(const StockInfo& stock, IndexId id);
};

} // namespace market
