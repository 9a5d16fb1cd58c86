#include "alerts/watchedits.h"

#include "app/prompter.h"
#include "net/silentabort.h"
#include "quotes/quoterow.h"

#include <QStringList>

#include <algorithm>

namespace alerts {

namespace {

bool oneOf(const std::optional<QString>& value, const QStringList& allowed)
{
    return !value || allowed.contains(*value);
}

bool isFlagText(const QString& flags)
{
    return flags.size() == 4
           && std::all_of(flags.begin(), flags.end(), [](QChar c) { return c == u'0' || c == u'1'; });
}

void setIf(QStringList& list, int index, const std::optional<QString>& value)
{
    if (value)
        list[index] = *value;
}

} // namespace

std::optional<QString> settingsRefusal(const StockSettings& s)
{
    const QStringList switches = {QStringLiteral("0"), QStringLiteral("1")};
    const QStringList digits = {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
    if (!oneOf(s.broadcast, switches))
        return QStringLiteral("the broadcast switch is 0 or 1, not ") + *s.broadcast;
    if (s.flags && !isFlagText(*s.flags))
        return QStringLiteral("the flags are four characters, each 0 or 1, not ") + *s.flags;
    if (!oneOf(s.riseFall, {"2", "3", "4", "5", "6", "7", "8", "9"}))
        return QStringLiteral("the rise/fall percentage is 2 to 9, not ") + *s.riseFall;
    if (!oneOf(s.bigTrade, digits))
        return QStringLiteral("a big trade has 4, 5 or 6 digits, not ") + *s.bigTrade;
    if (!oneOf(s.bigOrder, digits))
        return QStringLiteral("a big order has 4, 5 or 6 digits, not ") + *s.bigOrder;
    if (!oneOf(s.report, switches))
        return QStringLiteral("the report switch is 0 or 1, not ") + *s.report;
    if (!oneOf(s.reportMinutes, {"10", "20", "30", "60"}))
        return QStringLiteral("the report comes every 10, 20, 30 or 60 minutes, not ") + *s.reportMinutes;
    return std::nullopt;
}

QString codeLengthMessage()
{
    return QStringLiteral("必须输入六位股票代码!");
}

QString lookupFailedMessage()
{
    return QStringLiteral("获取股票信息失败，请检查网络!");
}

LookedUpStock lookupWatchStock(net::HttpClient& client, const QString& quoteSite,
                               const QString& code, app::Prompter& prompter)
{
    const auto failed = [&prompter] { prompter.error(lookupFailedMessage()); };
    const quotes::QuoteRow row = quotes::loadQuoteRow(client, quoteSite, code, failed);
    if (row.field(3).isEmpty())
        return {};
    // A name without the figures after it is a reply cut short: the lookup failed.
    if (!row.has(5)) {
        failed();
        net::abortSilently();
    }
    return {row.field(3), QStringLiteral("最新价:") + row.field(4) + QStringLiteral("元"),
            quotes::directionOf(row.field(5))};
}

QString lookupWatchName(net::HttpClient& client, const QString& quoteSite, const QString& code,
                        app::Prompter& prompter)
{
    return lookupWatchStock(client, quoteSite, code, prompter).name;
}

QString alreadyWatchedMessage()
{
    return QStringLiteral("该股票已存在，请重新输入!");
}

QString unknownCodeMessage()
{
    return QStringLiteral("输入的股票代码不存在，请重新输入!");
}

int indexOfCode(const store::WatchList& watch, const QString& code)
{
    return int(watch.watchCodes.indexOf(code));
}

void appendStock(store::WatchList& watch, const QString& code, const QString& name)
{
    using namespace store::newstock;
    watch.watchBroadcast << broadcast;
    watch.watchCodes << code;
    watch.watchNames << name.left(store::stockNameWidth);
    watch.watchFlags << flags;
    watch.watchRiseFall << riseFall;
    watch.watchBigTrade << bigTrade;
    watch.watchBigOrder << bigOrder;
    watch.watchReportMinutes << reportMinutes;
    watch.watchReport << report;
}

void removeStock(store::WatchList& watch, int index)
{
    for (QStringList* list :
         {&watch.watchBroadcast, &watch.watchCodes, &watch.watchNames, &watch.watchFlags,
          &watch.watchBigTrade, &watch.watchBigOrder, &watch.watchRiseFall,
          &watch.watchReportMinutes, &watch.watchReport})
        if (index < list->size())
            list->removeAt(index);
}

void applySettings(store::WatchList& watch, int index, const StockSettings& s)
{
    if (index < 0 || index >= watch.completeCount())
        return;
    setIf(watch.watchBroadcast, index, s.broadcast);
    setIf(watch.watchFlags, index, s.flags);
    setIf(watch.watchRiseFall, index, s.riseFall);
    setIf(watch.watchBigTrade, index, s.bigTrade);
    setIf(watch.watchBigOrder, index, s.bigOrder);
    setIf(watch.watchReport, index, s.report);
    setIf(watch.watchReportMinutes, index, s.reportMinutes);
}

} // namespace alerts
