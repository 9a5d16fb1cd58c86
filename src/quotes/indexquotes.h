#pragma once

// The index page of the quote service carries two comma records, each introduced by its name:
//
//   …上证指数,3051.23,-12.34,-0.40%,1234567.89,…  …深证成指,10234.5,56.7,0.56%,987654,…
//
// Counted from the name: field 2 the value, 3 the change (a "-" means down), 4 the percent,
// 5 the turnover in 万元, shown in 亿 (rounded to the nearest integer, halves to even).

#include "quotes/direction.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace net {
class HttpClient;
}

namespace quotes {

class QuoteFormatError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TickerCell {
    QString text;
    std::optional<Colour> background;
    friend bool operator==(const TickerCell&, const TickerCell&) = default;
};

// What the index page wrote for one index: the index-box line and the ticker's four cells.
// Nothing is written for a field that did not arrive.
struct IndexDisplay {
    QStringList fields; // the record's complete fields; fields[0] is the name
    std::optional<QString> line;
    Colour lineColour = riseRed;
    std::optional<Direction> direction;
    std::optional<TickerCell> value;
    std::optional<TickerCell> change;
    std::optional<TickerCell> percent;
    std::optional<TickerCell> turnover;
};

struct IndexBox {
    IndexDisplay shanghai;
    IndexDisplay shenzhen;
};

QString indexPageAddress(const QString& quoteSite);

// 万元 to whole 亿, halves to even. Throws QuoteFormatError when the text is not a number.
long long turnoverInYi(QStringView wanYuan);

// Applies the page to the box record by record, field by field, as a reader walking the page
// would. A turnover that is not a number throws QuoteFormatError; what was applied before it
// stays applied.
void applyIndexPage(QStringView page, IndexBox& box);

// Fetches and applies the index page. On failure: onFailure, then a silent abort.
void getvtzs(net::HttpClient& client, const QString& quoteSite, IndexBox& box,
             const std::function<void()>& onFailure);

} // namespace quotes
