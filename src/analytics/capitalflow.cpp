#include "analytics/capitalflow.h"

#include "analytics/decimaltext.h"
#include "app/clock.h"
#include "net/market.h"
#include "net/markerwalk.h"

#include <QTime>

namespace analytics {

namespace {

constexpr int classCount = 4;
constexpr int lastValueCell = 5;

// The walk of one page: a row marker opens a row; inside it a time cell and five value cells,
// each closed by the next "</td>".
class FlowPageWalk final {
public:
    explicit FlowPageWalk(QStringView text) : m_text(text) {}

    FlowRows rows()
    {
        static constexpr std::array<QStringView, 4> markers = {
            u"onMouseOut=\"out()\"", u"<td nowrap=\"nowrap\">",
            u"<td align=\"right\" nowrap=\"nowrap\">", u"</td>"};
        net::MarkerWalk walk(m_text, markers);
        for (net::MarkerWalk::Hit hit; walk.next(hit);)
            take(hit.marker, hit.position, hit.position + markers[std::size_t(hit.marker)].size());
        return std::move(m_rows);
    }

private:
    enum Marker { Row, TimeCell, ValueCell, CellEnd };

    void take(int marker, qsizetype at, qsizetype after)
    {
        if (marker == Row) {
            m_inRow = true;
            m_inTimeCell = false;
            m_cell = 0;
            return;
        }
        if (!m_inRow)
            return;
        if (marker == TimeCell) {
            m_inTimeCell = true;
            m_timeStart = after;
        } else if (marker == ValueCell) {
            ++m_cell;
            m_inValueCell = true;
            m_valueStart = after;
        } else {
            endCells(at);
        }
    }

    void endCells(qsizetype at)
    {
        if (m_inTimeCell) {
            m_inTimeCell = false;
            appendTimes(m_text.sliced(m_timeStart, at - m_timeStart));
        }
        if (!m_inValueCell)
            return;
        m_inValueCell = false;
        if (m_cell >= 2 && m_cell <= lastValueCell)
            m_rows.values[std::size_t(m_cell - 2)].append(
                valueOf(m_text.sliced(m_valueStart, at - m_valueStart)));
        if (m_cell >= lastValueCell)
            m_inRow = false;
    }

    // The cell less its last two characters; the text after each blank is a time.
    void appendTimes(QStringView cell)
    {
        const QStringView text = cell.chopped(std::min<qsizetype>(2, cell.size()));
        for (qsizetype blank = text.indexOf(u' '); blank >= 0; blank = text.indexOf(u' ', blank + 1))
            m_rows.times.append(text.sliced(blank + 1).toString());
    }

    // The figure in the cell's font tag; a cell without any tag is 0.
    static QString valueOf(QStringView cell)
    {
        if (!cell.contains(u'>'))
            return QStringLiteral("0");
        qsizetype close = cell.indexOf(u"</font>");
        if (close < 0)
            close = cell.size();
        const qsizetype open = cell.first(close).lastIndexOf(u'>');
        return open < 0 ? QString() : cell.sliced(open + 1, close - open - 1).toString();
    }

