#pragma once

#include <QRect>
#include <QString>

class QChartView;
class QFrame;
class QLabel;
class QWebEngineView;
class QWidget;

namespace ui {

// What a label is made with. Every label shows plain text: text from a page or the service is
// never read as markup.
struct LabelShape {
    const char* name = nullptr; // object name; none for fixed captions
    QString text = {};
    QRect geometry = {};
    int fontPixels = 0; // 0: the parent's font
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

QLabel* plainLabel(QWidget& parent, const LabelShape& shape);
// Gives a region or part its object name (the component name) and its place in the parent.
void place(QWidget& widget, const char* name, const QRect& geometry);
QFrame* namedFrame(const char* name, QWidget& parent, const QRect& geometry);
QWebEngineView* namedBrowser(const char* name, QWidget& parent, const QRect& geometry);
// A chart without legend or rounded corners on a white ground.
QChartView* namedChart(const char* name, QWidget& parent, const QRect& geometry);

} // namespace ui
