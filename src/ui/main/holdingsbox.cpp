#include "ui/main/holdingsbox.h"

#include "app/dashboardcaptions.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "ui/widgetparts.h"

namespace ui::main {

HoldingsBox::HoldingsBox(QWidget& column, const app::MainState& state)
    : QGroupBox(QStringLiteral("个股持仓情况"), &column), m_state(state)
{
    place(*this, "GroupBox5", QRect(300, 212, 229, 160));
    namedChart("Chart3", *this, QRect(3, 15, 223, 73));
    namedChart("Chart4", *this, QRect(3, 86, 223, 73));
}

void HoldingsBox::bindSteps(app::MainTables& tables)
{
    tables.dashboardLoad.bind(app::dashboard::holdingsCaption,
                              [this] { setTitle(app::holdingsBoxCaption(m_state.currentName)); });
}

} // namespace ui::main
