#pragma once

#include <QDateTime>

#include <optional>

namespace app {

// Every read of the date or time of day goes through one Clock, so tests and lantuo-cli --at can
// put the program at an exact second and weekday.
class Clock final {
public:
    QDateTime now() const;
    QDate today() const { return now().date(); }
    QTime timeOfDay() const { return now().time(); }

    // Stops the clock at the given instant; advance() steps it.
    void freezeAt(const QDateTime& instant);
    // Lets the clock run on from the given instant.
    void startAt(const QDateTime& instant);
    void advance(qint64 msecs);
    // Back to the system clock.
    void reset();

private:
    std::optional<QDateTime> m_frozen;
    qint64 m_offsetMsecs = 0;
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
};

// Today's weekday as "星期天" … "星期六".
QString weekdayName(const Clock& clock);
bool isWeekend(const Clock& clock);
// Saturday and Sunday, the only days without trading.
bool isWeekend(const QDate& day);
ClockFields decodeNow(const Clock& clock);

} // namespace app
