#include "service/phonealerts.h"

#include "alerts/alertengine.h"
#include "alerts/phonemessages.h"
#include "app/clock.h"
#include "app/tradinghours.h"
#include "quotes/alertquotetable.h"
#include "service/phonewatch.h"
#include "service/servicestore.h"

#include <algorithm>
#include <map>

namespace service {

namespace {

// After this many seconds every held-back alert is armed again: more re-arming changes nothing.
constexpr qint64 kLongestHold = 301;

bool holdsBack(const alerts::AlertState& state)
{
    const QString armed = QStringLiteral("-1");
    for (const QStringList* list : {&state.bigTradeCooldown, &state.bigOrderCooldown, &state.riseFallCooldown}) {
        for (const QString& entry : *list) {
            if (entry != armed)
                return true;
        }
    }
    return false;
}

} // namespace

// One phone's part of a round in flight.
struct PhoneWork {
    QString sn;
    quint64 generation = 0;
    alerts::PlannedTick planned;
    bool evaluate = false;
    // Reported stocks whose report is due: their index in the watch list, minutes and clock.
    struct Due {
        int stock;
        int minutes;
        alerts::ReportClock clock;
    };
    std::vector<Due> reports;
};

struct PhoneAlerts::Work {
    QDateTime at;
    std::vector<PhoneWork> phones;
    std::function<void(const Round&)> done;
    Round round;
};

PhoneAlerts::PhoneAlerts(ServiceStore& store, const app::Clock& clock, std::unique_ptr<QuoteSource> source,
                         QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_source(std::move(source))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!runRound())
            scheduleNext();
    });
}

PhoneAlerts::~PhoneAlerts()
{
    // A round in flight never finishes: the source goes first, and with it its callbacks.
    m_source.reset();
}

void PhoneAlerts::start()
{
    m_ticking = true;
    scheduleNext();
}

void PhoneAlerts::stop()
{
    m_ticking = false;
    m_timer.stop();
}

void PhoneAlerts::scheduleNext()
{
    if (!m_ticking)
        return;
    // 5 s of server time: shorter on a clock that runs faster, 5 s on a frozen one.
    const double speed = m_clock.speed();
    const double msecs = speed > 0 ? kTickMsecs / speed : kTickMsecs;
    m_timer.start(std::max(1, int(msecs)));
}

void PhoneAlerts::copyChanged(const QString& sn)
{
    m_changed.insert(sn);
    m_loaded = false;
}

PhoneAlerts::Phone PhoneAlerts::freshPhone(const PhoneCopy& copy, const Phone* before)
{
    Phone phone;
    phone.sn = copy.sn;
    phone.watch = watchListOf(copy.copy);
    if (before)
        phone.state = before->state; // the day and its broadcasts stay; the stocks start afresh
    phone.state.resetStocks(phone.watch.size());
    phone.reports.assign(std::size_t(phone.watch.size()), {});
    phone.generation = ++m_generation;
    return phone;
}

bool PhoneAlerts::reload()
{
    // The first time every remote-on phone; later only the phones whose copy or switch changed,
    // all of them in one query.
    const QStringList changed(m_changed.cbegin(), m_changed.cend());
    if (m_everLoaded && changed.isEmpty()) {
        m_loaded = true;
        return true;
    }
    const auto copies = m_store.remoteCopies(m_everLoaded ? changed : QStringList());
    if (!copies)
        return false;
    std::map<QString, Phone> updated;
    for (const PhoneCopy& copy : *copies) {
        const auto old = m_index.constFind(copy.sn);
        updated.emplace(copy.sn, freshPhone(copy, old != m_index.cend() ? &m_phones[std::size_t(*old)] : nullptr));
    }
    std::vector<Phone> phones;
    phones.reserve(m_phones.size() + updated.size());
    auto next = updated.begin();
    // Both lists are ordered by number: merge them, dropping the changed phones no longer on.
    for (Phone& phone : m_phones) {
        for (; next != updated.end() && next->first < phone.sn; ++next)
            phones.push_back(std::move(next->second));
        if (next != updated.end() && next->first == phone.sn) {
            phones.push_back(std::move(next->second));
            ++next;
        } else if (m_everLoaded && !m_changed.contains(phone.sn)) {
            phones.push_back(std::move(phone));
        }
    }
    for (; next != updated.end(); ++next)
        phones.push_back(std::move(next->second));
    m_phones = std::move(phones);
    m_index.clear();
    m_index.reserve(qsizetype(m_phones.size()));
    for (std::size_t i = 0; i < m_phones.size(); ++i)
        m_index.insert(m_phones[i].sn, int(i));
    m_changed.clear();
    m_loaded = m_everLoaded = true;
    return true;
}

void PhoneAlerts::rearm(const QDateTime& now)
{
    if (!m_rearmedAt.isValid() || now < m_rearmedAt) {
        m_rearmedAt = now;
        return;
    }
    const qint64 seconds = m_rearmedAt.secsTo(now);
    if (seconds <= 0)
        return;
    const int steps = int(std::min(seconds, kLongestHold));
    for (Phone& phone : m_phones) {
        // Once nothing is held back, more seconds change nothing.
        for (int step = 0; step < steps && holdsBack(phone.state); ++step)
            alerts::rearmOneSecond(phone.state);
    }
    m_rearmedAt = m_rearmedAt.addSecs(seconds);
}

