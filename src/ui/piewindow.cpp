#include "ui/piewindow.h"

#include "analytics/bigorderpie.h"
#include "ui/chartdrawing.h"
#include "ui/fonts.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>

namespace ui {

TForm14::TForm14(QWidget* parent)
    : QWidget(parent),
      m_chart(namedChart("Chart1", *this, QRect(8, 6, 497, 250))),
      m_pause(new QCheckBox(QStringLiteral("暂停提示"), this))
{
    applyWindowEntry(*this, "TForm14");
    makePopup(*this);
    setFont(songFont(12));
    QFont title = songFont(12);
    title.setBold(true);
    m_chart->chart()->setTitleFont(title);
    m_chart->chart()->setTitleBrush(QColor(0, 128, 0));
    m_pause->setObjectName(QStringLiteral("CheckBox1"));
    m_pause->setGeometry(12, 236, 90, 18);
}

void TForm14::dbshow(const analytics::PieChart& pie)
{
    drawPie(*m_chart->chart(), pie);
    centreOnScreen(*this);
    show();
}

bool TForm14::paused() const
{
    return m_pause->isChecked();
}

void TForm14::serve(QAction& resumeCommand)
{
    connect(m_pause, &QCheckBox::toggled, &resumeCommand,
            [&resumeCommand](bool paused) { resumeCommand.setChecked(!paused); });
    connect(&resumeCommand, &QAction::triggered, this, [this] { m_pause->setChecked(false); });
}

void TForm14::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ui
