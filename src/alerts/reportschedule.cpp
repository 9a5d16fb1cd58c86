#include "alerts/reportschedule.h"

#include "app/clock.h"
#include "app/tradinghours.h"

#include <algorithm>

namespace alerts {

namespace {

constexpr int kMorningSeconds = 120 * 60;

} // namespace

bool isReportInterval(int minutes)
{
    return minutes == 10 || minutes == 20 || minutes == 30 || minutes == 60;
}

std::optional<int> reportIntervalOf(const QString& minutesText)
{
    bool ok = false;
    const int minutes = minutesText.toInt(&ok);
    if (!ok || !isReportInterval(minutes))
        return std::nullopt;
    return minutes;
}

std::optional<int> tradingSecondsAt(app::DayTime time)
{
    if (app::inMorningSession(time))
        return time.secondOfDay() - app::DayTime{9, 30, 0}.secondOfDay();
    if (app::inAfternoonSession(time))
        return kMorningSeconds + time.secondOfDay() - app::DayTime{13, 0, 0}.secondOfDay();
    return std::nullopt;
}

std::optional<int> reportMarkAt(app::DayTime time, int minutes)
{
    const auto seconds = tradingSecondsAt(time);
    if (!seconds || minutes <= 0)
        return std::nullopt;
    return *seconds / (minutes * 60);
}

ReportStep stepReport(const ReportClock& clock, const QDateTime& now, int minutes)
{
    ReportStep step{false, clock};
    const app::ClockFields fields = app::clockFieldsOf(now);
    if (!isReportInterval(minutes) || app::isWeekend(fields.date()))
        return step;
    const auto mark = reportMarkAt(fields.time(), minutes);
    if (!mark)
        return step;
    if (!clock.day.isValid() || clock.mark < 0) {
        // A fresh clock takes its bearings: a mark passed before it was made is not reported.
        step.clock = {now.date(), *mark};
        return step;
    }
    // A clock kept from an earlier day ran through the night: today starts at mark 0.
    const int before = clock.day == now.date() ? clock.mark : 0;
    step.clock = {now.date(), std::max(*mark, before)};
    step.due = *mark > before && *mark >= 1;
    return step;
}

} // namespace alerts
