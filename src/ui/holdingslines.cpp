#include "ui/holdingslines.h"

#include "analytics/holdings.h"
#include "net/pagetext.h"
#include "ui/chartdrawing.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"

#include <QChartView>
#include <QLabel>
#include <QLinearGradient>

#include <stdexcept>

namespace ui {

namespace {

QChartView* holdingsChart(const char* name, QWidget& parent, const QRect& geometry,
                          const QString& caption, const QColor& captionColour)
{
    QChartView* view = namedChart(name, parent, geometry);
    QLinearGradient ground(0, 0, 0, geometry.height());
    ground.setColorAt(0, QColor(220, 235, 250));
    ground.setColorAt(1, Qt::white);
    view->chart()->setBackgroundBrush(ground);
    view->setBackgroundBrush(Qt::white);
    QLabel* label = plainLabel(*view, {.text = caption,
                                       .geometry = QRect(30, 1, geometry.width() - 32, 14),
                                       .fontPixels = 11,
                                       .bold = true,
                                       .alignment = Qt::AlignCenter});
    setTextColour(*label, captionColour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return view;
}

} // namespace

HoldingsLines::HoldingsLines(QWidget& parent, const QRect& mainForceChart, const QRect& retailChart)
    : QObject(&parent),
      m_mainForce(holdingsChart("Chart3", parent, mainForceChart, QStringLiteral("最近30日主力持仓线"),
                                QColor(255, 0, 0))),
      m_retail(holdingsChart("Chart4", parent, retailChart, QStringLiteral("最近30日散户持仓线"),
                             QColor(0, 128, 0)))
{
}

void HoldingsLines::load(net::HttpClient& client, const QString& site, const QString& code)
{
    const analytics::HoldingsLists lists =
        analytics::readHoldings(net::fetchText(client, site + analytics::holdingsPath(code)));
    if (lists.failed)
        throw std::runtime_error("a holdings date that does not convert");
    const analytics::HoldingsChart chart = analytics::holdingsChart(lists);
    drawLine(*m_mainForce->chart(), chart.mainForce, QColor(255, 0, 0));
    drawLine(*m_retail->chart(), chart.retail, QColor(0, 0, 255));
    if (!chart.complete)
        throw std::runtime_error("a holdings value that does not convert");
}

} // namespace ui
