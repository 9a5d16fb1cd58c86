#include "ui/main/indexboxview.h"

#include "app/clock.h"
#include "app/maintables.h"
#include "app/shelltexts.h"
#include "app/tradinghours.h"
#include "net/httpclient.h"
#include "quotes/indexquotes.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"

#include <QLabel>

namespace ui::main {

namespace {

constexpr int lineWidth = 231;
constexpr int lineHeight = 18;
// The lines at their longest ("深成：19994.62  跌-1126.16↓ 成交9999亿") fit 231 px at this size
// in the stand-in faces too.
constexpr int fontPixels = 12;

QLabel* indexLine(QWidget& box, const char* name, const QString& caption, int top)
{
    QLabel* label = plainLabel(box, {.name = name,
                                     .text = caption,
                                     .geometry = QRect(0, top, lineWidth, lineHeight),
                                     .fontPixels = fontPixels});
    setTextColour(*label, toQColor(quotes::riseRed));
    return label;
}

} // namespace

IndexBoxView::IndexBoxView(QWidget& parent, net::HttpClient& client, const QString& quoteSite,
                           const app::Clock& clock, std::function<void()> onFailure)
    : QWidget(&parent),
      m_client(client),
      m_quoteSite(quoteSite),
      m_clock(clock),
      m_onFailure(std::move(onFailure)),
      m_shanghai(indexLine(*this, "Label31", app::shanghaiIndexCaption(), 0)),
      m_shenzhen(indexLine(*this, "Label32", app::shenzhenIndexCaption(), 21))
{
    // Four pixels in from the window's right edge, level with the code box.
    place(*this, "indexBox", QRect(parent.width() - lineWidth - 4, 8, lineWidth, 21 + lineHeight));
}

void IndexBoxView::bindSteps(app::MainTables& tables)
{
    const net::Resources client = {&m_client};
    tables.dashboardLoad.bind(app::dashboard::offHoursIndices, client, [this] {
        if (app::dashboardLoadsQuotesOnce(m_clock.timeOfDay()))
            getvtzs();
    });
    tables.timers.steps(app::MainTimer::Timer1).bind(app::ticks::indices, client, [this] {
        if (app::indicesDue(m_indexTicks))
            getvtzs();
        ++m_indexTicks;
    });
}

void IndexBoxView::getvtzs()
{
    quotes::IndexBox box;
    // A turnover that is not a number fails after the fields before it were read; those stay
    // shown.
    quotes::getvtzs(m_client, m_quoteSite, box, [this, &box] {
        show(box);
        if (m_onFailure)
            m_onFailure();
    });
    show(box);
}

void IndexBoxView::show(const quotes::IndexBox& box)
{
    showLine(*m_shanghai, box.shanghai);
    showLine(*m_shenzhen, box.shenzhen);
    emit indicesRead(box);
}

void IndexBoxView::showLine(QLabel& label, const quotes::IndexDisplay& display)
{
    if (display.line)
        label.setText(*display.line);
    if (display.direction)
        setTextColour(label, toQColor(display.lineColour));
}

} // namespace ui::main
