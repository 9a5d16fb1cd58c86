#pragma once

#include <QDateTime>

namespace market {

// Continuous trading runs 9:30-11:30 and 13:00-15:00 on weekdays: 14400 seconds a day. The model
// counts them: second 0 is the opening trade at 9:30:00, second 7200 the last trade of the
// morning (it stands through the lunch break), second 14400 the close at 15:00:00.
constexpr int kSessionSeconds = 14400;
constexpr int kMorningSeconds = 7200;
constexpr int kBeforeOpen = -1;

// Which trading day's state the market shows at an instant, and how far that day had come.
struct SessionPoint {
    QDate day;
    int second = kBeforeOpen; // kBeforeOpen, or 0 .. kSessionSeconds
};

class TradingCalendar final {
public:
    static bool isTradingDay(const QDate& day);
    static QDate previousTradingDay(const QDate& day);
    // Consecutive numbers for trading days (Friday n, Monday n + 1).
    static qint64 dayNumber(const QDate& day);
    // On a weekend the last trading day is shown as it closed.
    static SessionPoint pointAt(const QDateTime& local);
    static bool isTrading(const QDateTime& local);
    // The clock time of a trading second (second 7200 is given as 11:30:00).
    static QTime timeOfSecond(int second);
};

} // namespace market
