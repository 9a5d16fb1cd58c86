#pragma once

#include <QDateTime>

#include <optional>

namespace app {

struct DayTime;

// Every read of the date or time of day goes through one Clock, so tests and lantuo-cli --at can
// put the program at an exact second and weekday.
class Clock final {
public:
    QDateTime now() const;
    QDate today() const { return now().date(); }
    // The time of day as the gates compare it: whole seconds (decodeNow's clock fields).
    DayTime timeOfDay() const;

    // Stops the clock at the given instant; advance() steps it.
    void freezeAt(const QDateTime& instant);
    // Lets the clock run on from the given instant.
    void startAt(const QDateTime& instant);
    // Lets the clock run on from the given instant, `speed` times as fast as the system clock
    // (a simulated trading day watched in minutes). A speed of 1 is startAt(instant).
    void startAt(const QDateTime& instant, double speed);
    // How many times as fast as the system clock this clock runs: 0 when frozen.
    double speed() const;
    void advance(qint64 msecs);
    // Back to the system clock.
    void reset();

private:
    std::optional<QDateTime> m_frozen;
    qint64 m_offsetMsecs = 0;
    // A faster clock: m_speed times the system time since m_realStart, from m_speedStart.
    double m_speed = 1.0;
    QDateTime m_realStart;
    QDateTime m_speedStart;
};

// A time of day as every gate compares it: the clock fields hour, minute and second. The
// milliseconds are not part of it, so a tick that runs at 13:00:00.400 is in the second
// 13:00:00, and "strictly after 13:00:00" first holds at 13:00:01.
struct DayTime {
    int hour = 0;
    int minute = 0;
    int second = 0;

    int secondOfDay() const { return hour * 3600 + minute * 60 + second; }
    // "HH:mm:ss", the long time form of the texts.
    QString text() const;
    friend constexpr auto operator<=>(const DayTime&, const DayTime&) = default;
};

// The clock fields of the last decodeNow call.
struct ClockFields {
    quint16 year = 0;
    quint16 month = 0;
    quint16 day = 0;
    quint16 hour = 0;
    quint16 minute = 0;
    quint16 second = 0;
    quint16 msec = 0;

    QDate date() const { return QDate(year, month, day); }
    DayTime time() const { return {hour, minute, second}; }
};

// Today's weekday as "星期天" … "星期六".
QString weekdayName(const Clock& clock);
bool isWeekend(const Clock& clock);
// Saturday and Sunday, the only days without trading.
bool isWeekend(const QDate& day);
// The one place a reading of the clock becomes the clock fields; every time-of-day gate of the
// client, lantuo-cli and lantuo-server reads its time through here.
ClockFields clockFieldsOf(const QDateTime& instant);
ClockFields decodeNow(const Clock& clock);
DayTime dayTimeOf(const QDateTime& instant);

} // namespace app
