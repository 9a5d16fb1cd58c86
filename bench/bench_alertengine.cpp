// The alert engine's evaluation of one tick (the work between the quote fetches and the popups)
// for watch lists of 10 to 500 stocks, every stock with all four alerts on and half of them
// raising something, and Timer6's one-second re-arming of the same lists.
#include "alerts/alertengine.h"
#include "alerts/watchedits.h"
#include "quotes/alertquotetable.h"

#include <benchmark/benchmark.h>

namespace {

const QDateTime tradingMoment(QDate(2026, 12, 10), QTime(10, 21, 5));

struct Tick {
    store::WatchList watch;
    quotes::AlertQuoteTable table;
    alerts::PlannedTick planned;
};

Tick makeTick(int stocks)
{
    Tick tick;
    for (int i = 0; i < stocks; ++i) {
        const QString code = QString::number(600000 + i);
        alerts::appendStock(tick.watch, code, QStringLiteral("股票"));
        tick.watch.watchFlags.last() = QStringLiteral("1111");
        const bool hot = i % 2 == 0;
        tick.table.append(quotes::QuoteRow(
            {QStringLiteral("1"), code, QStringLiteral("股票"), QStringLiteral("33.21"),
             hot ? QStringLiteral("6.80%") : QStringLiteral("0.85%"), QStringLiteral("2.11"),
             QStringLiteral("33.20"), hot ? QStringLiteral("23000") : QStringLiteral("179"),
             QStringLiteral("33.21"), QStringLiteral("2586"), QStringLiteral("325795"),
             QStringLiteral("98956.18"), QStringLiteral("30.39"), QStringLiteral("x"),
             QStringLiteral("33.21"), QStringLiteral("30.14"), QStringLiteral("5000"),
             hot ? QStringLiteral("5000") : QStringLiteral("84")}));
    }
    alerts::AlertState state;
    state.resetStocks(stocks);
    tick.planned = alerts::planTick(tick.watch, true, state, tradingMoment);
    return tick;
}

void evaluateTick(benchmark::State& run)
{
    const Tick tick = makeTick(int(run.range(0)));
    std::size_t events = 0;
    for (auto _ : run) {
        const alerts::EvaluatedTick evaluated = alerts::evaluateTick(
            tick.planned.plan, tick.table, tick.watch, tick.planned.state, tradingMoment);
        events = evaluated.events.size();
        benchmark::DoNotOptimize(evaluated);
    }
    run.counters["events"] = double(events);
    run.SetItemsProcessed(run.iterations() * run.range(0));
}
BENCHMARK(evaluateTick)->Arg(10)->Arg(100)->Arg(500);

void rearmOneSecond(benchmark::State& run)
{
    const Tick tick = makeTick(int(run.range(0)));
    alerts::AlertState state = alerts::evaluateTick(tick.planned.plan, tick.table, tick.watch,
                                                    tick.planned.state, tradingMoment)
                                   .state;
    for (auto _ : run) {
        alerts::AlertState next = state;
        alerts::rearmOneSecond(next);
        benchmark::DoNotOptimize(next);
    }
}
BENCHMARK(rearmOneSecond)->Arg(10)->Arg(100)->Arg(500);

} // namespace

BENCHMARK_MAIN();
