#include "ui/main/timechartbox.h"

#include "analytics/barcharts.h"
#include "app/maintables.h"
#include "ui/chartdrawing.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"

#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLegend>

namespace ui::main {

TimeChartBox::TimeChartBox(QWidget& column)
    : QGroupBox(QStringLiteral("大单成交分时图"), &column),
      m_chart(namedChart("Chart1", *this, QRect(2, 15, 288, 177))),
      m_details(new QCheckBox(QStringLiteral("详情"), this))
{
    place(*this, "GroupBox4", QRect(6, 384, 291, 193));
    QLegend* legend = m_chart->chart()->legend();
    legend->setAlignment(Qt::AlignTop);
    legend->setFont(songFont(11));
    legend->show();
    m_chart->chart()->setMargins(QMargins(2, 18, 2, 14));

    plainLabel(*m_chart, {.text = QStringLiteral("(单位:万股)"),
                          .geometry = QRect(2, 2, 80, 14),
                          .fontPixels = 11,
                          .bold = true});
    QLabel* rule = plainLabel(*m_chart, {.text = QStringLiteral("单笔成交在50万元以上的称为大单"),
                                         .geometry = QRect(0, 161, 288, 14),
                                         .fontPixels = 11,
                                         .bold = true,
                                         .alignment = Qt::AlignCenter});
    setTextColour(*rule, Qt::blue);
    m_details->setObjectName(QStringLiteral("CheckBox2"));
    m_details->setFont(songFont(12));
    m_details->setGeometry(4, 174, 52, 17);
    connect(m_details, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            emit detailsRequested();
    });
}

void TimeChartBox::bindSteps(app::MainTables& tables)
{
    tables.newStock.bind(app::newstock::clearTimeChart, [this] { removeAllSeries(); });
}

void TimeChartBox::removeAllSeries()
{
    m_chart->chart()->removeAllSeries();
}

void TimeChartBox::showChart(const analytics::BarChart& chart)
{
    setTitle(chart.caption);
    drawBars(*m_chart->chart(), chart);
}

void TimeChartBox::untickDetails()
{
    m_details->setChecked(false);
}

} // namespace ui::main
