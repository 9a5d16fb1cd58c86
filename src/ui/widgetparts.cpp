#include "ui/widgetparts.h"

#include "ui/fonts.h"

#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QWebEngineView>

namespace ui {

QLabel* plainLabel(QWidget& parent, const LabelSpec& spec)
{
    auto* label = new QLabel(spec.text, &parent);
    if (spec.name)
        label->setObjectName(QString::fromLatin1(spec.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(spec.alignment);
    if (spec.fontPixels > 0)
        label->setFont(songFont(spec.fontPixels, spec.bold));
    if (spec.geometry.isValid())
        label->setGeometry(spec.geometry);
    return label;
}

void place(QWidget& widget, const char* name, const QRect& geometry)
{
    widget.setObjectName(QString::fromLatin1(name));
    widget.setGeometry(geometry);
}

QFrame* namedFrame(const char* name, QWidget& parent, const QRect& geometry)
{
    auto* frame = new QFrame(&parent);
    place(*frame, name, geometry);
    return frame;
}

QWebEngineView* namedBrowser(const char* name, QWidget& parent, const QRect& geometry)
{
    auto* browser = new QWebEngineView(&parent);
    place(*browser, name, geometry);
    return browser;
}

QChartView* namedChart(const char* name, QWidget& parent, const QRect& geometry)
{
    auto* chart = new QChartView(&parent);
    place(*chart, name, geometry);
    chart->chart()->legend()->hide();
    chart->chart()->setBackgroundRoundness(0);
    chart->chart()->setMargins(QMargins(2, 2, 2, 2));
    chart->setFrameShape(QFrame::NoFrame);
    chart->setBackgroundBrush(Qt::white);
    return chart;
}

} // namespace ui
