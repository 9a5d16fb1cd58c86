#include "market/tradingcalendar.h"

#include <algorithm>

namespace market {

namespace {

const QTime kMorningOpen(9, 30);
const QTime kMorningClose(11, 30);
const QTime kAfternoonOpen(13, 0);
const QTime kAfternoonClose(15, 0);
const QDate kFirstMonday(2000, 1, 3);

int secondOfDay(const QTime& time)
{
    if (time < kMorningOpen)
        return kBeforeOpen;
    if (time < kMorningClose)
        return kMorningOpen.secsTo(time);
    if (time < kAfternoonOpen)
        return kMorningSeconds;
    if (time < kAfternoonClose)
        return kMorningSeconds + kAfternoonOpen.secsTo(time);
    return kSessionSeconds;
}

} // namespace

bool TradingCalendar::isTradingDay(const QDate& day)
{
    return day.dayOfWeek() <= 5;
}

QDate TradingCalendar::previousTradingDay(const QDate& day)
{
    QDate previous = day.addDays(-1);
    while (!isTradingDay(previous))
        previous = previous.addDays(-1);
    return previous;
}

qint64 TradingCalendar::dayNumber(const QDate& day)
{
    const qint64 days = kFirstMonday.daysTo(day);
    const qint64 weeks = days >= 0 ? days / 7 : -((-days + 6) / 7);
    const qint64 rest = days - weeks * 7;
    return weeks * 5 + std::min<qint64>(rest, 5);
}

SessionPoint TradingCalendar::pointAt(const QDateTime& local)
{
    const QDate day = local.date();
    if (!isTradingDay(day))
        return {previousTradingDay(day), kSessionSeconds};
    return {day, secondOfDay(local.time())};
}

bool TradingCalendar::isTrading(const QDateTime& local)
{
    if (!isTradingDay(local.date()))
        return false;
    const QTime time = local.time();
    return (time >= kMorningOpen && time < kMorningClose)
        || (time >= kAfternoonOpen && time < kAfternoonClose);
}

QTime TradingCalendar::timeOfSecond(int second)
{
    second = std::clamp(second, 0, kSessionSeconds);
    if (second <= kMorningSeconds)
        return kMorningOpen.addSecs(second);
    return kAfternoonOpen.addSecs(second - kMorningSeconds);
}

} // namespace market
