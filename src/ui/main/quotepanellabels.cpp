#include "ui/main/quotepanellabels.h"

#include "quotes/direction.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"

#include <QFrame>
#include <QLabel>

#include <optional>

namespace ui::main {

namespace {

constexpr int rowHeight = 17;
constexpr int fontPixels = 12;

QLabel* quoteLabel(QWidget& parent, const char* name, const QString& text, const QRect& geometry)
{
    return plainLabel(parent,
                      {.name = name, .text = text, .geometry = geometry, .fontPixels = fontPixels});
}

QLabel* valueLabel(QWidget& parent, const char* name, const QRect& geometry)
{
    return quoteLabel(parent, name, QStringLiteral("0"), geometry);
}

QLabel* caption(QWidget& parent, const QString& text, const QRect& geometry)
{
    return quoteLabel(parent, nullptr, text, geometry);
}

void show(QLabel& label, const std::optional<QString>& text)
{
    if (text)
        label.setText(*text);
}

void show(QLabel& label, const std::optional<quotes::LabelText>& text)
{
    if (!text)
        return;
    label.setText(text->text);
    if (text->colour)
        setTextColour(label, toQColor(*text->colour));
}

QFrame& quoteBar(QWidget& panel)
{
    QFrame* bar = namedFrame("Panel1", panel, QRect(0, 118, 262, 59));
    bar->setStyleSheet(QStringLiteral("#Panel1 { background: white; }"));
    return *bar;
}

QFrame& quoteBox(QWidget& panel)
{
    QFrame* box = namedFrame("Panel3", panel, QRect(262, 0, 138, 177));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return *box;
}

// Rows of the bar under the stock page and of the box beside it.
constexpr int barRow(int row) { return 3 + row * 19; }
constexpr int boxRow(int row) { return 4 + row * 19; }

} // namespace

QuotePanelLabels::QuotePanelLabels(QWidget& panel)
{
    QFrame& bar = quoteBar(panel);
    QFrame& box = quoteBox(panel);
    caption(bar, QStringLiteral("最新价："), QRect(4, barRow(0), 50, rowHeight));
    m_latestPrice = valueLabel(bar, "Label2", QRect(54, barRow(0), 78, rowHeight));
    m_lastTrade = valueLabel(bar, "Label29", QRect(132, barRow(0), 128, rowHeight));
    caption(bar, QStringLiteral("涨跌幅："), QRect(4, barRow(1), 50, rowHeight));
    m_changePercent = valueLabel(bar, "Label44", QRect(54, barRow(1), 66, rowHeight));
    caption(bar, QStringLiteral("成交量："), QRect(120, barRow(1), 50, rowHeight));
    m_volume = valueLabel(bar, "Label8", QRect(170, barRow(1), 90, rowHeight));
    caption(bar, QStringLiteral("成交金额："), QRect(4, barRow(2), 62, rowHeight));
    m_turnover = valueLabel(bar, "Label7", QRect(66, barRow(2), 194, rowHeight));

    constexpr int boxLeft = 5;
    constexpr int boxWidth = 130;
    caption(box, QStringLiteral("涨跌："), QRect(boxLeft, boxRow(0), 38, rowHeight));
    m_change = valueLabel(box, "Label4", QRect(boxLeft + 38, boxRow(0), boxWidth - 38, rowHeight));
    m_high = valueLabel(box, "Label23", QRect(boxLeft, boxRow(1), boxWidth, rowHeight));
    m_low = valueLabel(box, "Label24", QRect(boxLeft, boxRow(2), boxWidth, rowHeight));
    m_open = valueLabel(box, "Label25", QRect(boxLeft, boxRow(3), boxWidth, rowHeight));
    QLabel* askCaption = caption(box, QStringLiteral("卖出价①"), QRect(boxLeft, boxRow(4), boxWidth, rowHeight));
    m_ask = valueLabel(box, "Label37", QRect(boxLeft, boxRow(5), boxWidth, rowHeight));
    QLabel* bidCaption = caption(box, QStringLiteral("买入价①"), QRect(boxLeft, boxRow(6), boxWidth, rowHeight));
    m_bid = valueLabel(box, "Label38", QRect(boxLeft, boxRow(7), boxWidth, rowHeight));

    // The best ask is always green and the best bid always red, captions and figures alike.
    for (QLabel* label : {askCaption, m_ask})
        setTextColour(*label, toQColor(quotes::fallGreen));
    for (QLabel* label : {bidCaption, m_bid})
        setTextColour(*label, toQColor(quotes::riseRed));
}

void QuotePanelLabels::apply(const quotes::QuotePanelView& view)
{
    show(*m_latestPrice, view.latestPrice);
    show(*m_changePercent, view.changePercent);
    show(*m_change, view.change);
    show(*m_bid, view.bid);
    show(*m_ask, view.ask);
    show(*m_volume, view.volume);
    show(*m_turnover, view.turnover);
    show(*m_open, view.open);
    show(*m_high, view.high);
    show(*m_low, view.low);
    show(*m_lastTrade, view.lastTrade);
}

} // namespace ui::main
