#pragma once

#include "alerts/alertstate.h"
#include "alerts/reportschedule.h"
#include "service/quotesource.h"
#include "store/watchlist.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace app {
class Clock;
}

namespace service {

class ServiceStore;
struct PhoneCopy;

// The service's side of phone delivery: every registered phone whose delivery is on (ycf=1) is
// evaluated from its stored copy with the client's own engine (alerts::planTick, evaluateTick,
// rearmOneSecond; localAlerts on), plus the third wave's periodic reports, which only the
// service sends. Every round's messages go into the outbox in one transaction.
//
// A round: re-arm every phone's held-back alerts once per elapsed second of the server clock;
// plan each phone's tick; fetch each code the plans need once, however many phones watch it;
// evaluate each phone whose quotes all arrived and commit its state. A phone whose fetch failed
// (a code its quote source does not know included) keeps the state it had, so a broadcast it
// could not make is made by a later tick; the other phones of the round go on. The session and
// the work of each tick are decided at the round's start; the texts and the outbox carry the
// server time at which the quotes were in and the messages were made. Outside the
// sessions the alert pass cannot raise anything, so it fetches nothing. Rounds never overlap;
// the next one starts 5 s of server time after the previous one ended.
//
// The copies of all remote-on phones are loaded with one query and kept; a write to a phone's
// copy or switch (copyChanged) marks it, and the next round reads the marked phones again, all of
// them in one query. A phone whose copy changed starts afresh like the client after a save
// (sendbase: every alert re-armed, the limit alerts included; the day's broadcasts stay done);
// one whose delivery was switched off is dropped with its state.
class PhoneAlerts final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PhoneAlerts)

public:
    static constexpr int kTickMsecs = 5000; // of server time

    struct Round {
        QDateTime at;
        int phones = 0;     // remote-on phones
        int planned = 0;    // phones whose tick needed quotes
        int evaluated = 0;  // of those, evaluated and committed
        int failed = 0;     // a quote they needed did not arrive
        int codes = 0;      // quote rows asked for
        int messages = 0;
        bool stored = true; // false: the outbox write failed and no state was committed
    };

    PhoneAlerts(ServiceStore& store, const app::Clock& clock, std::unique_ptr<QuoteSource> source,
                QObject* parent = nullptr);
    ~PhoneAlerts() override;

    // Rounds every 5 s of server time from now on.
    void start();
    void stop();

    // The phone's copy or switch changed: the cache is read again before the next round.
    void copyChanged(const QString& sn);
    // Called after a round stored messages in the outbox.
    void setMessagesListener(std::function<void()> listener) { m_messagesListener = std::move(listener); }

    // Starts a round at the clock's instant; `done` runs when it ended (at once when every quote
    // came at once). False, and nothing done, while a round is running.
    bool runRound(std::function<void(const Round&)> done = {});
    bool roundRunning() const { return m_running != nullptr; }
    const Round& lastRound() const { return m_lastRound; }
    int phoneCount() const { return int(m_phones.size()); }
    const QuoteSource& source() const { return *m_source; }

private:
    struct Phone {
        QString sn;
        store::WatchList watch;
        alerts::AlertState state;
        std::vector<alerts::ReportClock> reports; // parallel to the watch list
        quint64 generation = 0;
    };
    struct Work;

    Phone freshPhone(const PhoneCopy& copy, const Phone* before);
    bool reload();
    void rearm(const QDateTime& now);
    void finish(const std::shared_ptr<Work>& work, QuoteSource::Rows rows);
    void scheduleNext();

    ServiceStore& m_store;
    const app::Clock& m_clock;
    std::unique_ptr<QuoteSource> m_source;
    std::vector<Phone> m_phones;
    QHash<QString, int> m_index;
    bool m_loaded = false;
    bool m_everLoaded = false;
    QSet<QString> m_changed;
    quint64 m_generation = 0;
    QDateTime m_rearmedAt;
    std::shared_ptr<Work> m_running;
    Round m_lastRound;
    QTimer m_timer;
    bool m_ticking = false;
    std::function<void()> m_messagesListener;
};

} // namespace service
