#include "ui/main/bigorderpages.h"

#include "app/clock.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/tradinghours.h"
#include "net/documentsource.h"

namespace ui::main {

using analytics::BigOrderPage;

BigOrderPages::BigOrderPages(net::DocumentSource& singleBar, net::DocumentSource& singleBarDay,
                             net::DocumentSource& singlePie, const QString& site,
                             const app::MainState& state, const app::Clock& clock,
                             analytics::BigOrderLists& lists, QObject* parent)
    : QObject(parent),
      m_singleBar(singleBar),
      m_singleBarDay(singleBarDay),
      m_singlePie(singlePie),
      m_site(site),
      m_state(state),
      m_clock(clock),
      m_lists(lists)
{
    connect(&m_singleBar, &net::DocumentSource::bodyRead, this, &BigOrderPages::readSingleBar);
    connect(&m_singleBarDay, &net::DocumentSource::bodyRead, this, &BigOrderPages::readSingleBarDay);
    connect(&m_singlePie, &net::DocumentSource::bodyRead, this, &BigOrderPages::readSinglePie);
}

void BigOrderPages::bindSteps(app::MainTables& tables)
{
    const net::Resources all = {&m_singleBar, &m_singleBarDay, &m_singlePie};
    const auto loadAll = [this] {
        if (!m_state.currentCode.isEmpty())
            load(m_state.currentCode, true);
    };
    tables.firstShow.bind(app::firstshow::bigOrderPages, all, loadAll);
    tables.lookup.bind(app::lookup::bigOrderPages, all, loadAll);
    // Reloaded only while a load is not on its way: a new load would cut the one in flight.
    tables.timers.steps(app::MainTimer::Timer2)
        .bind(app::ticks::bigOrderReload, {&m_singleBar, &m_singlePie}, [this] {
            if (app::inBigOrderReloadWindow(m_clock.timeOfDay()))
                load(m_state.currentCode, false);
        });
}

void BigOrderPages::load(const QString& code, bool withDaily)
{
    m_singleBar.load(analytics::bigOrderPageAddress(m_site, code, BigOrderPage::SingleBar));
    if (withDaily)
        m_singleBarDay.load(analytics::bigOrderPageAddress(m_site, code, BigOrderPage::SingleBarDay));
    m_singlePie.load(analytics::bigOrderPageAddress(m_site, code, BigOrderPage::SinglePie));
}

bool BigOrderPages::ofCurrentStock(const QString& address, BigOrderPage page) const
{
    return address == analytics::bigOrderPageAddress(m_site, m_state.currentCode, page);
}

void BigOrderPages::readSingleBar(const QString& address, const QString& body)
{
    if (!ofCurrentStock(address, BigOrderPage::SingleBar))
        return;
    const analytics::SingleBarRead read = analytics::readSingleBar(body);
    m_lists.halfHourBuy = read.buy;
    m_lists.halfHourSell = read.sell;
    emit singleBarRead();
    // A page without its data yet leaves the chart as it is.
    if (!read.noDataYet)
        emit halfHourChartRead(analytics::halfHourChart(read.buy, read.sell, m_state.currentName,
                                                        m_state.currentCode));
}

void BigOrderPages::readSingleBarDay(const QString& address, const QString& body)
{
    if (!ofCurrentStock(address, BigOrderPage::SingleBarDay))
        return;
    const analytics::SingleBarDayRead read = analytics::readSingleBarDay(body);
    m_lists.dailyBuy = read.buy;
    m_lists.dailySell = read.sell;
    m_lists.dailyLabels = read.labels;
    emit fiveDayChartRead(analytics::fiveDayChart(read.buy, read.sell, read.labels,
                                                  m_state.currentName, m_state.currentCode));
}

void BigOrderPages::readSinglePie(const QString& address, const QString& body)
{
    if (!ofCurrentStock(address, BigOrderPage::SinglePie))
        return;
    const analytics::SinglePieRead read = analytics::readSinglePie(body);
    m_lists.pieValues = read.values;
    m_lists.pieColours = read.colours;
}

} // namespace ui::main
