#include "ui/main/timechartbox.h"

#include "app/maintables.h"
#include "ui/widgetparts.h"

#include <QChartView>

namespace ui::main {

TimeChartBox::TimeChartBox(QWidget& column)
    : QGroupBox(QStringLiteral("大单成交分时图"), &column),
      m_chart(namedChart("Chart1", *this, QRect(2, 15, 288, 177)))
{
    place(*this, "GroupBox4", QRect(6, 384, 291, 193));
}

void TimeChartBox::bindSteps(app::MainTables& tables)
{
    tables.newStock.bind(app::newstock::clearTimeChart, [this] { removeAllSeries(); });
}

void TimeChartBox::removeAllSeries()
{
    m_chart->chart()->removeAllSeries();
}

} // namespace ui::main
