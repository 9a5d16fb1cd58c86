#pragma once

// The half-hour flow monitor (Timer7): whenever the single-bar page brings the figures of a newly
// finished half-hour window, the window is announced once with its net big-order flow, and the
// day's totals line is rewritten on every working tick.

#include "quotes/direction.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace analytics {

// "9:30-10:00" … "14:30-15:00", by position in the half-hour lists.
QString halfHourWindowText(int position);

struct FlowMonitorState {
    // One flag per window of the day: announced already.
    std::array<bool, 8> windowAnnounced{};
    // Windows announced so far; the monitor works only while fewer than the page's windows.
    int announcedWindows = 0;
    // The day the flags belong to; a new day starts them afresh.
    QDate day;
    // A stock change waits for the new stock's single-bar page before anything is announced.
    bool awaitingNewStockPage = false;

    // The stock-change reset: every window may be announced again for the new stock, once its
    // page is in.
    void resetForNewStock();
    // The new stock's single-bar page was read (with data or without).
    void pageRead() { awaitingNewStockPage = false; }
};

// "今日大单流入:B万股 大单流出:S万股 总计净流入N万股" in red when the net is positive, else
// "… 总计净流出N万股" in green with the net written as it is (0, or negative with its sign).
struct FlowTotals {
    QString text;
    quotes::Colour colour;
    bool operator==(const FlowTotals&) const = default;
};

// A window announced: "在 10:00-10:30 之间大单净流入30万股" (red, the inflow picture) or
// "… 之间大单净流出30万股" (green, the outflow picture; also for equal figures).
struct FlowAnnouncement {
    int window = 0;
    QString message;
    bool inflow = false;
    QString stock; // name + "(" + code + ")"
    bool operator==(const FlowAnnouncement&) const = default;
};

struct FlowTick {
    // Nothing when the tick does no work (weekend, before 10:00:00, every window of the page
    // announced, the new stock's page not in yet, lists of unequal length or items that are not
    // integers).
    std::optional<FlowTotals> totals;
    std::optional<FlowAnnouncement> announcement;
};

// One tick at `now` over the single-bar lists; the state keeps what was announced.
FlowTick flowMonitorTick(FlowMonitorState& state, const QStringList& buy, const QStringList& sell,
                         const QDateTime& now, const QString& name, const QString& code);

} // namespace analytics
