// Quote records of arbitrary content through the alert engine: every figure may be missing,
// empty or no number. The tick ends or goes on, but never reads past its table or its state,
// and what it leaves behind is state it can re-arm.
#include "alerts/alertengine.h"
#include "alerts/watchedits.h"
#include "quotes/alertquotetable.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const QTime moments[] = {QTime(10, 21, 5), QTime(9, 29), QTime(11, 40), QTime(15, 4), QTime(20, 0)};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QDateTime now(QDate(2026, 12, 10), moments[data[0] % std::size(moments)]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    quotes::AlertQuoteTable table;
    store::WatchList watch;
    for (const QString& record : text.split(u'\n')) {
        if (!table.append(quotes::QuoteRow::parse(record)))
            continue;
        alerts::appendStock(watch, QStringLiteral("600036"), QStringLiteral("x"));
        const int stock = watch.size() - 1;
        watch.watchFlags[stock] = QString::number(0b1000 | (stock & 0b111), 2);
        watch.watchRiseFall[stock] = QString::number(2 + stock % 8);
        watch.watchBigTrade[stock] = QString::number(4 + stock % 3);
    }
    alerts::AlertState state;
    // Sometimes the state is behind the list, as after a settings window left unsaved.
    state.resetStocks(watch.size() - int(data[0] & 1));
    const alerts::PlannedTick planned = alerts::planTick(watch, true, state, now);
    check(planned.plan.codes.size() <= watch.size());
    const alerts::EvaluatedTick evaluated =
        alerts::evaluateTick(planned.plan, table, watch, planned.state, now);
    check(evaluated.events.size() <= std::size_t(6 * watch.size() + 1));
    check(evaluated.state.stockCount() == state.stockCount());

    alerts::AlertState after = evaluated.state;
    for (int second = 0; second <= 300; ++second)
        alerts::rearmOneSecond(after);
    for (const QStringList* cooldowns :
         {&after.bigTradeCooldown, &after.bigOrderCooldown, &after.riseFallCooldown})
        for (const QString& entry : *cooldowns)
            check(entry == QLatin1String("-1"));
    return 0;
}
