#include "service/defaultcontent.h"

#include "market/stockcatalog.h"
#include "service/servicestore.h"

namespace service {

namespace {

bool publishChannels(ServiceStore& store)
{
    const std::vector<video::ChannelRecord> channels = {
        {QStringLiteral("财经频道"), QString(), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")},
        {QStringLiteral("新闻频道"), QString(), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("0")},
        {QStringLiteral("财经直播"), QStringLiteral("{base}/tv/finance"), QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("0")},
        {QStringLiteral("地方财经"), QString(), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("0")},
        {QStringLiteral("上海财经"), QStringLiteral("{base}/tv/shanghai"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("1")},
        {QStringLiteral("深圳财经"), QStringLiteral("{base}/tv/shenzhen"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("1")},
        {QStringLiteral("新闻直播"), QStringLiteral("{base}/tv/news"), QStringLiteral("2"), QStringLiteral("21"), QStringLiteral("0")},
    };
    for (const video::ChannelRecord& entry : channels) {
        if (!store.addChannel(entry))
            return false;
    }
    return true;
}

} // namespace

bool DefaultContent::publish(ServiceStore& store, const QDateTime& now)
{
    const QString date = now.toString(QStringLiteral("yyyy-M-d"));
    const QString time = now.toString(QStringLiteral("HH:mm:ss"));
    bool ok = store.setStatus({QStringLiteral("1"), QStringLiteral("{base}/download.html"),
                               QStringLiteral("8"), QStringLiteral("{base}/notice.html")});
    ok = ok && store.setNotice(QStringLiteral(
             "<p style=\"font-size:12px\">欢迎使用岚拓股票情报系统。本地服务已启动，"
             "行情由模拟市场提供。</p>"));
    ok = ok && store.addDigest({QStringLiteral("欢迎使用岚拓股票情报系统，今日信息将在这里汇总。"),
                                QStringLiteral("欢迎使用"), date, time},
                               now);
    for (const QString& code : {QStringLiteral("600036"), QStringLiteral("000001")}) {
        if (const market::StockInfo* stock = market::StockCatalog::find(code))
            ok = ok && store.addPick({code, stock->name, date, time});
    }
    return ok && publishChannels(store);
}

} // namespace service