    QStringView m_text;
    FlowRows m_rows;
    bool m_inRow = false;
    bool m_inTimeCell = false;
    bool m_inValueCell = false;
    int m_cell = 0;
    qsizetype m_timeStart = 0;
    qsizetype m_valueStart = 0;
};

struct Slot {
    app::DayTime after;  // excluded; the first slot has no lower bound
    app::DayTime upTo;   // included
};

constexpr std::array<Slot, 8> slotBounds = {{
    {{-1, 0, 0}, {10, 0, 0}},
    {{10, 0, 0}, {10, 30, 0}},
    {{10, 30, 0}, {11, 0, 0}},
    {{11, 0, 0}, {11, 50, 0}},
    {{13, 0, 0}, {13, 30, 0}},
    {{13, 30, 0}, {14, 0, 0}},
    {{14, 0, 0}, {14, 30, 0}},
    {{14, 30, 0}, {15, 30, 0}},
}};

std::optional<int> slotOf(app::DayTime time)
{
    for (int slot = 0; slot < int(slotBounds.size()); ++slot)
        if (time > slotBounds[std::size_t(slot)].after && time <= slotBounds[std::size_t(slot)].upTo)
            return slot;
    return std::nullopt;
}

// The class with the largest total (inflow) or the smallest (outflow); an earlier class keeps a
// tie.
int leadingClass(const std::array<qint64, 4>& totals, bool largest)
{
    int best = 0;
    for (int c = 1; c < classCount; ++c)
        if (largest ? totals[std::size_t(c)] > totals[std::size_t(best)]
                    : totals[std::size_t(c)] < totals[std::size_t(best)])
            best = c;
    return best;
}

QString flowLine(const std::array<qint64, 4>& totals, bool inflow)
{
    const int best = leadingClass(totals, inflow);
    const qint64 total = totals[std::size_t(best)];
    if (inflow ? total <= 0 : total >= 0)
        return inflow ? QStringLiteral("目前没有资金净流入") : QStringLiteral("目前没有资金净流出");
    return QStringLiteral("资金%1最多的是【%2】净%1:%3手")
        .arg(inflow ? QStringLiteral("流入") : QStringLiteral("流出"))
        .arg(investorClassName(InvestorClass(best)))
        .arg(total);
}

} // namespace

QString capitalFlowPath(const QString& code)
{
    return QStringLiteral("/now-") + code + QStringLiteral(".html");
}

QString minuteChartPath(const QString& code)
{
    return QStringLiteral("/newchart/min/n/") + net::marketPrefix(code) + code
           + QStringLiteral(".gif");
}

QString investorClassName(InvestorClass investorClass)
{
    switch (investorClass) {
    case InvestorClass::Retail:
        return QStringLiteral("散户");
    case InvestorClass::Medium:
        return QStringLiteral("中户");
    case InvestorClass::Large:
        return QStringLiteral("大户");
    case InvestorClass::Main:
        break;
    }
    return QStringLiteral("主力");
}

FlowRows readCapitalFlowPage(QStringView text)
{
    return FlowPageWalk(text).rows();
}

std::optional<CapitalFlowView> capitalFlowView(const FlowRows& rows)
{
    const qsizetype count = rows.times.size();
    for (const QStringList& column : rows.values)
        if (column.size() != count)
            return std::nullopt;

    CapitalFlowView view;
    for (auto& slot : view.slotSums)
        slot.fill(1);
    view.slotSums[0][std::size_t(InvestorClass::Main)] = 10;
    bool beforeTen = false;
    for (qsizetype row = 0; row < count; ++row) {
        const QTime time = QTime::fromString(rows.times[row], u"HH:mm:ss");
        if (!time.isValid())
            return std::nullopt;
        beforeTen = beforeTen || rows.times[row].startsWith(u'0');
        const std::optional<int> slot = slotOf({time.hour(), time.minute(), time.second()});
        for (int c = 0; c < classCount; ++c) {
            const std::optional<int> value = decimalInteger(rows.values[std::size_t(c)][row]);
            if (!value)
                return std::nullopt;
            view.totals[std::size_t(c)] += *value;
            if (slot)
                view.slotSums[std::size_t(*slot)][std::size_t(c)] += *value;
        }
    }
    view.notice = beforeTen ? QStringLiteral("所有数据来自互联网，据此操作后果自负")
                            : QStringLiteral("因统计服务器问题，今日数据可能不准确");
    view.noticeColour = beforeTen ? quotes::Colour{0, 0, 255} : quotes::riseRed;
    view.inflowLine = flowLine(view.totals, true);
    view.outflowLine = flowLine(view.totals, false);
    return view;
}

QString capitalFlowFailedText()
{
    return QStringLiteral("查看数据时发生错误，请检查您的输入或者检查您的网络是否有错误");
}

} // namespace analytics
