#pragma once

#include "quotes/direction.h"
#include "quotes/quoterow.h"

#include <QString>

#include <optional>

namespace quotes {

// A label's new text, and its new font colour where the row decides one.
struct LabelText {
    QString text;
    std::optional<Colour> colour;
    friend bool operator==(const LabelText&, const LabelText&) = default;
};

// What one quote row writes into the quote panel. A label whose field did not arrive is
// nothing here and keeps its previous text on screen.
struct QuotePanelView {
    std::optional<QString> currentCode;     // field 2
    std::optional<QString> currentName;     // field 3
    std::optional<LabelText> latestPrice;   // Label2: field 4 + "元"
    std::optional<LabelText> lastTrade;     // Label29: "买盘↑ " / "卖盘↓ " + field 18 + "手"
    std::optional<LabelText> changePercent; // Label44: field 5 as received
    std::optional<LabelText> change;        // Label4: field 6 + "元"
    std::optional<QString> volume;          // Label8: field 11 + "手"
    std::optional<QString> turnover;        // Label7: field 12 + "万元"
    std::optional<QString> open;            // Label25: "开盘价：" + field 13 + "元"
    std::optional<QString> high;            // Label23: "最高价：" + field 15 + "元"
    std::optional<QString> low;             // Label24: "最低价：" + field 16 + "元"
    std::optional<LabelText> ask;           // Label37, always green: field 9 + "元(" + field 10 + "手)"
    std::optional<LabelText> bid;           // Label38, always red: field 7 + "元(" + field 8 + "手)"
};

QuotePanelView quotePanelView(const QuoteRow& row);

} // namespace quotes
