#include "quotes/indexquotes.h"

#include "net/commafields.h"
#include "net/loader.h"
#include "net/pagetext.h"

#include <array>
#include <cmath>

namespace quotes {

namespace {

const std::array<QString, 2>& indexNames()
{
    static const std::array<QString, 2> names = {QStringLiteral("上证指数"),
                                                 QStringLiteral("深证成指")};
    return names;
}

QString linePrefix(int index)
{
    return index == 0 ? QStringLiteral("上证：") : QStringLiteral("深成：");
}

void applyField(IndexDisplay& display, int index, int field, const QString& value)
{
    switch (field) {
    case 2:
        display.line = linePrefix(index) + value;
        display.value = TickerCell{value, display.value ? display.value->background : std::nullopt};
        break;
    case 3: {
        const Direction direction = directionOf(value);
        const Colour colour = colourOf(direction);
        display.direction = direction;
        display.lineColour = colour;
        display.line = display.line.value_or(QString())
                       + (direction == Direction::Up ? QStringLiteral("  涨") + value + u'↑'
                                                     : QStringLiteral("  跌") + value + u'↓');
        if (display.value)
            display.value->background = colour;
        display.change = TickerCell{value, colour};
        break;
    }
    case 4:
        display.percent = TickerCell{value, display.direction
                                                ? std::optional(colourOf(*display.direction))
                                                : std::nullopt};
        break;
    case 5: {
        const QString yi = QString::number(turnoverInYi(value));
        const std::optional<Colour> background =
            display.direction ? std::optional(colourOf(*display.direction)) : std::nullopt;
        display.turnover = TickerCell{yi + QStringLiteral("亿元"), background};
        display.line = display.line.value_or(QString()) + QStringLiteral(" 成交") + yi
                       + QStringLiteral("亿");
        break;
    }
    default:
        break;
    }
}

} // namespace

QString indexPageAddress(const QString& quoteSite)
{
    return quoteSite + QStringLiteral("/EM_Quote2007/default.aspx?type=fs&stk=6000361");
}

long long turnoverInYi(QStringView wanYuan)
{
    bool ok = false;
    const double value = wanYuan.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e18)
        throw QuoteFormatError("turnover is not a number: " + wanYuan.toString().toStdString());
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return static_cast<long long>(std::nearbyint(value / 10000.0));
}

void applyIndexPage(QStringView page, IndexBox& box)
{
    for (const net::FieldRecord& record : net::commaFieldsAfter(page, indexNames())) {
        IndexDisplay& display = record.marker == 0 ? box.shanghai : box.shenzhen;
        display.fields = record.fields;
        for (int field = 2; field <= int(record.fields.size()); ++field)
            applyField(display, record.marker, field, record.fields[field - 1]);
    }
}

void getvtzs(net::HttpClient& client, const QString& quoteSite, IndexBox& box,
             const std::function<void()>& onFailure)
{
    net::runLoader(
        client,
        [&] {
            const net::PageText page =
                net::fetchText(client, indexPageAddress(quoteSite), net::Encoding::Utf8);
            applyIndexPage(page, box);
        },
        onFailure);
}

} // namespace quotes
