#include "ui/chartdrawing.h"

#include "ui/labelcolours.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace ui {

namespace {

void clear(QChart& chart)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes())
        chart.removeAxis(axis);
}

QBarSet* barSet(const QString& name, const std::vector<double>& values)
{
    auto* set = new QBarSet(name);
    for (double value : values)
        set->append(value);
    return set;
}

// A value axis that starts at zero or below the smallest value, with a little room above.
QValueAxis* valueAxis(double low, double high)
{
    auto* axis = new QValueAxis;
    axis->setRange(std::min(0.0, low), high > low ? high * 1.05 : low + 1);
    axis->setLabelFormat(QStringLiteral("%g"));
    return axis;
}

} // namespace

void drawBars(QChart& chart, const analytics::BarChart& bars)
{
    clear(chart);
    auto* series = new QBarSeries;
    series->append(barSet(analytics::buySeriesName, bars.buy));
    series->append(barSet(analytics::sellSeriesName, bars.sell));
    series->setLabelsVisible(false);
    chart.addSeries(series);

    auto* positions = new QBarCategoryAxis;
    positions->append(bars.labels);
    chart.addAxis(positions, Qt::AlignBottom);
    series->attachAxis(positions);
    std::vector<double> all = bars.buy;
    all.insert(all.end(), bars.sell.begin(), bars.sell.end());
    const auto [low, high] = std::minmax_element(all.begin(), all.end());
    QValueAxis* values = all.empty() ? valueAxis(0, 1) : valueAxis(*low, *high);
    chart.addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
}

void drawLine(QChart& chart, const std::vector<analytics::HoldingsPoint>& points, const QColor& colour)
{
    clear(chart);
    auto* line = new QLineSeries;
    line->setColor(colour);
    line->setPointsVisible(true);
    QStringList labels;
    double low = 0;
    double high = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        line->append(double(i), points[i].value);
        labels << points[i].label;
        low = i == 0 ? points[i].value : std::min(low, points[i].value);
        high = i == 0 ? points[i].value : std::max(high, points[i].value);
    }
    chart.addSeries(line);

    auto* days = new QCategoryAxis;
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int i = 0; i < labels.size(); ++i)
        // Category names must differ; a day that repeats is told apart by invisible blanks.
        days->append(labels[i] + QString(i, QChar(0x200B)), double(i));
    days->setRange(-0.5, std::max(0.5, double(points.size()) - 0.5));
    chart.addAxis(days, Qt::AlignBottom);
    line->attachAxis(days);

    auto* percent = new QValueAxis;
    const double margin = std::max(0.1, (high - low) * 0.1);
    percent->setRange(low - margin, high + margin);
    percent->setLabelFormat(QStringLiteral("%.1f%%"));
    percent->setTickCount(3);
    chart.addAxis(percent, Qt::AlignLeft);
    line->attachAxis(percent);
}

void drawPie(QChart& chart, const analytics::PieChart& pie)
{
    clear(chart);
    chart.setTitle(pie.title);
    auto* series = new QPieSeries;
    for (const analytics::PieSlice& piece : pie.slices) {
        QPieSlice* slice = series->append(piece.label, piece.value);
        slice->setColor(toQColor(piece.colour));
        slice->setLabelVisible(true);
        slice->setLabelColor(Qt::black);
        slice->setLabelArmLengthFactor(0.12);
    }
    chart.addSeries(series);
}

void drawClassBars(QChart& chart, const std::vector<std::vector<double>>& seriesBySlot,
                   const QStringList& seriesNames, const std::vector<QColor>& colours)
{
    clear(chart);
    auto* series = new QBarSeries;
    double low = 0;
    double high = 1;
    for (std::size_t s = 0; s < seriesBySlot.size(); ++s) {
        QBarSet* set = barSet(seriesNames.value(qsizetype(s)), seriesBySlot[s]);
        set->setColor(colours[s]);
        set->setBorderColor(colours[s]);
        series->append(set);
        for (double value : seriesBySlot[s]) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    series->setLabelsVisible(false);
    chart.addSeries(series);
    auto* slotAxis = new QBarCategoryAxis;
    for (std::size_t i = 0; i < (seriesBySlot.empty() ? 0 : seriesBySlot.front().size()); ++i)
        slotAxis->append(QString::number(i + 1));
    slotAxis->setVisible(false);
    chart.addAxis(slotAxis, Qt::AlignBottom);
    series->attachAxis(slotAxis);
    QValueAxis* values = valueAxis(low, high);
    chart.addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
}

} // namespace ui
