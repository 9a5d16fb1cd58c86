#include "ui/widgetparts.h"

#include "ui/fonts.h"

#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QWebEngineView>

namespace ui {

QLabel* plainLabel(QWidget& parent, const LabelShape& shape)
{
    auto* label = new QLabel(shape.text, &parent);
    if (shape.name)
        label->setObjectName(QString::fromLatin1(shape.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(shape.alignment);
    if (shape.fontPixels > 0)
        label->setFont(songFont(shape.fontPixels, shape.bold));
    if (shape.geometry.isValid())
        label->setGeometry(shape.geometry);
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
