#pragma once

#include "quotes/direction.h"

#include <QString>

#include <variant>
#include <vector>

namespace alerts {

// The popup of each event kind: near the limit, beyond the rise/fall percentage, a big trade,
// a big order at the best bid or ask.
enum class PopupKind { Limit, RiseFall, BigTrade, BigOrder };

struct AlertPopup {
    PopupKind kind = PopupKind::Limit;
    QString firstLine;
    QString secondLine;
    quotes::Direction direction = quotes::Direction::Up;
    bool operator==(const AlertPopup&) const = default;
};

struct BroadcastRow {
    int number = 0;
    QString nameAndCode; // name + "(" + code + ")"
    QString price;
    QString change;      // change percent with its arrow
    QString volume;
    bool operator==(const BroadcastRow&) const = default;
};

// The price grid of the opening, midday and closing broadcasts.
struct Broadcast {
    QString title;
    QString priceCaption;
    std::vector<BroadcastRow> rows;
    bool operator==(const Broadcast&) const = default;
};

using AlertEvent = std::variant<AlertPopup, Broadcast>;

// "limit", "riseFall", "bigTrade", "bigOrder": the kind's name for scripts.
QString popupKindName(PopupKind kind);

} // namespace alerts
