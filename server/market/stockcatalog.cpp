#include "market/stockcatalog.h"

#include <algorithm>

namespace market {

namespace {

StockInfo stock(const char* code, const char* name, double price, double amountYi, double volatility)
{
    return {QString::fromLatin1(code), QString::fromUtf8(name), price, amountYi * 1e8, volatility};
}

std::vector<StockInfo> makeStocks()
{
    return {
        stock("600000", "浦发银行", 8.20, 4.5, 0.012),
        stock("600028", "中国石化", 6.10, 9.0, 0.012),
        stock("600030", "中信证券", 20.50, 45.0, 0.022),
        stock("600036", "招商银行", 34.80, 30.0, 0.015),
        stock("600048", "保利发展", 11.60, 18.0, 0.025),
        stock("600104", "上汽集团", 14.90, 6.0, 0.016),
        stock("600276", "恒瑞医药", 42.30, 20.0, 0.022),
        stock("600519", "贵州茅台", 1688.00, 55.0, 0.014),
        stock("600585", "海螺水泥", 24.70, 7.0, 0.018),
        stock("600887", "伊利股份", 27.90, 12.0, 0.016),
        stock("600900", "长江电力", 23.40, 15.0, 0.010),
        stock("601012", "隆基绿能", 24.10, 35.0, 0.030),
        stock("601166", "兴业银行", 16.80, 12.0, 0.013),
        stock("601318", "中国平安", 45.60, 40.0, 0.017),
        stock("601398", "工商银行", 5.20, 14.0, 0.008),
        stock("601857", "中国石油", 7.30, 10.0, 0.013),
        stock("601888", "中国中免", 78.50, 18.0, 0.028),
        stock("601988", "中国银行", 3.95, 8.0, 0.008),
        stock("000001", "平安银行", 11.20, 12.0, 0.016),
        stock("000002", "万科Ａ", 9.80, 20.0, 0.028),
        stock("000063", "中兴通讯", 28.60, 30.0, 0.028),
        stock("000333", "美的集团", 60.20, 25.0, 0.018),
        stock("000568", "泸州老窖", 198.00, 20.0, 0.022),
        stock("000651", "格力电器", 37.90, 15.0, 0.017),
        stock("000725", "京东方Ａ", 4.10, 25.0, 0.020),
        stock("000858", "五粮液", 152.00, 35.0, 0.020),
        stock("002304", "洋河股份", 108.00, 9.0, 0.022),
        stock("002415", "海康威视", 32.40, 20.0, 0.022),
        stock("002475", "立讯精密", 30.10, 30.0, 0.028),
        stock("002594", "比亚迪", 248.00, 60.0, 0.026),
        stock("300014", "亿纬锂能", 45.30, 15.0, 0.032),
        stock("300015", "爱尔眼科", 19.60, 14.0, 0.028),
        stock("300059", "东方财富", 15.20, 50.0, 0.030),
        stock("300124", "汇川技术", 61.80, 12.0, 0.026),
        stock("300750", "宁德时代", 198.50, 70.0, 0.027),
        stock("300760", "迈瑞医疗", 288.00, 15.0, 0.020),
    };
}

} // namespace

const std::vector<StockInfo>& StockCatalog::stocks()
{
    static const std::vector<StockInfo> all = makeStocks();
    return all;
}

const StockInfo* StockCatalog::find(const QString& code)
{
    const auto& all = stocks();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const StockInfo& s) { return s.code == code; });
    return found == all.end() ? nullptr : &*found;
}

const std::vector<IndexInfo>& StockCatalog::indices()
{
    static const std::vector<IndexInfo> all = {
        {IndexId::Shanghai, QStringLiteral("000001"), QStringLiteral("上证指数"), 3100.0, 12.0},
        {IndexId::Shenzhen, QStringLiteral("399001"), QStringLiteral("深证成指"), 10000.0, 16.0},
    };
    return all;
}

const IndexInfo& StockCatalog::index(IndexId id)
{
    return indices()[id == IndexId::Shanghai ? 0 : 1];
}

bool StockCatalog::belongsTo(const StockInfo& stock, IndexId id)
{
    const bool shanghai = stock.code.startsWith(QLatin1Char('6'));
    return shanghai == (id == IndexId::Shanghai);
}

} // namespace market
