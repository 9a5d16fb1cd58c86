#include "app/clock.h"

#include <array>

namespace app {

QDateTime Clock::now() const
{
    if (m_frozen)
        return *m_frozen;
    if (m_speed != 1.0) {
        const qint64 real = m_realStart.msecsTo(QDateTime::currentDateTime());
        return m_speedStart.addMSecs(qint64(double(real) * m_speed) + m_offsetMsecs);
    }
    return QDateTime::currentDateTime().addMSecs(m_offsetMsecs);
}

void Clock::freezeAt(const QDateTime& instant)
{
    m_frozen = instant;
    m_offsetMsecs = 0;
    m_speed = 1.0;
}

void Clock::startAt(const QDateTime& instant)
{
    m_frozen.reset();
    m_speed = 1.0;
    m_offsetMsecs = QDateTime::currentDateTime().msecsTo(instant);
}

void Clock::startAt(const QDateTime& instant, double speed)
{
    if (!(speed > 0) || speed == 1.0) {
        startAt(instant);
        return;
    }
    m_frozen.reset();
    m_speed = speed;
    m_offsetMsecs = 0;
    m_realStart = QDateTime::currentDateTime();
    m_speedStart = instant;
}

double Clock::speed() const
{
    return m_frozen ? 0.0 : m_speed;
}

void Clock::advance(qint64 msecs)
{
    if (m_frozen)
        m_frozen = m_frozen->addMSecs(msecs);
    else
        m_offsetMsecs += msecs;
}

void Clock::reset()
{
    m_frozen.reset();
    m_offsetMsecs = 0;
    m_speed = 1.0;
}

QString weekdayName(const Clock& clock)
{
    static const std::array<const char*, 7> names = {
        "星期天", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    // Qt counts Monday as 1 and Sunday as 7; the names count Sunday as 0.
    return QString::fromUtf8(names[clock.today().dayOfWeek() % 7]);
}

bool isWeekend(const Clock& clock)
{
    return isWeekend(clock.today());
}

bool isWeekend(const QDate& day)
{
    return day.dayOfWeek() >= Qt::Saturday;
}

DayTime Clock::timeOfDay() const
{
    return dayTimeOf(now());
}

QString DayTime::text() const
{
    return QString::asprintf("%02d:%02d:%02d", hour, minute, second);
}

ClockFields decodeNow(const Clock& clock)
{
    return clockFieldsOf(clock.now());
}

DayTime dayTimeOf(const QDateTime& instant)
{
    return clockFieldsOf(instant).time();
}

ClockFields clockFieldsOf(const QDateTime& instant)
{
    const QDate date = instant.date();
    const QTime time = instant.time();
    return {quint16(date.year()), quint16(date.month()), quint16(date.day()),
            quint16(time.hour()), quint16(time.minute()), quint16(time.second()),
            quint16(time.msec())};
}

} // namespace app
