#pragma once

// The third wave, which only the service sends: a price report of a stock every 10, 20, 30 or
// 60 minutes of trading time. Trading time counts from 9:30:00: the morning runs from minute 0
// to 120 (11:30:00), the afternoon from 120 (13:00:00) to 240 (15:00:00). A report is due when a
// tick crosses a mark k·N (k ≥ 1) of trading minutes, each mark once a day, on weekdays, and
// only strictly inside the sessions as the alert engine has them (11:30:00 and 13:00:00
// themselves are outside), so the mark of 120 minutes is crossed once, by the first afternoon
// tick, and the close at 240 is never a report (the closing broadcast gives that price).

#include "app/clock.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace alerts {

// The report intervals the settings window offers.
bool isReportInterval(int minutes);
// The interval of a stored "sjjg" text, or nullopt when it is not one of 10, 20, 30, 60.
std::optional<int> reportIntervalOf(const QString& minutesText);

// Trading seconds since 9:30:00 at this time of day, or nullopt outside the sessions (the
// engine's sessions: strictly after 9:30:00 and before 11:30:00, strictly after 13:00:00 and
// before 15:00:00).
std::optional<int> tradingSecondsAt(app::DayTime time);

// The last mark (k of k·N minutes) reached at this time of day; nullopt outside the sessions.
std::optional<int> reportMarkAt(app::DayTime time, int minutes);

// Where a reported stock stands: the day and the last mark a tick of that day had passed. A
// default value knows nothing yet, so its first tick inside a session only takes its bearings:
// a phone whose copy arrives at 10:47 gets its first ten-minute report at 10:50, not at once.
struct ReportClock {
    QDate day;
    int mark = -1;
    bool operator==(const ReportClock&) const = default;
};

struct ReportStep {
    bool due = false;
    ReportClock clock;
};

// One tick at `now` for a stock reported every `minutes`: whether its report is due, and the
// clock to keep once the report has been made (the caller keeps the old one when it could not
// make it, so the next tick tries again). A clock kept from an earlier day starts the new day
// at mark 0; a fresh one takes its bearings on its first tick. Never due on Saturday and Sunday,
// outside the sessions or for an interval other than 10, 20, 30 or 60.
ReportStep stepReport(const ReportClock& clock, const QDateTime& now, int minutes);

} // namespace alerts