bool PhoneAlerts::runRound(std::function<void(const Round&)> done)
{
    if (m_running)
        return false;
    const QDateTime now = m_clock.now();
    if (!m_loaded)
        reload(); // a failed read keeps the phones known so far; the next round reads again
    rearm(now);

    auto work = std::make_shared<Work>();
    work->at = now;
    work->done = std::move(done);
    work->round.at = now;
    work->round.phones = int(m_phones.size());
    QStringList codes;
    QSet<QString> asked;
    const auto need = [&](const QString& code) {
        if (!asked.contains(code)) {
            asked.insert(code);
            codes << code;
        }
    };
    // Outside the sessions the alert pass raises nothing and changes nothing: no quotes needed.
    const bool trading = app::inAlertSession(app::dayTimeOf(now));
    for (Phone& phone : m_phones) {
        PhoneWork job;
        job.sn = phone.sn;
        job.generation = phone.generation;
        job.planned = alerts::planTick(phone.watch, true, phone.state, now);
        const alerts::TickWork kind = job.planned.plan.work;
        job.evaluate = kind != alerts::TickWork::None && (kind != alerts::TickWork::AlertPass || trading);
        for (int i = 0; i < phone.watch.size(); ++i) {
            if (phone.watch.watchReport[i] != QLatin1String("1"))
                continue;
            const int minutes = alerts::reportIntervalOf(phone.watch.watchReportMinutes[i]).value_or(0);
            const alerts::ReportStep step = alerts::stepReport(phone.reports[std::size_t(i)], now, minutes);
            if (step.due)
                job.reports.push_back({i, minutes, step.clock});
            else
                phone.reports[std::size_t(i)] = step.clock;
        }
        if (!job.evaluate && job.reports.empty()) {
            phone.state = std::move(job.planned.state);
            continue;
        }
        if (job.evaluate) {
            for (const QString& code : job.planned.plan.codes)
                need(code);
        }
        for (const PhoneWork::Due& due : job.reports)
            need(phone.watch.watchCodes[due.stock]);
        work->phones.push_back(std::move(job));
    }
    work->round.planned = int(work->phones.size());
    work->round.codes = int(codes.size());
    m_running = work;
    if (codes.isEmpty()) {
        finish(work, {});
        return true;
    }
    m_source->fetch(codes, now, [this, work](QuoteSource::Rows rows) { finish(work, std::move(rows)); });
    return true;
}

void PhoneAlerts::finish(const std::shared_ptr<Work>& work, QuoteSource::Rows rows)
{
    struct Commit {
        int phone;
        alerts::AlertState state;
        std::vector<PhoneWork::Due> reports;
    };
    std::vector<Commit> commits;
    std::vector<OutboxMessage> messages;
    Round& round = work->round;
    // The texts carry the time they are made at, now that the quotes are in; whether the round
    // was inside a session was decided when it began.
    const QDateTime madeAt = m_clock.now();
    const auto add = [&](const QString& sn, const alerts::PhoneMessage& message) {
        messages.push_back({sn, message.stock, message.kind, message.text});
    };
    for (PhoneWork& job : work->phones) {
        const auto found = m_index.constFind(job.sn);
        if (found == m_index.cend() || m_phones[*found].generation != job.generation)
            continue; // the copy changed while the quotes were fetched: it starts afresh
        const Phone& phone = m_phones[*found];
        quotes::AlertQuoteTable table;
        bool fetched = true;
        if (job.evaluate) {
            for (const QString& code : job.planned.plan.codes) {
                const auto row = rows.constFind(code);
                if (row == rows.cend() || !table.append(*row)) {
                    fetched = false;
                    break;
                }
            }
        }
        for (const PhoneWork::Due& due : job.reports)
            fetched = fetched && rows.contains(phone.watch.watchCodes[due.stock]);
        if (!fetched) {
            ++round.failed;
            continue;
        }
        Commit commit{*found, {}, std::move(job.reports)};
        if (job.evaluate) {
            alerts::EvaluatedTick evaluated = alerts::evaluateTick(job.planned.plan, table, phone.watch,
                                                                   std::move(job.planned.state), madeAt);
            for (const alerts::PhoneMessage& message : alerts::messagesOfTick(evaluated.events, table))
                add(phone.sn, message);
            commit.state = std::move(evaluated.state);
        } else {
            commit.state = std::move(job.planned.state);
        }
        for (const PhoneWork::Due& due : commit.reports)
            add(phone.sn, alerts::reportMessage(rows.value(phone.watch.watchCodes[due.stock]), due.minutes, madeAt));
        commits.push_back(std::move(commit));
    }
    round.messages = int(messages.size());
    round.stored = m_store.addOutbox(messages, madeAt);
    if (round.stored) {
        // Only what reached the outbox counts as done; after a failed write the next tick tries again.
        for (Commit& commit : commits) {
            Phone& phone = m_phones[std::size_t(commit.phone)];
            phone.state = std::move(commit.state);
            for (const PhoneWork::Due& due : commit.reports)
                phone.reports[std::size_t(due.stock)] = due.clock;
        }
        round.evaluated = int(commits.size());
    }
    m_lastRound = round;
    m_running.reset();
    if (round.stored && !messages.empty() && m_messagesListener)
        m_messagesListener();
    if (work->done)
        work->done(m_lastRound);
    scheduleNext();
}

} // namespace service
