#include "ui/main/stockcore.h"

#include "app/maintables.h"
#include "app/rememberedstate.h"
#include "app/resourcegates.h"
#include "net/httpclient.h"
#include "store/statefiles.h"

#include <algorithm>

namespace ui::main {

namespace {

void addNew(net::Resources& to, const net::Resources& from)
{
    for (const net::BusyResource* resource : from)
        if (std::find(to.begin(), to.end(), resource) == to.end())
            to.push_back(resource);
}

} // namespace

StockCore::StockCore(const store::StateFiles& files, app::MainState& state,
                     app::ChannelLists& channels, net::HttpClient& client,
                     const QString& quoteSite, app::Prompter& prompter, app::ResourceGates& gates,
                     QObject* parent)
    : QObject(parent),
      m_files(files),
      m_state(state),
      m_channels(channels),
      m_client(client),
      m_quoteSite(quoteSite),
      m_prompter(prompter),
      m_gates(gates)
{
}

void StockCore::bindSteps(app::MainTables& tables)
{
    tables.firstShow.bind(app::firstshow::getbase, [this] { getbase(); });
    tables.firstShow.bind(app::firstshow::yzgp, {&m_client}, [this] {
        app::yzgp(m_client, m_quoteSite, m_state.currentCode, m_state, m_prompter);
    });
    // A failed write throws and so ends the load before any page is fetched.
    tables.dashboardLoad.bind(app::dashboard::stockFile,
                              [this] { m_files.writeStockCode(m_state.currentCode); });

    app::LookupActions actions;
    actions.focusCodeBox = [this] { emit codeRefused(); };
    actions.actions = &tables.lookup;
    m_lookup = std::make_unique<app::StockLookup>(m_client, m_quoteSite, m_state, m_prompter,
                                                  std::move(actions));
    // What the lookup's whole run waits for; the tables are complete once every region bound
    // its steps, so this is read at the click.
    m_lookupTables = {&tables.lookup, &tables.newStock, &tables.dashboardLoad};
}

void StockCore::lookupClicked(const QString& code)
{
    if (!m_lookup || m_lookup->busy())
        return;
    net::Resources resources = {&m_client};
    for (const app::StepSequence* table : m_lookupTables)
        addNew(resources, table->resources());
    m_gates.run(QStringLiteral("Image17Click"), std::move(resources),
                [this, code] { m_lookup->run(code); });
}

void StockCore::getbase()
{
    const app::RememberedState remembered = app::getbase(m_files, m_state, m_channels);
    if (remembered.stockRemembered)
        emit stockPageRemembered(app::stockPageAddress(m_state.serviceBase, m_state.currentCode));
    emit codeRemembered(m_state.currentCode);
    if (remembered.favouritesRead)
        emit favouritesRead(m_channels.favouriteNames);
}

} // namespace ui::main
