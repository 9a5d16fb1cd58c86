#include "alerts/alertstate.h"

#include <algorithm>

namespace alerts {

void AlertState::resetStocks(int count)
{
    count = std::max(count, 0);
    limitAlerted = QStringList(count, QStringLiteral("0"));
    bigTradeCooldown = QStringList(count, QStringLiteral("-1"));
    bigOrderCooldown = bigTradeCooldown;
    riseFallCooldown = bigTradeCooldown;
}

int AlertState::stockCount() const
{
    return int(std::min({limitAlerted.size(), bigTradeCooldown.size(), bigOrderCooldown.size(),
                         riseFallCooldown.size()}));
}

} // namespace alerts
