#include "market/tradingcalendar.h"

#include "app/clock.h"

#include <algorithm>

namespace market {

namespace {

// The session bounds as the clock gates compare them: whole seconds of the clock fields.
constexpr app::DayTime kMorningOpen{9, 30, 0};
constexpr app::DayTime kMorningClose{11, 30, 0};
constexpr app::DayTime kAfternoonOpen{13, 0, 0};
constexpr app::DayTime kAfternoonClose{15, 0, 0};
const QDate kFirstMonday(2000, 1, 3);

int secondsFrom(const app::DayTime& from, const app::DayTime& to)
{
    return to.secondOfDay() - from.secondOfDay();
}

int tradingSecond(const app::DayTime& time)
{
    if (time < kMorningOpen)
        return kBeforeOpen;
    if (time < kMorningClose)
        return secondsFrom(kMorningOpen, time);
    if (time < kAfternoonOpen)
        return kMorningSeconds;
    if (time < kAfternoonClose)
        return kMorningSeconds + secondsFrom(kAfternoonOpen, time);
    return kSessionSeconds;
}

QTime clockTimeOf(const app::DayTime& time)
{
    return QTime(time.hour, time.minute, time.second);
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
    return {day, tradingSecond(app::dayTimeOf(local))};
}

bool TradingCalendar::isTrading(const QDateTime& local)
{
    if (!isTradingDay(local.date()))
        return false;
    const app::DayTime time = app::dayTimeOf(local);
    return (time >= kMorningOpen && time < kMorningClose)
        || (time >= kAfternoonOpen && time < kAfternoonClose);
}

QTime TradingCalendar::timeOfSecond(int second)
{
    second = std::clamp(second, 0, kSessionSeconds);
    if (second <= kMorningSeconds)
        return clockTimeOf(kMorningOpen).addSecs(second);
    return clockTimeOf(kAfternoonOpen).addSecs(second - kMorningSeconds);
}

} // namespace market
