#include "alerts/reportschedule.h"

#include "app/clock.h"
#include "app/tradinghours.h"

#include <algorithm>

namespace alerts {

namespace {

constexpr qint64 kMorningMsecs = 120LL * 60 * 1000;

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

std::optional<qint64> tradingMsecsAt(QTime time)
{
    if (!time.isValid() || !app::inAlertSession(time))
        return std::nullopt;
    if (time < QTime(11, 30))
        return QTime(9, 30).msecsTo(time);
    return kMorningMsecs + QTime(13, 0).msecsTo(time);
}

std::optional<int> reportMarkAt(QTime time, int minutes)
{
    const auto msecs = tradingMsecsAt(time);
    if (!msecs || minutes <= 0)
        return std::nullopt;
    return int(*msecs / (qint64(minutes) * 60 * 1000));
}

ReportStep stepReport(const ReportClock& clock, const QDateTime& now, int minutes)
{
    ReportStep step{false, clock};
    if (!isReportInterval(minutes) || app::isWeekend(now.date()))
        return step;
    const auto mark = reportMarkAt(now.time(), minutes);
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
