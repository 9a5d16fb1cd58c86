#include "ui/main/fivedaychartbox.h"

#include "analytics/barcharts.h"
#include "ui/chartdrawing.h"
#include "ui/fonts.h"
#include "ui/widgetparts.h"

#include <QChartView>
#include <QCheckBox>

namespace ui::main {

FiveDayChartBox::FiveDayChartBox(QWidget& column)
    : QGroupBox(QStringLiteral("资金流向（数据来自千股千评,仅供参考）"), &column),
      m_chart(namedChart("Chart2", *this, QRect(4, 15, 284, 94))),
      m_tenDays(new QCheckBox(QStringLiteral("10日"), this))
{
    place(*this, "GroupBox3", QRect(6, 260, 291, 122));
    m_tenDays->setObjectName(QStringLiteral("CheckBox1"));
    m_tenDays->setFont(songFont(12));
    m_tenDays->setGeometry(240, 104, 48, 16);
    connect(m_tenDays, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            emit tenDaysRequested();
    });
}

void FiveDayChartBox::showChart(const analytics::BarChart& chart)
{
    setTitle(chart.caption);
    drawBars(*m_chart->chart(), chart);
}

void FiveDayChartBox::untickTenDays()
{
    m_tenDays->setChecked(false);
}

} // namespace ui::main
