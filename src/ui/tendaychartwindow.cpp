#include "ui/tendaychartwindow.h"

#include "analytics/tendaychart.h"
#include "ui/chartdrawing.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QChartView>
#include <QCloseEvent>
#include <QLabel>
#include <QLegend>

namespace ui {

TForm13::TForm13(QWidget* parent)
    : QWidget(parent),
      m_chart(namedChart("Chart2", *this, QRect(6, 4, 676, 182))),
      m_totals(plainLabel(*this, {.name = "Label1", .geometry = QRect(0, 194, 688, 22),
                                  .fontPixels = 14, .bold = true, .alignment = Qt::AlignCenter}))
{
    applyWindowEntry(*this, "TForm13");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(songFont(12));
    QChart& chart = *m_chart->chart();
    chart.legend()->setAlignment(Qt::AlignTop);
    chart.legend()->show();
    QFont title = songFont(12);
    title.setBold(true);
    chart.setTitleFont(title);
    chart.setTitleBrush(QColor(0, 128, 0));
}

void TForm13::showDays(const analytics::TenDayView& view)
{
    m_chart->chart()->setTitle(view.chart.caption);
    drawBars(*m_chart->chart(), view.chart);
    m_totals->setText(view.totalsLine);
    setTextColour(*m_totals, toQColor(view.colour));
    centreOnScreen(*this);
    show();
}

void TForm13::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ui
